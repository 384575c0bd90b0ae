#!/usr/bin/python3
"""Reads a standard ADI file with Debian's pyqso, a reader that looks for tags
instead of counting lengths, and fails unless it reads every field it knows
as a reader that counts lengths does: a value holding a tag's characters
would make it see fields and records that are not there.

usage: pyqso-check.py FILE.ADI
"""
import re
import sys

from pyqso.adif import ADIF, AVAILABLE_FIELD_NAMES_ORDERED, AVAILABLE_FIELD_NAMES_TYPES

TAG = re.compile(rb"<([^:>]+)(?::(\d+)(?::[^>]*)?)?>")
# pyqso keeps these in a case of its own.
LOWER = {"BAND"}
UPPER = {"CALL", "MODE", "SUBMODE"}


def records_by_length(data):
    """The records of an ADI file, read by the length of each field."""
    records, record, at = [], {}, data.upper().find(b"<EOH>") + len(b"<EOH>")
    while (tag := TAG.search(data, at)) is not None:
        name = tag.group(1).decode("ascii").upper()
        at = tag.end()
        if name == "EOR":
            records.append(record)
            record = {}
        elif tag.group(2) is not None:
            length = int(tag.group(2))
            record[name] = data[at : at + length].decode("ascii")
            at += length
    return records


def as_pyqso_keeps(name, value):
    return value.lower() if name in LOWER else value.upper() if name in UPPER else value


def main(path):
    with open(path, "rb") as adi:
        data = adi.read()
    ours = records_by_length(data)
    reader = ADIF()
    theirs = reader.parse_adi(data.decode("ascii"))
    if len(theirs) != len(ours):
        sys.exit(f"pyqso: {len(theirs)} records read, {len(ours)} written")
    misread = 0
    for number, (written, read) in enumerate(zip(ours, theirs), start=1):
        expected = {
            name: as_pyqso_keeps(name, value)
            for name, value in written.items()
            if name in AVAILABLE_FIELD_NAMES_ORDERED
            and reader.is_valid(name, as_pyqso_keeps(name, value), AVAILABLE_FIELD_NAMES_TYPES[name])
        }
        if read != expected:
            misread += 1
            if misread <= 5:
                print(f"pyqso: record {number} read as {read}, written as {expected}")
    print(f"pyqso: {len(ours) - misread} of {len(ours)} records read as written")
    if misread:
        sys.exit(1)


if __name__ == "__main__":
    main(sys.argv[1])
