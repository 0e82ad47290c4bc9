"""The game client's font and card faces as column patterns, and a tiny independent reader
used only to check that the drawn words read back as intended.

Column code: one 12-bit number per pixel column of a 12-row text band; row 0 (the band's
top) is bit 11, row 11 is bit 0. A card image is 9 codes of 8 bits, code 1 the bottom row.
"""

FONT_LINES = [
    "0 3F84044044043F8", "1 1002007FC", "2 20440C414464384", "3 2084044444443B8",
    "4 0300D03107FC010", "5 1C8684484484478", "6 3F8444484484278", "7 40041C4E0500600",
    "8 3B84444444443B8", "9 3C84244244443F8", "~ 020040040020020040",
    "@ 07C18223924448448447C4C42053090F2", "A 00C0703A04203A007000C", "B 7FC4444444444443B8",
    "C 1F0208404404404208110", "D 7FC4044044044042081F0", "E 7FC444444444444444",
    "F 7FC440440440440400", "G 1F0208404404444248170", "H 7FC0400400400400407FC",
    "I 4047FC404", "J 0180040040047F8", "K 7FC0200400A0110208404", "L 7FC004004004004004",
    "M 7FC3000F000C0F03007FC", "N 7FC2001800400300087FC", "O 1F02084044044042081F0",
    "P 7FC440440440440380", "Q 1F02084044144142081F4", "R 7FC440440440460458384",
    "S 398444444444444338", "T 4004004007FC400400400", "U 7F00080040040040087F0",
    "V 6001C003000C0301C0600", "W 7000F000C07038040038007000C1F0600",
    "X 4043180A00401B0208404", "Y 40030008007C080300400", "Z 00440C434444584604404",
    "( 0F8306401", ") 4013060F8", "[ 7FF401", "] 4017FF", ".. 004000000004", "- 020020020000",
    "a 0981241241280FC", "&atilde; 0985249245288FC", "&aacute; 0981245249280FC",
    "a 4981241241280FC", "b 7FC0881041040F8", "d 0F81041040887FC", "d 4F81041040887FC",
    "q 0F81041040881FF", "c 0F8104104088", "&ccedil; 0F8106105088", "c 4F8104104088",
    "e 0F81241241240E8", "&egrave; 0F89245241240E8", "&eacute; 0F81245249240E8",
    "e 4F81241241240E8", "f 1003FC500400", "f 5003FC500400", "f 1003FC500", "f 5003FC500",
    "g 0F91051050891FE", "g 4F91051050891FE", "h 7FC0801001000FC", "i 5FC000", "j 0015FE000",
    "j 4015FE000", "k 7FC020060098104", "l 7FC000", "m 1FC0801001000FC0801001000FC",
    "m 5FC0801001000FC0801001000FC", "n 1FC0801001000FC", "n 5FC0801001000FC",
    "o 0F81041041040F8", "&oacute; 0F81045049040F8", "o 4F81041041040F8", "p 1FF0881041040F8",
    "p 5FF0881041040F8", "r 1FC080100", "r 5FC080100", "s 0C8124124124098",
    "s 4C8124124124098", "t 1007FC104", "t 5007FC104", "u 1F80040040081FC",
    "u 5F80040040081FC", "w 18007000C07018007000C070180", "w 58007000C07018007000C070180",
    "v 18007000C070180", "v 58007000C070180", "x 1040D80300C8104", "x 5040D80300C8104",
    "y 18007100E070180", "y 58007100E070180", "z 10411C1241C4104", "z 50411C1241C4104",
    "_ 001001001001001001001", "_ 401001001001001001001", ". 004000", ": 104000",
]

# The characters whose second template reads the letter under the hook of a preceding "f".
AFTER_F = set("acdefgjmnoprstuvwxyz_")


def _parse():
    plain, after_f, entity = {}, {}, {}
    table = []
    for line in FONT_LINES:
        name, pattern = line.split(" ", 1)
        cols = [int(pattern[i:i + 3], 16) for i in range(0, len(pattern) - len(pattern) % 3, 3)]
        is_entity = name.startswith("&")
        if is_entity:
            name = name[1:]
            entity.setdefault(name, cols)
        elif name == "f":
            after_f.setdefault(("f", len(cols)), []).append(cols)
        elif name in plain:
            after_f[name] = cols
        else:
            plain[name] = cols
        table.append((name, cols, is_entity))
    return plain, after_f, entity, table


PLAIN, AFTER, ENTITY, TABLE = _parse()
F4, F4_AFTER = AFTER[("f", 4)]
F3, F3_AFTER = AFTER[("f", 3)]

# An ink run that matches no template (reads "?").
BLOB = [0x7FE, 0x7FE, 0x7FE]


def word_columns(text):
    """Column codes of a text as the client draws it: glyphs one blank column apart, an "f"
    hooking into the next letter when that letter has a hooked form. "\x01" draws BLOB."""
    chars = list(text)
    cols = []
    prev_f = False
    for i, ch in enumerate(chars):
        nxt = chars[i + 1] if i + 1 < len(chars) else ""
        if ch == "\x01":
            glyph = list(BLOB)
        elif ch == "f":
            hook = nxt in AFTER_F
            if hook:
                glyph = list(F3_AFTER if prev_f else F3)
            else:
                glyph = list(F4_AFTER if prev_f else F4)
        elif prev_f and ch in AFTER:
            glyph = list(AFTER[ch])
        elif ch in PLAIN:
            glyph = list(PLAIN[ch])
        elif ch in ENTITY:
            glyph = list(ENTITY[ch])
        else:
            raise ValueError("no glyph for %r" % ch)
        hooked_into_next = ch == "f" and nxt in AFTER_F
        cols.extend(glyph)
        if not hooked_into_next and glyph[-1] != 0 and i + 1 < len(chars):
            cols.append(0)
        prev_f = ch == "f" and hooked_into_next
    return cols


def read_back(cols, lang):
    """Reads a run of column codes with the client's font (exact matching, earlier templates
    first), the way the program's matcher is meant to."""
    index = {}
    for name, tcols, is_entity in TABLE:
        if name == "~":
            continue
        if is_entity and lang in (1, 2):
            continue
        index.setdefault(tcols[0], []).append((name, tcols))
    out = ""
    pos = 0
    while pos < len(cols):
        key = cols[pos]
        if key == 0:
            pos += 1
            continue
        for name, tcols in index.get(key, []):
            if cols[pos:pos + len(tcols)] == tcols:
                out += name
                pos += len(tcols)
                break
        else:
            out += "?"
            while pos < len(cols) and cols[pos] != 0:
                pos += 1
    return out


def checked_columns(text, lang):
    cols = word_columns(text)
    want = text.replace("\x01", "?")
    got = read_back(cols + [0], lang)
    if got != want:
        raise AssertionError("drawn %r reads back as %r" % (text, got))
    return cols


def text_width(text):
    return len(word_columns(text))


# Card images: index in "123456789TJQKACDHS[]()" -> 9 codes, code 1 first (the bottom row).
CARD_IMAGES = {
    2: "0 0 0 7E 7E 21 10 8 C", 3: "0 0 0 3C 62 63 3 6 1C", 4: "0 0 0 F 6 6 7F 66 26",
    5: "0 0 0 7C E6 C3 3 47 7E", 6: "0 0 0 1C 36 63 63 73 6E", 7: "0 0 0 18 18 18 8 C 4",
    8: "0 0 0 1E 33 33 33 33 1E", 9: "0 0 0 3C 66 22 3 3F 63", 10: "0 0 0 E7 CD D8 D8 D8 D8",
    11: "0 0 0 3C 6E 66 6 6 6", 12: "0 0 7 C 3E 63 C1 C1 C1", 13: "0 0 0 F3 67 66 6C 78 70",
    14: "0 0 0 77 23 23 3F 1E 16", 15: "1C 8 EB FF EB 8 1C 3E 1C",
    16: "8 1C 3E 7F FF 7F 3E 1C 8", 17: "8 1C 3E 7F FF FF FF F7 63",
    18: "1C 8 6B FF FF 7F 3E 1C 8",
}
CARD_IMAGES = {k: [int(v, 16) for v in s.split()] for k, s in CARD_IMAGES.items()}


def card_block(suit, rank):
    """The 22 codes of one card face, suit symbol first (from its bottom row), then the rank."""
    return CARD_IMAGES[15 + suit] + CARD_IMAGES[rank] + [0, 0, 0, 0]
