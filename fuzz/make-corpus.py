#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets from the sample catalog.

usage: make-corpus.py BUILT_DATA_DIR   (the Data/ folder that `corvane-catalog-tool build` made)

Seeds follow each target's input layout loosely: FuzzedDataProvider takes strings from the front
(a backslash and another character end a string) and integers from the back.
"""
import pathlib
import shutil
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent
SRC = HERE.parent / "catalog-src"
SIZES = [162, 162, 151, 179, 238, 194]
END = b"\\x"  # ends a FuzzedDataProvider string


def main():
    built = pathlib.Path(sys.argv[1])
    corpus = HERE / "corpus"
    shutil.rmtree(corpus, ignore_errors=True)

    def seed(target, name, data):
        folder = corpus / target
        folder.mkdir(parents=True, exist_ok=True)
        (folder / name).write_bytes(data)

    lists = SRC / "Data"
    for tab in range(6):
        table = (built / f"t0{tab}dr.dat").read_bytes()
        size = SIZES[tab]
        few = table[: 3 * size]
        seed("fuzz_load_table", f"section{tab}", bytes([tab]) + few)
        seed("fuzz_load_table", f"section{tab}-truncated", bytes([tab]) + few[: 2 * size + 7])
        if tab < 5:
            files = [(lists / f"t{tab}{k}.lst").read_bytes() for k in ("br", "ca", "bu", "us")]
            files.append((lists / "t4pm.lst").read_bytes())
        else:
            files = [(lists / "t5pt.lst").read_bytes()]
        front = b"".join(f.replace(b"\\", b"\\\\") + END for f in files)
        seed("fuzz_name_lists", f"section{tab}",
             front + bytes(8) + few + struct.pack("<ii", 2, 1) + bytes([tab]))
        panel = b"0" + END + b"59" + END + b"10" + END + b"100" + END
        seed("fuzz_grid_data", f"section{tab}",
             panel + b"NameNameNameName" + END + few + bytes([0, 100, 0, 1, tab]))
    # The broken records the hostile catalog tests use, one seed per family and damage.
    for path in sorted((HERE.parent / "tests" / "data" / "broken-tables").glob("t0?dr-*.dat")):
        seed("fuzz_load_table", path.stem, bytes([int(path.name[2])]) + path.read_bytes())
    seed("fuzz_shot_size_index", "sample", (lists / "t4indx.lst").read_bytes())
    seed("fuzz_shot_size_index", "odd", b" 7 \r\nx\r\n-3\n99\r\r\n2147483648\x0023")
    ini = (SRC / "ProductInfo" / "descriptions.ini").read_bytes()
    seed("fuzz_descriptions", "sample", b"Corvane Harrowline" + END + ini)
    seed("fuzz_descriptions", "shot", b"1 1/8 oz - 7 1/2" + END + ini)
    seed("fuzz_descriptions", "small",
         b"Key" + END + b"[Brand 0]\r\nKEY=a=b\r\nnoequals\r\n=x\r\n[box 0]\r\nkey = y\r\n")
    seed("fuzz_settings", "empty", b"")
    seed("fuzz_my_loads", "two-loads", (HERE.parent / "tests" / "data" / "my-loads.json").read_bytes())
    seed("fuzz_settings", "some", bytes(range(64)))
    # Engine: the rifle example of the documentation, as raw doubles, and a panel seed.
    doubles = [300.0, 0.4, 3000.0, 150.0, 0.0, 59.0, 10.0, 200.0, 1.5]
    raw = b"".join(b"\x01" + struct.pack("<d", d) for d in doubles)
    seed("fuzz_engine", "rifle", raw + struct.pack("<i", 5) + b"\x01")
    seed("fuzz_engine", "panel",
         b"0" + END + b"59" + END + b"10" + END + b"100" + END + b"500" + END + b"200" + END
         + struct.pack("<iidd", 3000, 150, 0.4, 0.0) + b"\x00")
    # Precision model: the options of a G7 load with every effect, as texts.
    words = ("--drag G7 --bc 0.3 --mv 2800 --weight 175 --sight-height 1.5 --zero 100 --increment 100 "
             "--range 1000 --twist 10 --diameter 0.308 --length 1.24 --latitude 45 --wind 10").split()
    seed("fuzz_precision", "options", b"".join(w.encode() + END for w in words) + b"\x01")


if __name__ == "__main__":
    main()
