#!/usr/bin/env python3
"""Writes the broken record files that tests/store/test_damaged_files.cpp reads.

Each file is named for its defect; run this script from anywhere to recreate them.
"""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def field(text, width):
    data = text.encode("cp1252") if isinstance(text, str) else text
    return data[:width].ljust(width, b" ")


def item(desc, qty="", cost="", size="", cat=0, isle="", yn="", selqty=""):
    rec = (field(desc, 50) + field(qty, 10) + field(cost, 10) + field(size, 50) +
           struct.pack("<i", cat) + field(isle, 50) + field(yn, 1) + field(selqty, 10) +
           field("", 50))
    assert len(rec) == 235
    return rec


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


# Two whole item records and the first 150 bytes of a third: 2.64 records round to 3; the
# third record's selected flag and everything after byte 150 are missing.
write("truncated_last_record.dat",
      item("Milk", "2", "1.29", "1 gal", 1, "05", "Y", "2") +
      item("Bread", "1", "2.49", "loaf", 2, "12", "Y", "1") +
      item("Eggs", "12", "0.25", "dozen", 1, "07", "Y", "12")[:150])

# Twenty records of noise, with the selected flag forced to "Y" in every other record.
rng = random.Random(20240607)
noise = bytearray(rng.getrandbits(8) for _ in range(20 * 235))
for i in range(0, 20, 2):
    noise[i * 235 + 174] = ord("Y")
write("random_bytes.dat", bytes(noise))
