#!/usr/bin/python3
"""Decodes a folder of saved LIST replies in parallel with Dask: a summary of
each listing and the largest entries of all, as JSON Lines.

    /usr/bin/python3 examples/python/decode_folder.py FOLDER --host-type "Unix (Standard)"
    /usr/bin/python3 examples/python/decode_folder.py FOLDER --scheduler tcp://host:8786

Without --scheduler the listings are decoded by Dask's local process pool;
with it, by the workers of a Dask cluster (Debian's python3-distributed),
and nothing else changes: Listing and Entry objects pickle, so they travel
between processes and machines like any other result.
"""

import argparse
import json
import sys
from pathlib import Path

import dask
import dask.bag

import qordahosts


def decode_file(path, host_type, encoding):
    listing = qordahosts.decode_listing(Path(path).read_bytes(), host_type, encoding=encoding)
    return Path(path).name, listing


def summarize(named_listing):
    name, listing = named_listing
    return {
        "file": name,
        "host_type": int(listing.host_type),
        "chosen_by": listing.chosen_by,
        "entries": len(listing),
        "directories": sum(entry.is_dir for entry in listing),
        "bytes": sum(entry.size for entry in listing),
    }


def entries_of(named_listing):
    name, listing = named_listing
    return [(name, entry) for entry in listing]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=Path)
    parser.add_argument("--pattern", default="*.txt", help="which files to decode (*.txt)")
    parser.add_argument("--host-type", help="a host type name or id; default AUTO")
    parser.add_argument("--encoding", default="utf-8", help="the code page of the names")
    parser.add_argument("--top", type=int, default=5, help="how many of the largest entries")
    parser.add_argument("--scheduler", help="the address of a Dask cluster's scheduler")
    options = parser.parse_args()

    if options.scheduler:
        from dask.distributed import Client

        Client(options.scheduler)  # from here on, Dask's default scheduler
    paths = sorted(str(path) for path in options.folder.glob(options.pattern))
    if not paths:
        sys.exit(f"{options.folder}: no file matches {options.pattern}")
    listings = dask.bag.from_sequence(paths, partition_size=8).map(
        decode_file, options.host_type, options.encoding
    )
    largest = listings.map(entries_of).flatten().topk(options.top, key=lambda pair: pair[1].size)
    summaries, largest = dask.compute(listings.map(summarize), largest)
    for summary in summaries:
        print(json.dumps(summary))
    for name, entry in largest:
        print(json.dumps({"largest": entry.name, "size": entry.size, "file": name}))


if __name__ == "__main__":
    main()
