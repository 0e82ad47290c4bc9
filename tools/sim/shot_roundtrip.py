#!/usr/bin/env python3
"""Shoots every window kind of the simulated client in every edition and stage with
tallowen-sim and reads each shot with tallowen-read; the two JSON outputs must agree."""
import json
import os
import subprocess
import sys

KINDS = ["bidding", "lasthand", "lasttrick", "score", "tricks", "buttons"]
STAGES = ["auction", "play", "done"]


def run(args):
    done = subprocess.run(args, capture_output=True, text=True)
    if done.returncode != 0:
        raise RuntimeError("%s failed (%d): %s" % (" ".join(args), done.returncode, done.stderr))
    return json.loads(done.stdout)


def main():
    sim, reader, folder = sys.argv[1:4]
    os.makedirs(folder, exist_ok=True)
    failures = 0
    shots = 0
    for lang in range(1, 11):
        for stage in STAGES:
            for kind in KINDS:
                seed = 100 + 7 * lang + len(kind)
                path = os.path.join(folder, "%s-%d-%s.bmp" % (kind, lang, stage))
                want = run([sim, "shot", kind, "--lang", str(lang), "--seed", str(seed),
                            "--stage", stage, path])
                got = run([reader, kind, "--lang", str(lang), path])
                shots += 1
                if want != got:
                    failures += 1
                    print("MISMATCH %s lang %d stage %s seed %d\n  drawn: %s\n  read:  %s"
                          % (kind, lang, stage, seed, json.dumps(want), json.dumps(got)))
    print("%d shots, %d mismatches" % (shots, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
