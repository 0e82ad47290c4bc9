#!/usr/bin/env python3
"""A second PBN 2.1 reader, written apart from the utility's writer, that reads the .pbn
files of an output folder back and compares every board with the record file it came from.

    read_pbn.py OUTPUT_FOLDER WORK_FOLDER [--double-dummy] [--records=cp932]

The reader follows PBN's grammar: "%" lines escape to the application, tags are
[Name "string"] with \\" and \\\\ escaped in the string (other backslashes literal), a section's data follows its tag up to
the next tag, "{...}" is commentary and an empty line ends a game. The record files are
read straight from their own line format (names; rounds; the auction; the score line; the four
hands with "[..]" for a card that led its trick and "(..)" for one never played; the score
line after the board). Exits 1 on the first board that does not agree, naming it.
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


def parse_games(raw):
    """Games as lists of (tag, value, section tokens)."""
    check(raw.startswith(b"% PBN 2.1\r\n"), "first line is not '% PBN 2.1'")
    check(b"\n" not in raw.replace(b"\r\n", b""), "a line does not end with CR LF")
    head = raw.split(b"\r\n", 4)
    charset = re.search(rb"charset=([A-Za-z0-9-]+)", b"\n".join(head[:4]))
    check(charset is not None, "no content-type line")
    encoding = {"ISO-8859-1": "latin-1", "UTF-8": "utf-8"}[charset.group(1).decode()]
    text = raw.decode(encoding)
    games, game, section = [], [], None
    for line in text.split("\r\n"):
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
            if ch.isspace():
                at += 1
            elif ch == "[":
                m = re.match(r"\[([A-Za-z0-9_]+) ", line[at:])
                check(m is not None, "bad tag: " + line)
                value, end = read_string(line, at + m.end())
                check(line[end:end + 1] == "]", "tag not closed: " + line)
                section = [m.group(1), value, []]
                game.append(section)
                at = end + 1
            elif ch == "{":
                end = line.find("}", at)
                check(end >= 0, "commentary not closed")
                at = end + 1
            else:
                m = re.match(r"[^\s\[{]+", line[at:])
                check(section is not None, "data before any tag")
                section[2].append(m.group(0))
                at += m.end()
    if game:
        games.append(game)
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
        check(tags[full] == (name or "?"), "%s is %r, record %r" % (full, tags[full], name))
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
        check(("*" in data["Auction"]) == (len(calls) < len(flat) or not finished(calls)),
              "auction end marker wrong")
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


def finished(calls):
    n = len(calls)
    return n >= 4 and calls[-3:] == ["Pass"] * 3 and (n > 4 or calls[0] == "Pass")


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
            games = parse_games(f.read())
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
