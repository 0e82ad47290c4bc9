#!/usr/bin/env python3
"""Draws the reading fixtures, runs tallowen-read on each and compares its JSON with the
expected values (only the keys a fixture lists are compared).

Usage: run_fixtures.py TOOL OUTDIR
"""

import glob
import json
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    tool, outdir = sys.argv[1], sys.argv[2]
    subprocess.run([sys.executable, "-B", os.path.join(HERE, "make_fixtures.py"), outdir], check=True)
    failures = 0
    names = sorted(glob.glob(os.path.join(outdir, "*.json")))
    for path in names:
        with open(path) as f:
            fixture = json.load(f)
        bmp = os.path.join(outdir, fixture["bmp"])
        run = subprocess.run([tool, fixture["kind"], "--lang", str(fixture["lang"]), bmp],
                             capture_output=True, text=True)
        name = os.path.basename(path)
        if run.returncode != 0:
            print("FAIL %s: exit %d %s" % (name, run.returncode, run.stderr.strip()))
            failures += 1
            continue
        got = json.loads(run.stdout)
        want = fixture["expect"]
        if fixture["kind"] == "buttons":
            wrong = got != want
        else:
            wrong = any(got.get(k) != v for k, v in want.items())
        if wrong:
            failures += 1
            print("FAIL %s\n  want %s\n  got  %s" % (name, json.dumps(want), json.dumps(got)))
    print("%d of %d fixtures read as expected" % (len(names) - failures, len(names)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
