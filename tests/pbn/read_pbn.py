#!/usr/bin/env python3
"""A second PBN 2.1 reader, written apart from the utility's writer, that reads the .pbn
files of an output folder back and compares every board with the record file it came from.

    read_pbn.py OUTPUT_FOLDER WORK_FOLDER [--double-dummy] [--records=cp932]

The reader follows PBN's grammar: "%" lines escape to the application, tags are
[Name "string"] with \\" and \\\\ escaped in the string (other backslashes literal), a
section's data follows its tag up to the next tag, "{...}" is commentary (across lines too)
and an empty line ends a game. On top of that it holds the files to export format: the
"% PBN 2.1" / "% EXPORT" / ISO-8859-1 content-type / "%Creator:" head, CR LF, no byte
0x80-0x9F, each tag once and in export order (the mandatory tags, the other plain tags by
name, Auction, Play, the supplemental sections by name), and an auction that ends with "*"
exactly when calls are missing. The record files are read straight from their own line
format (names; rounds; the auction; the score line; the four hands with "[..]" for a card
that led its trick and "(..)" for one never played; the score line after the board).
Exits 1 on the first board that does not agree, naming it.
"""
import glob
import os
import re
import sys

MANDATORY = ["Event", "Site", "Date", "Board", "West", "North", "East", "South", "Dealer",
             "Vulnerable", "Deal", "Scoring", "Declarer", "Contract", "Result"]
SEATS = "NESW"
RANKS = "23456789TJQKA"


class Mismatch(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Mismatch(what)


# ---- PBN ----

def read_string(text, at):
    """The string token starting at text[at] == '"'; returns (value, index after it)."""
    check(text[at] == '"', "string expected")
    value, at = [], at + 1
    while at < len(text):
        ch = text[at]
        if ch == "\\" and at + 1 < len(text) and text[at + 1] in '"\\':
            # Only a quote or a backslash is escaped; any other backslash stands for itself
            # (the column formats of tables, "Result\\2R", rely on that).
            value.append(text[at + 1])
            at += 2
        elif ch == '"':
            return "".join(value), at + 1
        else:
            check(ord(ch) >= 0x20, "control character in string")
            value.append(ch)
            at += 1
    raise Mismatch("unterminated string")


HEAD = [b"% PBN 2.1", b"% EXPORT", b"%Content-type: text/x-pbn; charset=ISO-8859-1"]
CALL = re.compile(r"Pass|XX?|[1-7](C|D|H|S|NT)")


def decode_file(raw):
    """The text of a .pbn file, after the checks that concern its bytes: the export head,
    CR LF line ends and ISO 8859-1 without the C1 range."""
    bare = raw.replace(b"\r\n", b"")
    check(b"\n" not in bare and b"\r" not in bare, "a line does not end with CR LF")
    lines = raw.split(b"\r\n")
    # A UTF-8 or code-page file can look right in an editor, so the exact head and the absence
    # of 0x80-0x9F (UTF-8 continuation bytes, cp1252 punctuation) are what give it away.
    for number, (want, got) in enumerate(zip(HEAD, lines), start=1):
        check(got == want, "line %d is %r, not %r" % (number, got, want))
    check(len(lines) > 4 and re.fullmatch(rb"%Creator: \S.*", lines[3]) is not None,
          "line 4 is not a '%Creator: ...' line")
    board = "before any board"
    for number, line in enumerate(lines, start=1):
        m = re.match(rb'\[Board "([^"]*)"\]', line)
        if m:
            board = "board " + m.group(1).decode("latin-1")
        bad = re.search(rb"[\x80-\x9f]", line)
        if bad:
            raise Mismatch("%s, line %d: byte 0x%02X is no ISO 8859-1 character"
                           % (board, number, bad.group(0)[0]))
    return raw.decode("latin-1")


def tokenize(text):
    """Games as lists of [tag, value, section tokens]."""
    games, game, section, comment = [], [], None, False
    for number, line in enumerate(text.split("\r\n"), start=1):
        where = "line %d: " % number
        if not comment:
            if line.startswith("%"):
                continue
            if line.strip() == "":
                if game:
                    games.append(game)
                game, section = [], None
                continue
        at = 0
        while at < len(line):
            ch = line[at]
            if comment:
                # Commentary may run over several lines; only its closing brace matters.
                end = line.find("}", at)
                if end < 0:
                    break
                comment, at = False, end + 1
            elif ch.isspace():
                at += 1
            elif ch == "[":
                m = re.match(r"\[([A-Za-z0-9_]+) ", line[at:])
                check(m is not None, where + "bad tag: " + line)
                try:
                    value, end = read_string(line, at + m.end())
                except Mismatch as e:
                    raise Mismatch(where + str(e))
                check(line[end:end + 1] == "]", where + "tag not closed: " + line)
                section = [m.group(1), value, []]
                game.append(section)
                at = end + 1
            elif ch == "{":
                comment, at = True, at + 1
            else:
                m = re.match(r"[^\s\[{]+", line[at:])
                check(section is not None, where + "data before any tag")
                section[2].append(m.group(0))
                at += m.end()
    check(not comment, "commentary not closed at the end of the file")
    if game:
        games.append(game)
    return games


def order_key(name, tokens):
    """Where export format puts a tag: the mandatory tags in their fixed order, the other
    plain tags by name, Auction, Play, then the supplemental sections by name."""
    if name in MANDATORY:
        return (0, MANDATORY.index(name))
    if name == "Auction":
        return (2, "")
    if name == "Play":
        return (3, "")
    if tokens or name.endswith("Table"):
        return (4, name)
    return (1, name)


def check_tag_order(game):
    names = [name for name, _, _ in game]
    for name in names:
        check(names.count(name) == 1, "tag %s occurs %d times" % (name, names.count(name)))
    keys = [order_key(name, tokens) for name, _, tokens in game]
    for before, after, key_before, key_after in zip(names, names[1:], keys, keys[1:]):
        check(key_before < key_after, "tag %s comes after %s" % (after, before))
    missing = [name for name in MANDATORY if name not in names]
    check(not missing, "mandatory tags missing: " + " ".join(missing))
    for name, _, tokens in game:
        check(name not in MANDATORY or not tokens,
              "tag %s is followed by data: %s" % (name, " ".join(tokens[:4])))


def auction_end(calls):
    """How many of the calls make a complete auction, or None while it is still open."""
    for n in range(4, len(calls) + 1):
        # The first three passes in a row that leave four calls made close it: after a bid,
        # double or redouble, or, four calls in, after an opening pass (four passes).
        if calls[n - 3:n] == ["Pass"] * 3:
            return n
    return None


def check_auction(tokens):
    """The auction section: legal call tokens, and "*" exactly when calls are missing."""
    starred = tokens[-1:] == ["*"]
    calls = tokens[:-1] if starred else tokens
    for call in calls:
        check(CALL.fullmatch(call), "auction token %r" % call)
    end = auction_end(calls)
    check(end is None or end == len(calls),
          "calls after the auction has ended: " + " ".join(calls[end or 0:]))
    check(not (end and starred), "'*' after a complete auction")
    check(end or starred, "incomplete auction not ended by '*': " + " ".join(calls))


def check_game(game):
    check_tag_order(game)
    for name, _, tokens in game:
        if name == "Auction":
            check_auction(tokens)


def parse_games(raw):
    """The games of a .pbn file, each checked against export format."""
    games = tokenize(decode_file(raw))
    for number, game in enumerate(games, start=1):
        try:
            check_game(game)
        except Mismatch as e:
            board = [value for name, value, _ in game if name == "Board"]
            raise Mismatch("board %s: %s" % (board[0] if board else "#%d" % number, e))
    return games


def pbn_hand(text):
    if text == "-":
        return None
    suits = text.split(".")
    check(len(suits) == 4, "hand without four suits: " + text)
    cards = set()
    for suit, ranks in zip("SHDC", suits):
        check(list(ranks) == sorted(ranks, key=RANKS.index, reverse=True), "ranks out of order")
        cards |= {suit + r for r in ranks}
    check(len(cards) == 13, "hand of %d cards" % len(cards))
    return cards


# ---- record files ----

def read_record(path, encoding):
    with open(path, "rb") as f:
        lines = f.read().decode(encoding, "replace").split("\r\n")
    names = [n.strip() for n in lines[0].split(",")]
    rounds = int(lines[1])
    calls = []
    for line in lines[2:2 + rounds]:
        cells = [c.strip() for c in line.split(",")]
        calls.append((cells + ["", "", "", ""])[:4])
    hands = []
    for line in lines[3 + rounds:7 + rounds]:
        hands.append(re.findall(r"[\[( ]?([2-9TJQKA][CDHS])[\]) ]?", line))
    marks = []
    for line in lines[3 + rounds:7 + rounds]:
        marks.append([1 if t.startswith("[") else 2 if t.startswith("(") else 0
                      for t in line.split()])
    vul = lines[2 + rounds].split()
    return {"names": names, "calls": calls, "hands": hands, "marks": marks,
            "vul": vul[:2] if vul[:1] and vul[0] in ("Vul", "NonVul") else None}


def record_call(call):
    return "Pass" if ("Pas" in call or call == "パス") else call


def pbn_name(name):
    """A record's player name as an ISO 8859-1 tag value: one "?" for each character that
    has no ISO 8859-1 form and for each C1 control; "?" for no name at all."""
    return "".join("?" if ord(c) > 0xFF or 0x80 <= ord(c) <= 0x9F else c for c in name) or "?"


def pbn_card(card):
    return card[1] + card[0]


# ---- comparison ----

def compare(game, record, board, double_dummy):
    tags = {name: value for name, value, _ in game}
    data = {name: tokens for name, _, tokens in game}
    names_in_order = [name for name, _, _ in game]
    check(names_in_order[:len(MANDATORY)] == MANDATORY, "mandatory tags missing or out of order")
    check(tags["Board"] == str(board), "board number %s" % tags["Board"])
    check(re.fullmatch(r"\d{4}\.\d\d\.\d\d", tags["Date"]), "date " + tags["Date"])
    for seat, name in zip("NESW", record["names"]):
        full = {"N": "North", "E": "East", "S": "South", "W": "West"}[seat]
        check(tags[full] == pbn_name(name),
              "%s is %r, record %r" % (full, tags[full], name))
    # The deal: every hand equal to the record's cards.
    first, hands = tags["Deal"].split(":")
    hands = hands.split(" ")
    for i, text in enumerate(hands):
        seat = (SEATS.index(first) + i) % 4
        got = pbn_hand(text)
        want = {pbn_card(c) for c in record["hands"][seat]}
        if got is None:
            check(len(want) != 13, "hand %s left out though the record has it" % SEATS[seat])
        else:
            check(got == want, "hand %s differs" % SEATS[seat])
    # The auction: the record's calls from the dealer on.
    flat = [record_call(c) for row in record["calls"] for c in row]
    while flat and flat[0] == "":
        flat.pop(0)
    while flat and flat[-1] == "":
        flat.pop()
    if "Auction" in tags:
        check(tags["Auction"] == tags["Dealer"], "auction does not start with the dealer")
        calls = [t for t in data["Auction"] if t != "*"]
        check(calls == flat[:len(calls)], "auction differs: %s / %s" % (calls, flat))
    # The play: trick by trick from the opening leader.
    if "Play" in tags:
        leader = SEATS.index(tags["Play"])
        check(leader == (SEATS.index(tags["Declarer"]) + 1) % 4, "leader is not declarer's LHO")
        tokens = data["Play"]
        claimed = tokens[-1] == "*"
        cards = tokens[:-1] if claimed else tokens
        check(len(cards) % 4 == 0, "trick not of four places")
        for t in range(len(cards) // 4):
            for i in range(4):
                seat = (leader + i) % 4
                played = record["marks"][seat][t] != 2
                want = pbn_card(record["hands"][seat][t]) if played else "-"
                check(cards[4 * t + i] == want, "trick %d seat %s" % (t + 1, SEATS[seat]))
        unplayed = any(2 in m for m in record["marks"])
        check(claimed == (unplayed or len(cards) < 52), "claim marker wrong")
    if tags["Contract"] not in ("?", "Pass"):
        check(re.fullmatch(r"[1-7](C|D|H|S|NT)(X|XX)?", tags["Contract"]), "contract")
        check(re.fullmatch(r"\d+|\?", tags["Result"]), "result " + tags["Result"])
    check(re.fullmatch(r"NS -?\d+|\?", tags["Score"]), "score " + tags["Score"])
    if double_dummy and "OptimumResultTable" in tags:
        check(tags["OptimumResultTable"] == "Declarer;Denomination\\2R;Result\\2R",
              "table header")
        rows = data["OptimumResultTable"]
        check(len(rows) == 60, "table of %d tokens" % len(rows))
        for k in range(20):
            seat, strain, tricks = rows[3 * k:3 * k + 3]
            check(seat in SEATS and strain in ("NT", "S", "H", "D", "C"), "table row")
            check(0 <= int(tricks) <= 13, "tricks out of range")
        check(re.fullmatch(r"NS -?\d+|\?", tags["OptimumScore"]), "optimum score")
        check(re.fullmatch(r"(Pass|\?|(NS|EW|[NESW]) [1-7](C|D|H|S|NT)X?([+-]\d+)?"
                           r"(, (NS|EW|[NESW]) [1-7](C|D|H|S|NT)X?([+-]\d+)?)*)",
                           tags["ParContract"]), "par contract " + tags["ParContract"])
        return True
    return False


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    output, work = argv[1], argv[2]
    double_dummy = "--double-dummy" in argv
    encoding = "cp1252"
    for arg in argv[3:]:
        if arg.startswith("--records="):
            encoding = arg.split("=", 1)[1]
    files = sorted(glob.glob(os.path.join(output, "*.pbn")))
    check(files, "no .pbn files in " + output)
    boards = analysed = 0
    for path in files:
        day = os.path.basename(path)[5:10]
        records = sorted(glob.glob(os.path.join(work, day + "_*.brg")))
        with open(path, "rb") as f:
            try:
                games = parse_games(f.read())
            except Mismatch as e:
                raise Mismatch("%s: %s" % (path, e))
        check(len(games) == len(records),
              "%s: %d games for %d records" % (path, len(games), len(records)))
        for board, (game, record) in enumerate(zip(games, records), start=1):
            try:
                analysed += compare(game, read_record(record, encoding), board, double_dummy)
            except Mismatch as e:
                raise Mismatch("%s board %d (%s): %s" % (path, board, record, e))
            boards += 1
    if double_dummy:
        check(analysed > 0, "no board carries a double-dummy table")
    print("read_pbn: %d files, %d boards agree with their records (%d with double dummy)"
          % (len(files), boards, analysed))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except Mismatch as e:
        print("read_pbn: " + str(e))
        sys.exit(1)
