#!/usr/bin/env python3
"""Times the command line as a whole program against the cost of copying.

    bench/whole-program.py [--build DIR] [--runs N] [--records N] [--work DIR]

Generates a log once with the project's own generator, then times, run by run
in turn so that a drifting machine slows every case alike:

  - kestrel-to-adif --replace into a file, against the floor: cat of the log
    plus dd bs=1M conv=fsync of a file as large as the ADIF;
  - kestrel-to-adif -o - into /dev/null;
  - kestrel-to-adif --append of 1,000 records onto the ADIF of the whole log,
    against the floor: cp of that ADIF (and, as the append makes its file
    durable and cp does not, against cp followed by a sync of the copy).

It prints medians, records per second, the ratios to the floors, and the peak
resident memory of the program (from /usr/bin/time, its only parent, so that
no pages of this script are counted) at the log's size and at four times it.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

SEED = 1
APPENDED_RECORDS = 1000
RECORD_SIZE = 64


def run(command, stdout=subprocess.DEVNULL):
    """Runs `command` to its end; its wall time in seconds. What earlier runs
    left for the disk is written first, so that no run pays for another's."""
    os.sync()
    start = time.perf_counter()
    subprocess.run(command, stdout=stdout, stderr=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def peak_memory_kib(command):
    """The command's peak resident memory, as /usr/bin/time measures it."""
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True,
                            text=True)
    return int(result.stderr.strip().splitlines()[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--build", default=os.path.join(root, "build", "default"),
                        help="the build folder holding src/app and examples (default: %(default)s)")
    parser.add_argument("--runs", type=int, default=5, help="timed runs of each case")
    parser.add_argument("--records", type=int, default=1_000_000, help="records in the log")
    parser.add_argument("--work", default=None,
                        help="folder on the disk to measure (default: a new one in the build)")
    args = parser.parse_args()

    program = os.path.join(args.build, "src", "app", "kestrel-to-adif")
    generator = os.path.join(args.build, "examples", "generate-log")
    for needed in (program, generator):
        if not os.access(needed, os.X_OK):
            sys.exit(f"{needed} is missing: build the default preset first")
    if not os.access("/usr/bin/time", os.X_OK):
        sys.exit("/usr/bin/time is missing: apt-get install time")

    work = tempfile.mkdtemp(prefix="whole-program-", dir=args.work or args.build)
    try:
        log = os.path.join(work, "big.log")
        small = os.path.join(work, "small.log")
        base = os.path.join(work, "base.ADI")
        subprocess.run([generator, str(args.records), str(SEED), log], check=True)
        subprocess.run([generator, str(APPENDED_RECORDS), str(SEED + 1), small], check=True)
        run([program, "--replace", "-o", base, log])
        adif_size = os.path.getsize(base)

        out = os.path.join(work, "out.ADI")
        appended = os.path.join(work, "appended.ADI")
        floor_out = os.path.join(work, "floor.out")
        copy = os.path.join(work, "copy.ADI")
        dd = ["dd", "if=/dev/zero", f"of={floor_out}", "bs=1M", f"count={adif_size}",
              "iflag=count_bytes", "conv=fsync"]
        # One process reads the log and the next writes as much as the ADIF, to the disk.
        floor = ["sh", "-c", 'cat "$0" >/dev/null && shift && exec "$@"', log, "--"] + dd
        cases = {
            "replace": lambda: run([program, "--replace", "-o", out, log]),
            "floor": lambda: run(floor),
            "stdout": lambda: run([program, "-o", "-", log]),
            "append": lambda: (shutil.copyfile(base, appended),
                               run([program, "--append", "-o", appended, small]))[1],
            "cp": lambda: (os.path.exists(copy) and os.remove(copy), run(["cp", base, copy]))[1],
            # cp leaves its copy to be written later; the append makes its file durable.
            "cp+sync": lambda: (os.path.exists(copy) and os.remove(copy),
                                run(["sh", "-c", 'cp "$0" "$1" && sync "$1"', base, copy]))[1],
        }
        times = {name: [] for name in cases}
        for case in cases.values():  # warm-up: caches filled, files there
            case()
        for _ in range(args.runs):
            for name, case in cases.items():
                times[name].append(case())
        median = {name: statistics.median(values) for name, values in times.items()}

        memory = peak_memory_kib([program, "--replace", "-o", out, log])
        big4 = os.path.join(work, "big4.log")
        subprocess.run([generator, str(4 * args.records), str(SEED), big4], check=True)
        memory4 = peak_memory_kib([program, "--replace", "-o", out, big4])
    finally:
        shutil.rmtree(work, ignore_errors=True)

    records = args.records
    print(f"{records:,} records ({records * RECORD_SIZE / 1e6:.0f} MB in, "
          f"{adif_size / 1e6:.0f} MB of ADIF), median of {args.runs} runs each")
    print(f"{'case':<46}{'median s':>10}{'records/s':>14}{'ratio':>8}")
    rows = [
        ("kestrel-to-adif --replace to a file", "replace", records, "floor"),
        ("  floor: cat log + dd bs=1M conv=fsync", "floor", None, None),
        ("kestrel-to-adif -o - to /dev/null", "stdout", records, "floor"),
        (f"kestrel-to-adif --append {APPENDED_RECORDS:,} records", "append", None, "cp"),
        ("  floor: cp of the existing ADIF", "cp", None, None),
        ("  for comparison: cp, then sync of the copy", "cp+sync", None, None),
    ]
    for label, name, count, floor in rows:
        rate = f"{count / median[name]:,.0f}" if count else ""
        ratio = f"{median[name] / median[floor]:.2f}x" if floor else ""
        print(f"{label:<46}{median[name]:>10.3f}{rate:>14}{ratio:>8}")
    print(f"--append against cp then sync: {median['append'] / median['cp+sync']:.2f}x")
    print(f"peak resident memory: {memory / 1024:.1f} MB at {records:,} records, "
          f"{memory4 / 1024:.1f} MB at {4 * records:,}")


if __name__ == "__main__":
    main()
