#!/usr/bin/env python3
"""Writes the seed inputs of tests/fuzz/corpus/*/seed-* from the sample DUZEDO of a build folder.

Usage: scripts/fuzz-seeds.py [BUILD_DIR]   (default build/; needs the sample, duzedo and the
Access reader built there). Names, dates and numbers come from the sample; the queries are ones
the program sends; the settings and cache files are laid out as the program writes them; the
stream seeds are the Access reader's own output on the sample, cut to a few rows per table.
"""
import json
import sqlite3
import struct
import subprocess
import sys
from pathlib import Path

root = Path(__file__).resolve().parent.parent
build = Path(sys.argv[1] if len(sys.argv) > 1 else root / "build").resolve()
corpus = root / "tests/fuzz/corpus"
db = sqlite3.connect(build / "sample/duzedo.sqlite")


def write(target, name, data):
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / f"seed-{name}").write_bytes(data if isinstance(data, bytes) else data.encode())


players = [r[0] for r in db.execute("select distinct player from tables order by player")]
accented = [p for p in players if not p.isascii()][:3]
plain = [p for p in players if p.isascii()][:3]
tournaments = [r[0] for r in db.execute("select tournament from [tournament players] limit 4")]

# Texts: three NUL-separated texts, compared and matched as LIKE patterns.
for i, (a, b) in enumerate(zip(accented + plain, plain + accented)):
    write("JetText", f"names{i}", f"{a}\0{b.upper()}\0{a.lower()}  ")
write("JetText", "like", f"{tournaments[0]}\0%{tournaments[0][2:6]}_%\0{tournaments[1]}")
write("JetText", "stars", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab\0" + "%a" * 20 + "%b\0")

# Values: 8 bytes of a day number (also read as currency and as a whole number), 17 bytes of a
# Decimal, its scale, then a number as text (whose bytes also make a display pattern).
dates = [r[0] for r in db.execute("select [date] from [tournament players] limit 3")]
for i, (days, text) in enumerate([(36904.0, "2"), (37759.885, "46.07"), (-1.25, " 3.19 "),
                                  (2958465.99999, "-0.0"), (-657434.0, "1e3")]):
    decimal = bytes([0x80 if days < 0 else 0]) + struct.pack(">4I", 0, 0, 0, 6888)
    write("Values", f"day{i}", struct.pack("<d", days) + decimal + bytes([i * 2]) + text.encode())
write("Values", "dates", b"\0" * 26 + "|".join(dates).encode())

# Stream: the reader's frames on the sample, per table the header, two rows and the end.
stream = subprocess.run([build / "bin/vpa_mdbreader", build / "sample/duzedo.mdb"],
                        check=True, capture_output=True).stdout
frames, at = [], 0
while at < len(stream):
    (length,) = struct.unpack_from("<I", stream, at)
    frames.append(stream[at:at + 4 + length])
    at += 4 + length
table, rows = b"", []
for frame in frames:
    kind = frame[4]
    if kind == 1:
        table, rows = frame, []
    elif kind == 2 and len(rows) < 2:
        rows.append(frame)
    elif kind == 3:
        name = table[7:7 + struct.unpack_from("<H", table, 5)[0]].decode().replace(" ", "_")
        write("AccessStream", name, bytes([len(rows) * 7]) + table + b"".join(rows) + frame
              + frames[-1])
write("AccessStream", "failure", b"\x03" + struct.pack("<IBH", 10, 5, 7) + b"damaged")

# Settings as the program writes them: path, four options and the runs, then the signature.
def settings(path, runs):
    numbers = [" 1 ", " 20 ", " 1 ", f" {runs} ", " 1 "]
    signature = "0.918/5/2003" + "18/05/2003 21:14:05" + path
    return "\r\n".join([path] + numbers + [signature]) + "\r\n"


write("Settings", "beside", settings("", 3))
write("Settings", "path", settings("/home/player/vpa/duzedo.mdb", 12))
write("Settings", "cp1252", settings("/home/Ñandú/duzedo.mdb", -2).encode("cp1252"))

# The misc cache as the program writes it: the general figures, then the record holders.
report = json.loads(subprocess.run([build / "bin/duzedo", "report", "misc",
                                    build / "sample/duzedo.sqlite"],
                                   check=True, capture_output=True, text=True).stdout)
lines = [row[1] for row in report["grdMisc_0"]] + [row[1] for row in report["grdMisc_3"]]
write("MiscCache", "sample", "".join(line + "\r\n" for line in lines))
write("MiscCache", "cp1252", "".join(line + "\r\n" for line in lines).encode("cp1252"))
write("MiscCache", "unheld", "".join(line + "\r\n" for line in lines[:7] + [""] * 22))

# Grids: the line-end choice, then cells ended by byte 1 and rows by byte 2.
grid = [row for row in report["grdMisc_1"][:4]] + [["O'Neil, S", '"Ñandú"', " x ", "a\tb\r\nc"]]
write("GridTexts", "misc", "\0" + "\2".join("\1".join(row) for row in grid))
write("GridTexts", "crlf", "\1" + "\2".join("\1".join(row) for row in report["grdMisc_3"][:5]))

# Queries the program sends, with the sample's names in them.
queries = [
    "SELECT TOP 20 [TEAM A], [TEAM B], A, B, A-B as expr, TOURNAMENT FROM scores ORDER BY "
    "abs(A-B) DESC, A DESC",
    "select distinct country from rankings",
    f"select distinct [TEAM A]  from scores where tournament='{tournaments[0]}'",
    "select player, count(*), sum(iif(p=1,1,0)) from tables group by player",
    f"select count(*) from scores where ([TEAM A]='{plain[0]}' or [TEAM B]='{plain[0]}')",
    f"select * from scores where tournament like '{tournaments[1][:5]}%';",
    "select [date],country from [tournament players] order by chrono",
]
for i, query in enumerate(queries):
    write("AccessSql", f"query{i}", query)
