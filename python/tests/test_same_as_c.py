"""Every line of the C++ tests and of the example listings, under every host
type: the package's fields equal the record QORDA_DecodeLine fills."""

import datetime
import re

import pytest

import qordahosts
from conftest import ROOT

FLAG_MODE_VALID, FLAG_NO_TIME, FLAG_YEAR_INFERRED = 0x1, 0x2, 0x4
HOST_TYPES = [5995, *(int(host_type) for host_type in qordahosts.HostType)]

LITERAL = re.compile(rb'"((?:[^"\\\n]|\\.)*)"')
ESCAPE = re.compile(rb"\\(x[0-9a-fA-F]{1,2}|[0-7]{1,3}|.)", re.S)
SIMPLE_ESCAPES = {b"n": b"\n", b"r": b"\r", b"t": b"\t", b"0": b"\0"}


def unescape(match):
    code = match.group(1)
    if code[:1] == b"x":
        return bytes([int(code[1:], 16)])
    if code[:1].isdigit() and code not in SIMPLE_ESCAPES:
        return bytes([int(code, 8) & 0xFF])
    return SIMPLE_ESCAPES.get(code, code)


def test_lines():
    """Every string literal of the dialect tests, whatever the tables' layout,
    cut at a NUL as C cuts it, and every line of the example listings."""
    lines = set()
    for source in sorted((ROOT / "tests" / "hosts").glob("*.cpp")):
        for literal in LITERAL.findall(source.read_bytes()):
            lines.add(ESCAPE.sub(unescape, literal).split(b"\0")[0])
    for listing in sorted((ROOT / "examples" / "listings").glob("*.txt")):
        lines.update(listing.read_bytes().split(b"\n"))
    return sorted(lines)


LINES = test_lines()
del test_lines  # a helper, not a test


def expected_mtime(record, utc):
    try:
        day = datetime.date(record.year, record.month, record.day)
    except ValueError:
        return None
    if record.flags & FLAG_NO_TIME:
        return day
    zone = datetime.timezone.utc if utc else None
    try:
        return datetime.datetime(record.year, record.month, record.day, record.hour,
                                 record.minute, record.second, tzinfo=zone)
    except ValueError:
        return day


def fields_of_record(record, host_type, encoding):
    return {
        "raw_name": record.name,
        "name": record.name.decode(encoding, "surrogateescape"),
        "size": record.size,
        "kind": record.kind,
        "mode": record.mode if record.flags & FLAG_MODE_VALID else None,
        "year_inferred": bool(record.flags & FLAG_YEAR_INFERRED),
        "mtime": expected_mtime(record, host_type in (6059, 6066)),
        **{field: getattr(record, field) for field in ("year", "month", "day", "hour", "minute", "second")},
    }


def fields_of_entry(entry, _host_type, _encoding):
    fields = ("raw_name", "name", "size", "kind", "mode", "year_inferred", "mtime",
              "year", "month", "day", "hour", "minute", "second")
    return {field: getattr(entry, field) for field in fields}


def decode_all_with_c(decode_with_c, host_type, lines):
    results = [decode_with_c(line, host_type) for line in lines]
    return [fields_of_record(record, host_type, "utf-8") for result, record in results if result > 0]


@pytest.mark.parametrize("host_type", HOST_TYPES)
def test_decode_listing_and_decode_line_give_the_c_record(decode_with_c, host_type):
    assert len(LINES) > 500  # the extraction still finds the tables
    data = b"\n".join(LINES)
    split = data.split(b"\n")  # lines holding an LF are split as the listing splits them
    # The AS/400 and Stratus VOS dialects carry state from line to line, one
    # copy in the extension and one in the C library: a first pass through
    # the same lines brings both to the same point.
    list(qordahosts.decode_listing(data, host_type))
    decode_all_with_c(decode_with_c, host_type, split)

    entries = qordahosts.decode_listing(data, host_type)
    expected = decode_all_with_c(decode_with_c, host_type, split)
    assert [fields_of_entry(entry, host_type, "utf-8") for entry in entries] == expected

    for line in LINES:
        result, record = decode_with_c(line, host_type)
        entry = qordahosts.decode_line(line, host_type)
        wanted = fields_of_record(record, host_type, "latin-1") if result > 0 else None
        got = fields_of_entry(entry, host_type, "latin-1") if entry is not None else None
        assert got == wanted, line
