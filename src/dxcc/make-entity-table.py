#!/usr/bin/env python3
"""Makes EntityTable.cpp, the DXCC entity table, from Debian's packages.

The prefixes, zones and continents come from cty.csv of hamradio-files (the
country files of Jim Reisert AD1C, MIT licence); the ADIF names and the dates
each entity existed come from config.xml of trustedqsl. The table is made
once and committed, with the versions it came from, so that no build needs
either package (trustedqsl would pull in a GUI toolkit). To make it again:

    apt-get download hamradio-files trustedqsl
    dpkg-deb -x hamradio-files_*.deb x
    dpkg-deb -x trustedqsl_*.deb x
    python3 src/dxcc/make-entity-table.py x src/dxcc/EntityTable.cpp
    clang-format -i src/dxcc/EntityTable.cpp

Standard library only. The format of what it writes is described in
EntityTable.h; KeySearch.cpp reads it.
"""

import collections
import gzip
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

KEY_CHARACTERS = set("/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")
# Characters that are neither in keys nor in need of escaping in a C++ string:
# they write the shared length of a key and its entity's variant.
CODES = "abcdefghijklmnopqrstuvwxyz!#$%&'()*+,-.:;<=>@[]^_`{|}~"
# The most common variants take one code, the others two: a lead code from the
# end of CODES and any code after it.
SINGLE = 46
CONTINENTS = ["AF", "AN", "AS", "EU", "NA", "OC", "SA"]
# The most characters of one part of a packed list.
PART = 32768
# The longest key the lookup reads (kLongestKey in KeySearch.h).
LONGEST_KEY = 16


def package_version(root, package):
    """The version on the first line of the package's Debian changelog."""
    folder = root / "usr/share/doc" / package
    for name in ("changelog.Debian.gz", "changelog.gz"):
        path = folder / name
        if path.exists():
            with gzip.open(path, "rt", encoding="utf-8") as changelog:
                match = re.match(r"\S+ \(([^)]+)\)", changelog.readline())
            if match:
                return match.group(1)
    sys.exit(f"no changelog with a version in {folder}")


def moment(text):
    """'2010-10-10 04:00:00' as (20101010, 400); (0, 0) where there is none."""
    if not text:
        return 0, 0
    match = re.fullmatch(r"(\d{4})-(\d\d)-(\d\d) (\d\d):(\d\d):00", text)
    if not match:
        sys.exit(f"config.xml: unreadable date {text!r}")
    year, month, day, hour, minute = match.groups()
    return int(year + month + day), int(hour + minute)


def read_entities(path):
    """ADIF name, start and end of each entity of config.xml, by DXCC number."""
    entities = {}
    for entity in ElementTree.parse(path).getroot().iter("entity"):
        entities[int(entity.get("arrlId"))] = (
            entity.text.strip(),
            moment(entity.get("valid")),
            moment(entity.get("invalid")),
        )
    return entities


def read_prefixes(path):
    """The entries of cty.csv: {(exact, key): (dxcc, cq, itu, continent)}.

    A row: prefix,name,dxcc,continent,cq,itu,lat,lon,tz,entries; where the
    entries are separated by blanks and end with ";". "=CALL" is one callsign;
    "(n)", "[n]" and "{XX}" after an entry give its own CQ zone, ITU zone and
    continent; "<lat/lon>" and "~tz~" are not needed here. A row whose prefix
    starts with "*" is a region counted apart only for WAE, within the entity
    of its DXCC number; its entries keep that number and their own zones.
    """
    entries = {}
    entry_form = re.compile(r"(=?)([A-Z0-9/]+)((?:\(\d+\)|\[\d+\]|\{[A-Z]{2}\}|<[^>]*>|~[^~]*~)*)")
    for number, line in enumerate(path.read_text(encoding="ascii").splitlines(), 1):
        fields = line.split(",", 9)
        if len(fields) != 10 or not fields[9].endswith(";"):
            sys.exit(f"cty.csv line {number}: not a row of ten fields ending in ';'")
        dxcc, continent, cq, itu = int(fields[2]), fields[3], int(fields[4]), int(fields[5])
        for text in fields[9][:-1].split():
            match = entry_form.fullmatch(text)
            if not match:
                sys.exit(f"cty.csv line {number}: unreadable entry {text!r}")
            exact, key, overrides = match.groups()
            variant = [dxcc, cq, itu, continent]
            for kind, value in re.findall(r"([(\[{])([^)\]}]+)", overrides):
                if kind == "(":
                    variant[1] = int(value)
                elif kind == "[":
                    variant[2] = int(value)
                else:
                    variant[3] = value
            if variant[3] not in CONTINENTS:
                sys.exit(f"cty.csv line {number}: unknown continent {variant[3]}")
            if len(key) > LONGEST_KEY:
                sys.exit(f"cty.csv line {number}: {key} is longer than {LONGEST_KEY}")
            slot = (bool(exact), key)
            if entries.setdefault(slot, tuple(variant)) != tuple(variant):
                sys.exit(f"cty.csv line {number}: {text} is in two rows that disagree")
    return entries


def code(variant):
    """The one or two codes of a variant's index."""
    if variant < SINGLE:
        return CODES[variant]
    variant -= SINGLE
    lead, rest = divmod(variant, len(CODES))
    if SINGLE + lead >= len(CODES):
        sys.exit("too many variants for two codes")
    return CODES[SINGLE + lead] + CODES[rest]


def packed(keys, variant_of):
    """Sorted keys front-coded, in parts that each end with a whole entry and stay
    well below the 65,536 characters that compilers must take in one string."""
    parts, text, previous = [], "", ""
    for key in keys:
        shared = 0
        while shared < min(len(key), len(previous)) and key[shared] == previous[shared]:
            shared += 1
        entry = CODES[shared] + key[shared:] + code(variant_of[key])
        if len(text) + len(entry) > PART:
            parts.append(text)
            text = ""
        text += entry
        previous = key
    return parts + [text]


def cpp_list(name, keys, variant_of):
    text = f"const std::string_view k{name}Parts[] = {{\n"
    for part in packed(keys, variant_of):
        # Lines short enough for clang-format to leave them alone.
        lines = [f'    "{part[at : at + 90]}"' for at in range(0, len(part), 90)]
        text += "\n".join(lines) + ",\n"
    text += "};\n"
    text += f"const PackedKeys k{name} = {{k{name}Parts, std::size(k{name}Parts), {len(keys)}}};\n\n"
    return text


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-entity-table.py UNPACKED-PACKAGES OUTPUT.cpp")
    root, output = Path(sys.argv[1]), Path(sys.argv[2])
    sources = (
        f"hamradio-files {package_version(root, 'hamradio-files')}, "
        f"trustedqsl {package_version(root, 'trustedqsl')}"
    )
    entities = read_entities(root / "usr/share/TrustedQSL/config.xml")
    entries = read_prefixes(root / "usr/share/hamradio-files/cty.csv")

    numbers = sorted({variant[0] for variant in entries.values()})
    missing = [number for number in numbers if number not in entities]
    if missing:
        sys.exit(f"DXCC numbers of cty.csv that config.xml does not name: {missing}")
    entity_index = {number: index for index, number in enumerate(numbers)}
    # Indices by how often each variant is used, so that most take one code.
    counts = collections.Counter(entries.values())
    variants = sorted(counts, key=lambda variant: (-counts[variant], variant))
    variant_index = {variant: index for index, variant in enumerate(variants)}
    exact = {key: variant_index[v] for (is_exact, key), v in entries.items() if is_exact}
    prefixes = {key: variant_index[v] for (is_exact, key), v in entries.items() if not is_exact}

    text = "// Made by make-entity-table.py from " + sources + "; do not edit.\n"
    text += "// The prefixes come from the country files of Jim Reisert AD1C, cty.csv\n"
    text += "// (Copyright (c) 1994- Jim Reisert AD1C, MIT licence: DataLicenses.txt).\n"
    text += '#include "dxcc/EntityTable.h"\n\n#include <iterator>\n\nnamespace Dxcc::Table {\n\n'
    text += f'const std::string_view kSources = "{sources}";\n\n'
    text += "const EntityRow kEntities[] = {\n"
    for number in numbers:
        name, (from_date, from_time), (until_date, until_time) = entities[number]
        name = name.replace("\\", "\\\\").replace('"', '\\"')
        text += (
            f'    {{"{name}", {from_date}, {until_date}, {from_time}, {until_time}, {number}}},\n'
        )
    text += "};\n\n"
    text += "const Variant kVariants[] = {\n"
    for dxcc, cq, itu, continent in variants:
        text += f"    {{{entity_index[dxcc]}, {cq}, {itu}, {CONTINENTS.index(continent)}}},\n"
    text += "};\n\n"
    text += cpp_list("ExactCalls", sorted(exact), exact)
    text += cpp_list("Prefixes", sorted(prefixes), prefixes)
    text += "} // namespace Dxcc::Table\n"
    output.write_text(text, encoding="ascii")


if __name__ == "__main__":
    main()
