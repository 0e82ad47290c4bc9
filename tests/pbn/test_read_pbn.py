#!/usr/bin/env python3
"""The export-format rules of read_pbn.py, on one-board files written out by hand: a reader
that lets a wrong file through would make the read-back tests pass on a broken writer."""
import os
import sys
import unittest

sys.dont_write_bytecode = True  # keep the source folder clean when run from CTest
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import read_pbn  # noqa: E402

HEAD = ("% PBN 2.1\n% EXPORT\n%Content-type: text/x-pbn; charset=ISO-8859-1\n"
        "%Creator: hand-written test\n")
GAME = r"""
[Event "Club night"]
[Site "Home"]
[Date "2024.10.16"]
[Board "7"]
[West "Zoë \"Z\" Dupré"]
[North "Ann"]
[East "Bob"]
[South "Cy"]
[Dealer "N"]
[Vulnerable "None"]
[Deal "N:AKQ2.KQ2.A32.K32 J43.J43.KQJ4.QJ4 T98.AT9.T98.AT98 765.8765.765.765"]
[Scoring "MP"]
[Declarer "N"]
[Contract "3NT"]
[Result "9"]
[OptimumScore "NS 400"]
[ParContract "NS 3NT"]
[Score "NS 400"]
[Auction "N"]
1C Pass 3NT {a note between calls} Pass
Pass Pass
[Play "E"]
SJ ST S5 SA
{commentary
over two lines} *
[OptimumResultTable "Declarer;Denomination\2R;Result\2R"]
N NT 9
S NT 9
"""


def pbn(game=GAME, head=HEAD):
    return (head + game).replace("\n", "\r\n").encode("latin-1")


def moved(tag, before):
    """GAME with the line of tag taken out and put back just before the line starting with
    `before`."""
    lines = GAME.split("\n")
    line = next(x for x in lines if x.startswith("[%s " % tag))
    lines.remove(line)
    at = next(i for i, x in enumerate(lines) if x.startswith(before))
    return "\n".join(lines[:at] + [line] + lines[at:])


def auction(calls):
    return GAME.replace("1C Pass 3NT {a note between calls} Pass\nPass Pass", calls)


class ExportFormat(unittest.TestCase):
    def test_accepts(self):
        for name, raw in [("full export game", pbn()),
                          ("auction cut short", pbn(auction("1H Pass *"))),
                          ("four passes", pbn(auction("Pass Pass Pass Pass")))]:
            with self.subTest(name):
                games = read_pbn.parse_games(raw)
                self.assertEqual(len(games), 1)
                tags = {tag: value for tag, value, _ in games[0]}
                self.assertEqual(tags["West"], 'Zoë "Z" Dupré')

    def test_rejects(self):
        for name, raw, says in [
                ("C1 byte", pbn().replace("Dupré".encode("latin-1"), b"Dupr\x85"), "0x85"),
                ("UTF-8 content type", pbn(head=HEAD.replace("ISO-8859-1", "UTF-8")), "line 3"),
                ("no export line", pbn(head=HEAD.replace("% EXPORT\n", "")), "line 2"),
                ("Score before Result", pbn(moved("Score", "[Result ")), "Result"),
                ("Score after Play", pbn(moved("Score", "[OptimumResultTable ")), "Score"),
                ("ParContract before OptimumScore",
                 pbn(moved("ParContract", "[OptimumScore ")), "OptimumScore"),
                ("tag twice", pbn(GAME.replace('[Site "Home"]', '[Site "Home"]\n[Site "X"]')),
                 "Site occurs 2 times"),
                ("star after complete auction", pbn(auction("1H Pass Pass Pass *")), "'*'"),
                ("incomplete auction without star", pbn(auction("1H Pass")), "incomplete"),
                ("calls after the end", pbn(auction("Pass Pass Pass Pass 1S *")), "after"),
        ]:
            with self.subTest(name):
                with self.assertRaises(read_pbn.Mismatch) as caught:
                    read_pbn.parse_games(raw)
                self.assertIn(says, str(caught.exception))
                if name not in ("UTF-8 content type", "no export line"):
                    self.assertIn("board 7", str(caught.exception))


class PlayerNames(unittest.TestCase):
    def test_characters_without_latin1_form_become_one_question_mark_each(self):
        for record, tag in [("Zoë Dupré", "Zoë Dupré"),
                            ("Łukasz – ‘Ł’", "?ukasz ? ???"),
                            ("山田 太郎", "?? ??"),
                            ("a\x81b\x9fc", "a?b?c"),
                            ("", "?")]:
            with self.subTest(record):
                self.assertEqual(read_pbn.pbn_name(record), tag)


if __name__ == "__main__":
    unittest.main()
