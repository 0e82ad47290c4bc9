#!/usr/bin/env python3
"""Draws screenshots of the game client's windows (bidding, last hand, last trick, score, and
the whole table window with its buttons and information box) from the client's font and card
faces, and writes the values a correct reader finds in them.

Usage: make_fixtures.py OUTDIR

For each fixture NAME it writes NAME.json: {"kind", "lang", "bmp", "expect"}; the picture is
the file named by "bmp" (two fixtures may share one table window picture). Only the Python
standard library is used, and nothing of the program itself.
"""

import json
import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree

from canvas import BLACK, DARK_RED, GRAY, GREEN, NAVY, RED, SILVER, WHITE, Canvas
from glyphs import card_block, checked_columns, text_width, word_columns

# --------------------------------------------------------------------------------------
# Text drawing


def draw_text(canvas, x, band_top, text, lang, color=BLACK, space=4):
    """Draws words separated by blanks; returns [(char, first column, end column)] for every
    glyph drawn and the end x."""
    placed = []
    for n, word in enumerate(text.split(" ")):
        if n:
            x += space
        if not word:
            continue
        cols = checked_columns(word, lang)
        canvas.columns(x, band_top, cols, color)
        # The column after each glyph: where a match of that glyph ends.
        for i, ch in enumerate(word):
            placed.append((ch, x + len(word_columns(word[:i + 1]))))
        x += len(cols)
    return placed, x


def glyph_end(placed, keyword):
    """Where a search for `keyword` over the drawn glyphs ends: the column after its last
    glyph (the search restarts after a mismatch without retrying the failing glyph)."""
    matched = 0
    for ch, end in placed:
        if keyword[matched:matched + 1] == ch:
            matched += 1
            if matched == len(keyword):
                return end
        else:
            matched = 0
    return None


# --------------------------------------------------------------------------------------
# Language tables of the client

STRAIN_LETTERS = {  # clubs, diamonds, hearts, spades, no trump as the client shows them
    1: ("C", "D", "H", "S", "NT"), 3: ("T", "D", "C", "P", "SA"), 4: ("C", "D", "H", "S", "NT"),
    5: ("F", "Q", "C", "P", "NT"), 6: ("T", "R", "C", "P", "ST"), 7: ("T", "D", "C", "P", "ST"),
    10: ("C", "D", "H", "S", "NT"),
}
CALL_WORDS = {  # pass, double, redouble
    1: ("Pass", "X", "XX"), 3: ("Passe", "Kontra", "Rekontra"), 4: ("Passe", "Contre", "Surcontre"),
    5: ("Passo", "Contro", "Surcontro"), 6: ("Paso", "Doblo", "Redoblo"),
    7: ("Paso", "Doblo", "Redoblo"), 10: ("Passo", "Dobro", "Redobro"),
}
# The letters the auction reader turns into C, D, H, S, and its no-trump word.
AUCTION_RULES = {3: ("SA", "TDCP"), 5: ("NT", "FQCP"), 6: ("ST", "TRCP"), 7: ("ST", "TDCP"),
                 8: ("ST", "TDCP"), 9: ("ST", "TDCP")}

HAND_SUITS = {1: "CDHS", 3: "TDCP", 4: "TKCP", 5: "FQCP", 10: "CDHS"}
HAND_RANKS = {4: {11: "V", 12: "D", 13: "R", 14: "A"}}
RANK_TEXT = {10: "10", 11: "J", 12: "Q", 13: "K", 14: "A"}

TRICKS_LABEL = {1: "Tricks:", 3: "Stiche:", 4: "Pli:", 5: "Prese:", 6: "Bazas:", 10: "Jogadas:"}
BUTTON_CAPTIONS = {  # bidding, last trick, last hand, score
    1: ("Bidding", "Last Trick", "Last Hand", "Score"),
    3: ("Reizung anzeigen", "Letzter Stich", "Letztes Spiel", "Punktestand"),
    4: ("Voir les encheres", "Dernier pli", "Derniere main", "Score"),
    5: ("Licitazione", "Ultima presa", "Ultima mano", "Punteggio"),
    10: ("Ver leilao", "Ultima jogada", "Ultima rodada", "Pontuacao"),
}
BUTTON_KEYWORDS = {
    1: ("Bidding", "tTrick", "tHand", "Score"), 3: ("anzeigen", "Stich", "Spiel", "stand"),
    4: ("lesencheres", "pli", "main", "Score"), 5: ("tazione", "presa", "mamano", "teggio"),
    10: ("leilao", "jogada", "rodada", "tuacao"),
}
VUL_WORD = {1: "Vulnerable", 3: "Gefahr", 4: "Vulnerable", 5: "Vulnerabile", 10: "Vulneravel"}


def call_text(call, lang):
    """A call in the system's form (1C, 3NT, P, X, XX) as the client of `lang` shows it."""
    words = CALL_WORDS[lang]
    if call == "P":
        return words[0]
    if call == "X":
        return words[1]
    if call == "XX":
        return words[2]
    if call == "" or call[0] not in "1234567":
        return call
    letters = STRAIN_LETTERS[lang]
    strain = "CDHS".index(call[1]) if call[1:] != "NT" else 4
    return call[0] + letters[strain]


def auction_convert(call, lang):
    if lang not in AUCTION_RULES or not call or call[0] not in "1234567":
        return call
    nt_word, letters = AUCTION_RULES[lang]
    rest = call[1:]
    if rest == nt_word:
        return call[0] + "NT"
    i = letters.find(rest[:1]) if rest else -1
    return call[0] + ("CDHS"[i] if i >= 0 else "")


def strip_marks(text):
    return text.strip(" ").strip("?").strip(" ")


# --------------------------------------------------------------------------------------
# Bidding window (client area)


def expected_auction(grid, lang):
    passes, seen, error, rows = -1, False, 0, 11
    calls = []
    for r in range(1, 11):
        row = grid[r - 1] if r - 1 < len(grid) else ["", "", "", ""]
        out = ["", "", "", ""]
        empties, end = 0, False
        for c in range(4):
            w = strip_marks(row[c])
            if not w:
                empties += 1
                if empties == 4 or seen:
                    error, end = 15, True
                    break
                continue
            empties, seen = 0, True
            out[c] = w
            if w == "パス" or "Pas" in w:
                passes += 1
                if passes == 3:
                    end = True
                    break
            else:
                passes = 0
        calls.append(out)
        if end:
            rows = r
            break
    calls = [[auction_convert(c, lang) for c in row] for row in calls]
    return error, rows, calls


def bidding(name, lang, headings, calls, shown_rows=None, bits=24):
    """`calls`: rows of four calls in the system's form ("" empty, "?x" unreadable)."""
    grid = [[call_text(c, lang) if not c.startswith("?") else c for c in row] for row in calls]
    error, rows, expect_calls = expected_auction(
        [[c.replace("\x01", "?") for c in row] for row in grid], lang)
    need = min(rows, 10)
    shown = shown_rows if shown_rows is not None else max(need, 4)
    width, height = 259, 22 + 16 * shown + 2
    cv = Canvas(width, height)
    for x in (1, 65, 129, 193, 257):
        cv.vline(x, 0, height - 1, GRAY)
    for y in range(16, height, 16):
        cv.hline(y, 1, 257, GRAY)
    for c, h in enumerate(headings):
        if h:
            draw_text(cv, 1 + 64 * c + 4, 2, h, lang)
    for r, row in enumerate(grid):
        for c, call in enumerate(row):
            if call:
                color = RED if call[:1].isdigit() and call[1:2] in "DH" and lang == 1 else BLACK
                draw_text(cv, 1 + 64 * c + 6, 20 + 16 * r, call.replace("?", "\x01"), lang, color)
    expect = {"error": error, "headings": [h.replace("\x01", "?") for h in headings],
              "rows": rows, "calls": expect_calls}
    return name, "bidding", lang, cv, bits, expect


def bidding_fixtures():
    names = {1: ["Alice", "bob77", "jeff", "Zoe"], 3: ["Hans", "Greta", "offi", "Lutz"],
             5: ["Giulia", "marco", "Fabio", "Piera"], 10: ["Joao", "Maria", "Tiago", "Rita"],
             4: ["Pierre", "Marie", "Luc", "Anne"], 6: ["Pedro", "Lucia", "Jose", "Ana"]}
    out = []
    for lang in (1, 3, 4, 5, 6, 10):
        hd = names[lang]
        out.append(bidding("bid-%d-short" % lang, lang, hd,
                           [["1H", "P", "2NT", "P"], ["3S", "X", "XX", "P"], ["P", "P", "", ""]]))
        ladder = ["%d%s" % (lvl, s) for lvl in range(1, 8) for s in ("C", "D", "H", "S", "NT")]
        seq = ladder + ["P", "P", "P"]
        out.append(bidding("bid-%d-long" % lang, lang, hd,
                           [seq[i:i + 4] + [""] * (4 - len(seq[i:i + 4]))
                            for i in range(0, len(seq), 4)]))
    lang = 1
    hd = names[1]
    ladder = ["%d%s" % (lvl, s) for lvl in range(1, 8) for s in ("C", "D", "H", "S", "NT")]
    seq = ladder + ["X", "XX", "P", "P", "X"]
    out.append(bidding("bid-1-ten-rows", lang, hd, [seq[i:i + 4] for i in range(0, 40, 4)]))
    out.append(bidding("bid-1-four-passes", lang, hd, [["P", "P", "P", "P"]]))
    out.append(bidding("bid-1-dealer-third", lang, hd,
                       [["", "", "1S", "P"], ["4S", "P", "P", "P"]], bits=16))
    out.append(bidding("bid-1-in-progress", lang, hd, [["1C", "P", "1D", "P"], ["1NT", "P", "", ""]]))
    out.append(bidding("bid-1-empty-row", lang, hd, []))
    out.append(bidding("bid-1-marks", lang, ["Al\x01", "bob", "\x01", "Zoe"],
                       [["1C", "?\x01", "1H", "P"]]))
    out.append(bidding("bid-1-no-heading", lang, ["", "", "", ""], []))
    out[-1][5].update({"error": 0, "rows": 0, "calls": []})
    return out


# --------------------------------------------------------------------------------------
# Last-hand window (client area)


def card_word(rank, suit, mark, lang):
    r = HAND_RANKS.get(lang, {}).get(rank) or RANK_TEXT.get(rank) or str(rank)
    text = r + HAND_SUITS[lang][suit]
    if mark == 1:
        return "[" + text + "]"
    if mark == 2:
        return "(" + text + ")"
    return text


def deal(seed):
    cards = [(r, s) for s in range(4) for r in range(2, 15)]
    # A fixed shuffle (a linear congruential generator), so the pictures never change.
    x = seed
    for i in range(51, 0, -1):
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        j = x % (i + 1)
        cards[i], cards[j] = cards[j], cards[i]
    return [sorted(cards[h * 13:(h + 1) * 13], key=lambda c: (-c[1], -c[0])) for h in range(4)]


def lasthand(name, lang, names, hands, marks, anchor=24, width=600, words=None, expect=None,
             bits=24):
    cv = Canvas(width, 100)
    cv.vline(0, 0, 99, GRAY)
    for x in range(100, 100 + 36 * 14, 36):
        cv.vline(x, 0, 99, GRAY)
    for y in range(anchor, 100, 16):
        cv.hline(y, 0, width - 1, GRAY)
    words = words or [[card_word(r, s, marks[h][k], lang) for k, (r, s) in enumerate(hands[h])]
                      for h in range(4)]
    band0 = anchor + 4
    for h in range(4):
        draw_text(cv, 4, band0 + 16 * h, names[h], lang)
        for k, w in enumerate(words[h]):
            if not w:
                continue
            suit_char = w.strip("[]()")[-1:]
            red = suit_char in (HAND_SUITS[lang][1], HAND_SUITS[lang][2])
            draw_text(cv, 100 + 36 * k + 4, band0 + 16 * h, w, lang, RED if red else BLACK)
    if expect is None:
        expect = {
            "error": 0,
            "names": [strip_marks(n.replace("\x01", "?")) for n in names],
            "cards": [[("T" if r == 10 else RANK_TEXT.get(r, str(r))[:1]) + "CDHS"[s]
                       for (r, s) in hands[h]] for h in range(4)],
            "marks": marks,
        }
    return name, "lasthand", lang, cv, bits, expect


def lasthand_fixtures():
    out = []
    plain = [[0] * 13 for _ in range(4)]
    names = {1: ["Alice", "bob77", "jeff", "Zoe\x01"], 3: ["Hans", "Greta", "offi", "Lutz"],
             4: ["Pierre", "Marie", "Luc", "Anne"], 5: ["Giulia", "marco", "Fabio", "Piera"],
             10: ["Joao", "Maria", "Tiago", "Rita"]}
    for n, lang in enumerate((1, 3, 4, 5, 10)):
        hands = deal(17 + n)
        marks = [[0] * 13 for _ in range(4)]
        marks[n % 4][n] = 1
        marks[(n + 1) % 4][12 - n] = 2
        out.append(lasthand("hand-%d" % lang, lang, names[lang], hands, marks,
                            bits=16 if lang == 10 else 24))
    # Every card with a mark, in English, in a window of the least width.
    hands = deal(99)
    marks = [[(k + h) % 3 for k in range(13)] for h in range(4)]
    out.append(lasthand("hand-1-marks", 1, names[1], hands, marks, width=580))
    # Failed reads: the words are drawn as given.
    good = [[card_word(r, s, 0, 1) for (r, s) in hand] for hand in deal(5)]
    for tag, h, k, bad in (("empty", 1, 12, ""), ("one-char", 2, 4, "A"),
                           ("unknown-suit", 0, 7, "AX"), ("unknown-rank", 3, 0, "ZS"),
                           ("unreadable", 1, 3, "K\x01")):
        words = [list(w) for w in good]
        words[h][k] = bad
        out.append(lasthand("hand-1-bad-" + tag, 1, names[1], deal(5), plain, words=words,
                            expect={"error": 22}))
    out.append(lasthand("hand-1-anchor-20", 1, names[1], deal(5), plain, anchor=20,
                        expect={"error": 22, "names": ["", "", "", ""]}))
    return out


# --------------------------------------------------------------------------------------
# Last-trick window (client area): four card faces around black rules


def draw_upright(cv, x, y, suit, rank, smudge=False):
    cv.fill(x - 2, y - 2, x + 11, y + 25, WHITE)
    cv.hline(y - 2, x - 2, x + 10, GRAY)
    cv.vline(x + 10, y - 2, y + 24, GRAY)
    color = RED if suit in (1, 2) else BLACK
    for i, code in enumerate(card_block(suit, rank)):
        for b in range(8):
            if code & (0x80 >> b):
                cv.put(x + b, y + 21 - i, color)
    if smudge:
        cv.fill(x + 1, y + 5, x + 7, y + 9, BLACK)


def draw_sideways(cv, x, y, suit, rank, d):
    cv.fill(x - 2, y - 2, x + 30, y + 10, WHITE)
    cv.hline(y + 9, x - 2, x + 29, GRAY)
    color = RED if suit in (1, 2) else BLACK
    for i, code in enumerate(card_block(suit, rank)):
        for b in range(8):
            if code & (0x80 >> b):
                cv.put(x + d + i, y + b, color)


def lasttrick(name, cards, broken=None, bits=24, rules=True):
    """cards: (suit, rank) for bottom, left, top, right."""
    cv = Canvas(260, 200)
    draw_upright(cv, 103, 133, *cards[0], smudge=broken == 0)
    draw_sideways(cv, 50, 63, *cards[1], d=2)
    draw_upright(cv, 103, 11, *cards[2], smudge=broken == 2)
    draw_sideways(cv, 215, 63, *cards[3], d=0)
    if rules:
        cv.hline(8, 90, 150, BLACK)     # above the top card
        cv.hline(40, 90, 150, BLACK)    # below it
        cv.hline(130, 90, 150, BLACK)   # above the bottom card
        cv.hline(60, 20, 60, BLACK)     # above the side cards
        cv.vline(100, 20, 170, BLACK)   # left of the upright cards
        cv.vline(75, 65, 95, BLACK)     # right of the left card
        cv.vline(240, 65, 95, BLACK)    # right of the right card
    if broken is not None or not rules:
        expect = {"suits": [0, 0, 0, 0], "ranks": [-1, 0, 0, 0]}
    else:
        expect = {"suits": [s for s, r in cards], "ranks": [r for s, r in cards]}
    return name, "lasttrick", 1, cv, bits, expect


def lasttrick_fixtures():
    out = []
    for t in range(13):
        cards = [((t + p) % 4, 2 + (t + 3 * p) % 13) for p in range(4)]
        out.append(lasttrick("trick-%02d" % t, cards, bits=16 if t % 2 else 24))
    out.append(lasttrick("trick-covered", [(0, 2), (1, 3), (2, 4), (3, 5)], broken=2))
    out.append(lasttrick("trick-no-rules", [(0, 2), (1, 3), (2, 4), (3, 5)], rules=False))
    return out


# --------------------------------------------------------------------------------------
# Score window (client area)


def score(name, lang, left, right, vul_left, vul_right, expect, bits=24):
    cv = Canvas(300, 120)
    cv.vline(0, 0, 119, GRAY)
    cv.vline(150, 15, 119, GRAY)
    cv.hline(88, 0, 299, GRAY)
    draw_text(cv, 40, 3, "We", lang)
    draw_text(cv, 170, 3, "They", lang)
    if vul_left:
        draw_text(cv, 40, 22, vul_left, lang)
    if vul_right:
        draw_text(cv, 160, 22, vul_right, lang)
    if left:
        draw_text(cv, 140 - text_width(left), 92, left, lang)
    if right:
        draw_text(cv, 160, 92, right, lang)
    return name, "score", lang, cv, bits, expect


def score_fixtures():
    out = []
    for lang, (a, b) in {1: ("120", "-50"), 3: ("0", "1430"), 4: ("2210", "90"),
                         5: ("-1100", "600"), 10: ("10", "0")}.items():
        word = VUL_WORD[lang]
        out.append(score("score-%d" % lang, lang, a, b, word if lang != 3 else "", word,
                         {"error": 0, "scores": [int(a), int(b)],
                          "vul": [1 if lang != 3 else 0, 1]}))
    out.append(score("score-1-none-vul", 1, "430", "-430", "", "",
                     {"error": 0, "scores": [430, -430], "vul": [0, 0]}))
    out.append(score("score-1-odd", 1, "125", "0", "", "",
                     {"error": 3, "scores": [-1, -1], "vul": [-1, -1]}))
    out.append(score("score-1-letter-o", 1, "O0", "50", "", "", {"error": 6}))
    out.append(score("score-1-bad-vul", 1, "100", "200", "Vulnerabel", "",
                     {"error": 5, "scores": [100, 200], "vul": [-1, -1]}))
    return out


# --------------------------------------------------------------------------------------
# The whole table window: frame, buttons on the left, the information box


def table(lang, we, they, box=True, bits=16):
    cv = Canvas(640, 520, SILVER)
    cv.fill(4, 4, 636, 26, NAVY)
    cv.fill(184, 30, 636, 516, GREEN)
    positions = {}
    captions = BUTTON_CAPTIONS[lang]
    keywords = BUTTON_KEYWORDS[lang]
    for b in range(4):
        top = 80 + 28 * b
        cv.fill(10, top, 170, top + 22, SILVER)
        cv.hline(top, 10, 169, WHITE)
        cv.hline(top + 21, 10, 169, (64, 64, 64))
        placed, _ = draw_text(cv, 16, top + 5, captions[b], lang)
        end = glyph_end(placed, keywords[b])
        positions[("bidding", "trick", "hand", "score")[b]] = [end, top + 5]
    draw_text(cv, 16, 80 + 28 * 4 + 5, "Leave Table", lang)
    if box:
        cv.fill(230, 311, 475, 471, DARK_RED)
        cv.fill(232, 313, 473, 469, WHITE)
        label = TRICKS_LABEL[lang]
        draw_text(cv, 240, 322, "%s %d" % (label, we), lang)
        draw_text(cv, 240, 346, "Contract 4S", lang)
        draw_text(cv, 240, 372, "%s %d" % (label, they), lang)
    found = {"found": box, "we": we if box and we else -1, "they": they if box and they else -1}
    return positions, found, cv, bits


def table_fixtures():
    out = []
    for lang, we, they in ((1, 5, 3), (3, 10, 2), (4, 11, 1), (5, 12, 0), (10, 1, 13)):
        positions, found, cv, bits = table(lang, we, they)
        out.append(("table-%d-tricks" % lang, "tricks", lang, cv, bits, found,
                    "table-%d.bmp" % lang))
        out.append(("table-%d-buttons" % lang, "buttons", lang, None, bits, positions,
                    "table-%d.bmp" % lang))
    positions, found, cv, bits = table(1, 0, 0, box=False)
    out.append(("table-1-nobox-tricks", "tricks", 1, cv, bits, found, "table-1-nobox.bmp"))
    return out


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    fixtures = (bidding_fixtures() + lasthand_fixtures() + lasttrick_fixtures() +
                score_fixtures())
    fixtures = [f + (f[0] + ".bmp",) for f in fixtures] + table_fixtures()
    for name, kind, lang, cv, bits, expect, bmp in fixtures:
        if cv is not None:
            with open(os.path.join(outdir, bmp), "wb") as f:
                f.write(cv.bmp(bits))
        with open(os.path.join(outdir, name + ".json"), "w") as f:
            json.dump({"kind": kind, "lang": lang, "bmp": bmp, "expect": expect}, f)
            f.write("\n")
    print("%d fixtures in %s" % (len(fixtures), outdir))
    return 0


if __name__ == "__main__":
    sys.exit(main())
