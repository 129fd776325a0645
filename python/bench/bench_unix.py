#!/usr/bin/python3
"""Unix LIST lines per second: qordahosts.decode_listing beside a str.split
loop and the Unix parser of ftputil, interleaved in the same process.

    /usr/bin/python3 python/bench/bench_unix.py [--lines 1000000] [--rounds 5] [LISTING]

LISTING is a saved Unix listing, for instance the benchmarks' corpus:
    cmake --preset bench && cmake --build --preset bench
    build/bench/qorda-make-corpus unix 1000000 > unix.txt
Without it the lines are generated here, the same on every run.

Times are the process's CPU time (user and system), which other tenants of
a shared machine disturb less than the wall clock; every contender runs in
one thread. ftputil is Debian's python3-ftputil (apt-get install python3-ftputil); it is
needed here only, never by the package. Being about 50 times slower, it
parses the first --peer-lines lines of each round.
"""

import argparse
import gc
import random
import statistics
import sys
import time
from pathlib import Path

import qordahosts

MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()


def generated_lines(count):
    """Files, directories and links; year and time-of-day dates; names of 5
    to 40 characters, some with blanks."""
    rng = random.Random(1)
    lines = []
    for n in range(count):
        kind = rng.choice("--------dl")
        mode = "rwxr-xr-x" if kind == "d" else "rw-r--r--"
        date = f"{rng.choice(MONTHS)} {rng.randint(1, 28):2d} " + (
            f"{rng.randint(1990, 2024):5d}" if rng.random() < 0.5 else f"{rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}"
        )
        name = "".join(rng.choice("abcdefghijklmnopqrstuvwxyz0123456789_. ") for _ in range(rng.randint(5, 40))).strip() or "x"
        name += " -> target" if kind == "l" else ""
        lines.append(f"{kind}{mode} {rng.randint(1, 9):3d} user{n % 7} group {rng.randint(0, 10**9):10d} {date} {name}")
    return lines


def timed(function, collect_garbage=True):
    gc.collect()
    if not collect_garbage:
        gc.disable()
    start = time.process_time()
    result = function()
    seconds = time.process_time() - start
    gc.enable()
    return seconds, result


def split_loop(lines):
    return [line.split(None, 8) for line in lines]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("listing", nargs="?", type=Path)
    parser.add_argument("--lines", type=int, default=1_000_000)
    parser.add_argument("--peer-lines", type=int, default=100_000)
    parser.add_argument("--rounds", type=int, default=5)
    options = parser.parse_args()
    try:
        from ftputil.stat import UnixParser
    except ImportError:
        sys.exit("needs ftputil: apt-get install python3-ftputil")

    if options.listing:
        text = options.listing.read_text("utf-8", "surrogateescape").replace("\r\n", "\n")
        lines = text.splitlines()[: options.lines]
    else:
        lines = generated_lines(options.lines)
    data = ("\n".join(lines) + "\n").encode("utf-8", "surrogateescape")
    byte_lines = data.splitlines()
    peer_lines = lines[: options.peer_lines]
    unix_parser = UnixParser()

    def ftputil_parse():
        parsed = []
        for line in peer_lines:
            try:
                parsed.append(unix_parser.parse_line(line))
            except Exception:  # a line it does not read; as costly as one it does
                pass
        return parsed

    contenders = {
        "decode_listing(bytes)": (len(lines), lambda: qordahosts.decode_listing(data, 6010)),
        "decode_listing(lines)": (len(lines), lambda: list(qordahosts.decode_listing(byte_lines, 6010))),
        "str.split(None, 8) loop": (len(lines), lambda: split_loop(lines)),
        # The loop's million lists wake the garbage collector; Entry objects
        # hold no references to others and never do.
        "str.split loop, gc disabled": (len(lines), lambda: split_loop(lines)),
        "ftputil UnixParser": (len(peer_lines), ftputil_parse),
    }
    rates = {name: [] for name in contenders}
    for _ in range(options.rounds):
        for name, (count, function) in contenders.items():
            seconds, result = timed(function, collect_garbage="gc disabled" not in name)
            rates[name].append(count / seconds)
            del result
    print(f"{len(lines)} Unix lines, {options.rounds} rounds, CPU time, Python {sys.version.split()[0]}\n")
    print("| Contender | lines/s (median) | min – max | µs/line |")
    print("|---|---:|---:|---:|")
    for name, values in rates.items():
        median = statistics.median(values)
        print(f"| {name} | {median:,.0f} | {min(values):,.0f} – {max(values):,.0f} | {1e6 / median:.2f} |")
    ours = rates["decode_listing(bytes)"]
    for peer in ("ftputil UnixParser", "str.split(None, 8) loop", "str.split loop, gc disabled"):
        ratios = [a / b for a, b in zip(ours, rates[peer])]
        print(f"\ndecode_listing(bytes) / {peer}: {statistics.median(ratios):.1f}x "
              f"(rounds: {', '.join(f'{r:.1f}' for r in ratios)})", end="")
    print()


if __name__ == "__main__":
    main()
