#!/usr/bin/env python3
"""Which other host types read a listing exactly as its own host type does.

    examples/listings/compare-host-types.py FILE HOST_TYPE [FILE HOST_TYPE ...]
    examples/listings/compare-host-types.py --index examples/listings/README.md

Each file is decoded with qorda-ls under its own host type and under every id
from 5995 to 6072. A host type "agrees" when every line gives the same record
(or no entry on the same lines). The output names, per file, the host types
that agree and the closest of those that do not, with the lines they get
right. Host types that agree on every line of each other's listings cannot be
told apart by their records, only by preference.
"""
import argparse
import json
import pathlib
import re
import subprocess

FIRST_ID, LAST_ID = 5995, 6072


def decode(qorda_ls, path, host_type):
    # One process per file and host type: the AS/400 member memory and the
    # Stratus VOS sections must start afresh, as for a listing of its own.
    run = subprocess.run([qorda_ls, "-t", str(host_type), "--all", "-f", "json", str(path)],
                         capture_output=True, text=True, check=True)
    records = []
    for row in run.stdout.splitlines():
        record = json.loads(row)
        for key in ("file", "line", "text"):
            record.pop(key, None)
        records.append(record)
    return records


def index_rows(readme):
    # Rows of the index table: | `file` | host type | entries | no entry | ...
    for row in readme.read_text().splitlines():
        match = re.match(r"\| `([^`]+)` \| (\d+) \|", row)
        if match:
            yield readme.parent / match.group(1), int(match.group(2))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("pairs", nargs="*", help="FILE HOST_TYPE ...")
    parser.add_argument("--index", type=pathlib.Path, help="take the files of this index table")
    parser.add_argument("--qorda-ls", default="build/default/qorda-ls")
    parser.add_argument("--closest", type=int, default=3, help="how many disagreeing host types to show")
    arguments = parser.parse_args()

    listings = list(index_rows(arguments.index)) if arguments.index else []
    listings += [(pathlib.Path(f), int(t)) for f, t in zip(arguments.pairs[::2], arguments.pairs[1::2])]
    for path, own in listings:
        truth = decode(arguments.qorda_ls, path, own)
        agree, closest = [], []
        for other in range(FIRST_ID, LAST_ID + 1):
            if other == own:
                continue
            records = decode(arguments.qorda_ls, path, other)
            same = sum(a == b for a, b in zip(truth, records))
            if same == len(truth):
                agree.append(other)
            else:
                closest.append((same, other))
        closest.sort(key=lambda pair: (-pair[0], pair[1]))
        near = ", ".join(f"{other} ({same}/{len(truth)})" for same, other in closest[:arguments.closest])
        print(f"{path.name} {own}: agree {' '.join(map(str, agree)) or '-'}; closest {near}")


if __name__ == "__main__":
    main()
