#!/usr/bin/env python3
"""Reads an ADX file with Python's XML parser (expat, which refuses any file that is not
well-formed XML or not valid UTF-8) and prints its records as JSON: a list of objects, one per
RECORD, field name to text. An application field is named as ADI names it,
APP_<PROGRAMID>_<FIELDNAME>, so that the records compare with the ADI form's as they are."""
import json
import sys
import xml.etree.ElementTree as ET


def field_name(element):
    if element.tag == "APP":
        return "APP_{}_{}".format(element.get("PROGRAMID", ""), element.get("FIELDNAME", "")).upper()
    return element.tag


def main():
    try:
        root = ET.parse(sys.argv[1]).getroot()
    except ET.ParseError as error:
        print(f"{sys.argv[1]}: not well-formed XML: {error}", file=sys.stderr)
        return 1
    if root.tag != "ADX" or root.find("HEADER") is None or root.find("RECORDS") is None:
        print(f"{sys.argv[1]}: not ADX: the root is <{root.tag}>, or HEADER or RECORDS is missing",
              file=sys.stderr)
        return 1
    records = []
    for record in root.find("RECORDS"):
        fields = {}
        for element in record:
            name = field_name(element)
            if name in fields:
                print(f"{sys.argv[1]}: record {len(records) + 1}: {name} twice", file=sys.stderr)
                return 1
            fields[name] = element.text or ""
        records.append({"tag": record.tag, "fields": fields})
    json.dump(records, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
