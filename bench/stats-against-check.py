#!/usr/bin/env python3
"""Times --stats of a large log against --check of it, as whole programs.

    bench/stats-against-check.py [--build DIR] [--runs N] [--records N]

Generates a log once with the project's own generator, then times, run by run in turn so that
a drifting machine slows every case alike, `kestrel-to-adif --check LOG`, `--stats LOG` and
`--stats --json LOG`, each with its standard output into /dev/null. Both read the whole log
and make every record standard with its entity; --stats counts where --check lists, and is to
take at most twice as long. Prints the medians and the ratios, and exits with 1 when either
ratio is above 2.
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
MOST = 2.0


def run(command):
    """Runs `command` to its end (its exit status is not looked at: --check exits with 1
    when it lists findings); its wall time in seconds."""
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--build", default=os.path.join(root, "build", "default"),
                        help="the build folder holding src/app and examples (default: %(default)s)")
    parser.add_argument("--runs", type=int, default=5, help="timed runs of each case")
    parser.add_argument("--records", type=int, default=1_000_000, help="records in the log")
    args = parser.parse_args()

    program = os.path.join(args.build, "src", "app", "kestrel-to-adif")
    generator = os.path.join(args.build, "examples", "generate-log")
    for needed in (program, generator):
        if not os.access(needed, os.X_OK):
            sys.exit(f"{needed} is missing: build the default preset first")

    work = tempfile.mkdtemp(prefix="stats-against-check-", dir=args.build)
    try:
        log = os.path.join(work, "big.log")
        subprocess.run([generator, str(args.records), str(SEED), log], check=True)
        cases = {
            "check": [program, "--check", log],
            "stats": [program, "--stats", log],
            "json": [program, "--stats", "--json", log],
        }
        times = {name: [] for name in cases}
        for command in cases.values():  # warm-up: the log in the page cache
            run(command)
        for _ in range(args.runs):
            for name, command in cases.items():
                times[name].append(run(command))
    finally:
        shutil.rmtree(work, ignore_errors=True)

    median = {name: statistics.median(values) for name, values in times.items()}
    print(f"{args.records:,} records, median of {args.runs} runs each")
    print(f"{'case':<40}{'median s':>10}{'records/s':>14}{'ratio':>8}")
    rows = [
        ("kestrel-to-adif --check LOG", "check"),
        ("kestrel-to-adif --stats LOG", "stats"),
        ("kestrel-to-adif --stats --json LOG", "json"),
    ]
    for label, name in rows:
        rate = f"{args.records / median[name]:,.0f}"
        ratio = f"{median[name] / median['check']:.2f}x"
        print(f"{label:<40}{median[name]:>10.3f}{rate:>14}{ratio:>8}")
    worst = max(median["stats"], median["json"]) / median["check"]
    if worst > MOST:
        print(f"--stats takes {worst:.2f} times as long as --check, more than {MOST:.0f}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
