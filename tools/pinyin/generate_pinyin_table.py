#!/usr/bin/env python3
"""Writes src/numerology/pinyin_table.cpp: the syllable list and the GBK index
table of HanziToPinyin.

Sources (both Debian packages, read at development time only; the build does
not need them):
  * golang-github-mozillazg-go-pinyin-dev 0.19.0+ds.1-1 (MIT licence,
    copyright 2016 mozillazg), file pinyin_dict.go: code point -> readings,
    the most common reading first. Main source.
  * unicode-data 15.0.0-1 (Unicode licence), Unihan_Readings.txt.bz2, field
    kMandarin: used only for code points the first source lacks.

Rules:
  * Every GBK double-byte code (lead 0x81..0xFE, trail 0x40..0xFE) is decoded
    with glibc iconv, the decoder the program itself uses. Codes that do not
    decode, and characters that are not hanzi (plus U+3007), get slot 0.
  * A compatibility ideograph is looked up under its canonical equivalent.
  * Tones are removed and u-umlaut is written v (lv, nve); ju/qu/xu keep u, as
    pinyin spells them, so the slots jv, qv, xv stay unused.
  * The reading used is the first one whose syllable has a slot. Where no
    reading has one, the rare syllable takes the slot named in FALLBACK (same
    initial letter, nearest sound), so initials stay right.
  * A character with no reading in either source (a few unit characters such
    as U+5159 and the unnamed compatibility ideographs of row 0xFE) gets 0.

Slots: 1..393 and 395..400 hold the syllables in alphabetical order, slot 394
is reserved and empty, and 401..405 hold jv, qv, xv, lv, nv.

Run:  python3 tools/pinyin/generate_pinyin_table.py > src/numerology/pinyin_table.cpp
"""
import bz2
import ctypes
import ctypes.util
import re
import sys
import unicodedata

GO_DICT = "/usr/share/gocode/src/github.com/mozillazg/go-pinyin/pinyin_dict.go"
UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"

# Syllables that occur in the sources but have no slot of their own.
FALLBACK = {
    "m": "mu", "hm": "hen", "n": "nen", "ng": "nen", "lo": "luo", "rua": "ruo",
    "fiao": "fu", "eng": "en", "nun": "nen", "den": "deng",
}
TAIL = ["jv", "qv", "xv", "lv", "nv"]
RESERVED_SLOT = 394
SLOT_COUNT = 405


def toneless(reading):
    text = unicodedata.normalize("NFD", reading.strip().lower())
    text = text.replace("u\u0308", "v")
    return "".join(c for c in text if unicodedata.category(c) != "Mn")


def load_go_dict():
    readings = {}
    pattern = re.compile(r'\s*0x([0-9A-Fa-f]+): "([^"]*)"')
    with open(GO_DICT, encoding="utf-8") as f:
        for line in f:
            m = pattern.match(line)
            if m:
                readings[int(m.group(1), 16)] = m.group(2).split(",")
    return readings


def load_unihan():
    readings = {}
    with bz2.open(UNIHAN, "rt", encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] == "kMandarin":
                readings[int(parts[0][2:], 16)] = parts[2].split()
    return readings


class GbkDecoder:
    def __init__(self):
        libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        libc.iconv_open.restype = ctypes.c_void_p
        libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        libc.iconv.restype = ctypes.c_size_t
        pp = ctypes.POINTER(ctypes.c_char_p)
        sp = ctypes.POINTER(ctypes.c_size_t)
        libc.iconv.argtypes = [ctypes.c_void_p, pp, sp, pp, sp]
        self.libc = libc
        self.cd = libc.iconv_open(b"UTF-8", b"GBK")

    def decode(self, raw):
        self.libc.iconv(self.cd, None, None, None, None)
        inbuf = ctypes.create_string_buffer(raw, len(raw))
        outbuf = ctypes.create_string_buffer(16)
        inp = ctypes.c_char_p(ctypes.addressof(inbuf))
        outp = ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft = ctypes.c_size_t(len(raw))
        outleft = ctypes.c_size_t(16)
        r = self.libc.iconv(self.cd, ctypes.byref(inp), ctypes.byref(inleft),
                            ctypes.byref(outp), ctypes.byref(outleft))
        if r == ctypes.c_size_t(-1).value or inleft.value:
            return None
        return outbuf.raw[:16 - outleft.value].decode("utf-8")


def is_hanzi(ch):
    return ch == "\u3007" or "CJK" in unicodedata.name(ch, "") and "IDEOGRAPH" in unicodedata.name(ch, "")


def main():
    go = load_go_dict()
    unihan = load_unihan()
    decoder = GbkDecoder()

    codes = []  # (index, readings or None)
    used = set()
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            index = (lead - 0x81) * 191 + (trail - 0x40)
            ch = decoder.decode(bytes([lead, trail]))
            if ch is None or len(ch) != 1 or not is_hanzi(ch):
                continue
            cp = ord(ch)
            base = ord(unicodedata.normalize("NFD", ch)[0])
            readings = go.get(cp) or go.get(base) or unihan.get(cp) or unihan.get(base)
            syllables = [toneless(r) for r in readings] if readings else None
            codes.append((index, syllables))
            if syllables:
                used.add(syllables[0])

    main_block = sorted(s for s in used if s not in FALLBACK and s not in TAIL)
    if len(main_block) != SLOT_COUNT - len(TAIL) - 1:
        sys.exit(f"expected {SLOT_COUNT - len(TAIL) - 1} syllables, found {len(main_block)}: adjust FALLBACK")
    slots = [""] + main_block[:RESERVED_SLOT - 1] + [""] + main_block[RESERVED_SLOT - 1:] + TAIL
    assert len(slots) == SLOT_COUNT + 1 and slots[RESERVED_SLOT] == ""
    slot_of = {s: i for i, s in enumerate(slots) if s}

    table = [0] * (126 * 191)
    hanzi = covered = 0
    for index, syllables in codes:
        hanzi += 1
        if not syllables:
            continue
        slot = next((slot_of[s] for s in syllables if s in slot_of), 0)
        if not slot:
            slot = slot_of[FALLBACK[syllables[0]]]
        table[index] = slot
        covered += 1

    out = sys.stdout
    out.write("// Generated by tools/pinyin/generate_pinyin_table.py; do not edit by hand.\n")
    out.write(f"// GBK hanzi: {hanzi}; with a syllable: {covered}.\n")
    out.write('#include "numerology/pinyin_table.h"\n\nnamespace qk::numerology {\n\n')
    out.write("const std::array<std::string_view, kSyllableSlots> kPinyinSyllables = {\n")
    for i in range(0, len(slots), 10):
        out.write("    " + " ".join(f'"{s}",' for s in slots[i:i + 10]) + "\n")
    out.write("};\n\n")
    out.write("const std::array<std::uint16_t, kGbkIndexSize> kGbkPinyinIndex = {\n")
    for i in range(0, len(table), 191):
        row = table[i:i + 191]
        out.write(f"    // lead 0x{0x81 + i // 191:02X}\n")
        for j in range(0, len(row), 16):
            out.write("    " + ",".join(str(v) for v in row[j:j + 16]) + ",\n")
    out.write("};\n\n}  // namespace qk::numerology\n")
    print(f"GBK hanzi: {hanzi}, with a syllable: {covered}", file=sys.stderr)


if __name__ == "__main__":
    main()
