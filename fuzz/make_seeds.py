#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (fuzz/corpus/<target>/) from the library's
documented examples. Each seed is laid out as its target reads it: parameter bytes, then text
fields separated by NUL bytes (see the comment at the top of each target)."""
import hashlib
import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")

# A language file with the words of the documented examples, each translated into itself in
# angle brackets, a marker, an empty value, quotes, a "%" translation and a double-byte value.
LANGUAGE = (b"[Lngpara]\r\nDeleteSpace=1\r\nIsAlpha=0\r\n\r\n[ProgramOutStr]\r\n"
            b"Open=Ouvrir\r\nExit=Quitter\r\nFile=Fichier\r\nSave=Sauvegarder\r\nAs=sous\r\n"
            b"Print=Imprimer\r\nFind=Chercher\r\nOpen file=Ouvrir le fichier\r\nfailed=<failed>\r\n"
            b"Total=<Total>\r\nitems=<items>\r\nCall=<Call>\r\nnow=<now>\r\nOpen(#2)=<Open2>\r\n"
            b"Price$=<Price$>\r\nWord_G=<Word_G>\r\nNothing=/NoSpecifyThisWord/\r\nEmpty=\r\n"
            b"Quoted=\"  spaced  \"\r\nPercent=%s and %d%%\r\nStar=%*d %n\r\nError=Erreur\r\n"
            b"files found=fichiers trouves\r\ndisk=disque\r\nOK=\xa6\x6e\r\n"
            b"2 files=two files\r\nopen=Open\r\nNO=/nospecifythisword/\r\nWide=%999999999s|%.999999999s\r\n")
ENGLISH_RULES = b"[ProgramOutStr]\nopen=Open\nOpen=open\n2 files=two files\n"

PHRASES = [b"Open file failed", b"{Open file} failed.", b"Total: 5 items", b"Call $John$ now",
           b"Use {{x}} and }}", b"Hello{World}", b"a{b c}d", b"Open(#2) the door", b"$$100", b"Price$",
           b"$unclosed text", b"{unclosed group", b"OK\xa4\xa4\xa4\xe5done", b"OK \xa4\xa4\xa4\xe5 done",
           b"A\xa4\x41x", b"Word_{G}", b"{x{y}z}", b"{x}}y}", b"{a}$b", b"Word(#2)Next", b"a (#2) b",
           b"end (#3)", b"x  y", b"a   b", b"50% done", b"\xa4" * 300 + b"x"]
KEYS = [b"Open(#2)", b"Open (#12)", b"(#3)", b"Save(#1)(#2)", b"Item(#1a)", b"A(#)", b"Total #5", b"Cancel",
        b"Nothing", b"NO", b"Empty", b"open", b"2 files", b"Quoted", b"  Open  "]
CAPTIONS = [b"&Open...\tCtrl+O", b"E&xit", b"Save &As ...", b"&File", b"File(&F)", b"Print\tCtrl+P",
            b"Find... next", b"...", b"A&B (&C)", b"&&Open", b"Open&", b"Tom & Jerry", b"&x", b"&1",
            b"Open\tCtrl+O...", b"&\xa4\xa4 menu", b"x" * 300 + b"&Y"]
TEMPLATES = [(b"$%%s$ failed", b"disk"), (b"$%%lu$ {files found}", b""), (b"Open %%s", b"file"),
             (b"%%d items", b""), (b"{%%s}", b"Percent"), (b"%s %n %*d", b"%s%s"), (b"100%% %%s", b"Star"), (b"Wide", b"x"),
             (b"%%0999999999lu %%-999999999s", b"")]
PROFILES = [
    (b"S", b"k", b"def", b"\xef\xbb\xbf[S]\r\nk = value \r\n"),
    (b"s", b"K", b"", b"[S]\nk=ab\0cd\nkey\0=hidden\n[Sec\0tion]\nafter=1\n"),
    (b"T]", b"t", b"x  ", b"[\n]\n=\n==\n[]\n=empty key\n[ \t ]\nx=blank name\n[S\nk=v\n[T]]\nt=1\n"),
    (b"Q", b"a", b"", b"[Q]\na=\"quoted\"\nb='x'\nc=\"\nd=\"'\n;comment=1\nnovalue\n"),
    (b"A", b"dup", b"", b"[A]\ndup=1\nDUP=2\n[a]\ndup=3\n"),
]
CHINESE = [b"\xa4\xa4\xa4\xe5", b"\xb9\xfa\xc3\xc7", b"\xb0\xea", b"\xa1\xa2\xa1\xa1\xa1\xb0\xa1\xb1",
           b"\xa1\x7f\xa3\xc0", b"  abc\r\n", b"abc\r\n\r\n", b"a\n", b"\n\n\n", b"x\ty\nz\r\nw",
           b"\xa9\x6f\xa4\xa4", b"\xc6\xa1", b"\xa4\xa4\xc6\xa1", b"\xa4\xa4\xa4\xa4\xa4\xa4\xc6\xa1",
           b"\xfa\x40\xfe\xfe\xff\xff\xaa\xa1", b"ab\xa4", b"\xa4" + b"1"]


def write(target, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    name = hashlib.sha1(data).hexdigest()[:16]
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def fields(*parts):
    return b"\0".join(parts)


def main():
    for flags in (0, 1, 2, 3, 8, 10):
        for text in PHRASES:
            write("phrase_translator", bytes([flags, 0x04, 0x00, 0]) + fields(text, LANGUAGE))
    for flags in (0, 1, 4, 5):
        for key in KEYS:
            write("key_lookup", bytes([flags, 0x00, 0x14, 0]) + fields(key, b"ProgramOutStr", LANGUAGE))
            write("key_lookup", bytes([flags | 4, 0x00, 0x03, 0]) + fields(key, b"", ENGLISH_RULES))
    for flags in (0, 4, 6, 7, 12):
        for caption in CAPTIONS:
            write("caption_translator", bytes([flags, 0x00, 0x40, 0]) + fields(caption, LANGUAGE))
    for flags in (0, 2, 4, 6):
        for template, argument in TEMPLATES:
            write("format_string", bytes([flags, 0x00, 0x80, 0, 0, 0, 3, 0]) + fields(template, argument, LANGUAGE))
    for flags in (0x90, 0x80, 4, 8, 12):
        for text in PHRASES[:8]:
            write("log_relay", bytes([flags, 0x01, 0x02, 0x03]) + fields(b"%s: %s%%", text, b"Database", b"", b"", LANGUAGE))
    for section, key, default, body in PROFILES:
        for mode in (0, 1, 2, 3):
            write("profile_reader", bytes([mode, 0x00, 0x10, 0]) + fields(section, key, default, body))
    for text in CHINESE:
        for system in range(6):
            write("gb_big5_convert", bytes([0, system, 2, 0]) + text)
            write("code_type", bytes([system, 2, 0x80, 0]) + text)
        for direction in (1, 2, 7):
            write("gb_big5_convert", bytes([direction, 2, 2, 0]) + text)
        write("window_text", bytes([2, 2, 5, 0]) + fields(b" " + text + b"\r\n", text))
        write("window_text", bytes([1, 2, 0, 1]) + fields(text, b"changed"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
