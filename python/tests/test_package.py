import datetime
import pickle
import re
import threading
import tracemalloc

import pytest

import qordahosts
from conftest import ROOT
from qordahosts import HostType

UNIX_LINE = b"-rw-r--r--   1 owner  group  1234 Jan 12  2019 "


def unix_listing(*names):
    return b"total 2\r\n" + b"".join(UNIX_LINE + name + b"\r\n" for name in names)


def test_host_type_members_are_the_header_constants_and_the_stub_members():
    header = (ROOT / "include" / "qordahosts.h").read_text()
    constants = dict(re.findall(r"HOST_(\w+) = (\d+),", header))
    del constants["NAME_LIST"]  # below the table
    stub = (ROOT / "python" / "qordahosts" / "__init__.pyi").read_text()
    stub_members = dict(re.findall(r"^    (\w+) = (60\d\d)$", stub, re.M))
    runtime = {member.name: str(member.value) for member in HostType}
    assert runtime == constants == stub_members
    assert HostType.IBM_AS_400_MM_DD_YY.label == "IBM AS/400 (mm/dd/yy)"


@pytest.mark.parametrize(
    "arguments, host_type, chosen_by",
    [
        ({"host_type": "vms ucx", "syst": "215 UNIX Type: L8"}, HostType.VMS_UCX, "given"),
        ({"host_type": 6000, "syst": "215 UNIX Type: L8"}, HostType.UNIX_STANDARD, "syst"),
        ({"greeting": "220 Serv-U FTP Server v6.0", "syst": "215 Windows_NT"}, HostType.SERV_U, "greeting"),
        ({"greeting": "220 ready", "syst": b"215 Windows_NT"}, HostType.MICROSOFT_NT, "syst"),
        ({"greeting": "220 ready", "syst": "215 nothing known"}, HostType.AUTO, "auto"),
        ({"host_type": 5995}, 5995, "given"),
        ({"host_type": "6012"}, HostType.VMS_UCX, "given"),
    ],
)
def test_decode_listing_chooses_the_host_type_as_qorda_ls_does(arguments, host_type, chosen_by):
    listing = qordahosts.decode_listing(b"", **arguments)
    assert (listing.host_type, listing.chosen_by) == (host_type, chosen_by)
    assert type(listing.host_type) is type(host_type)


@pytest.mark.parametrize(
    "encoding, name",
    [("cp1252", "Café € Ø.txt"), ("cp437", "größe ½ ╬.txt"), ("utf-8", "日本語 ñ.txt")],
)
def test_names_round_trip_through_str_and_bytes(encoding, name):
    raw = name.encode(encoding)
    undecodable = b"bad \x81\xff.txt"  # no character in any of the three
    listing = qordahosts.decode_listing(unix_listing(raw, undecodable), 6010, encoding=encoding)
    good, bad = listing
    assert (good.name, good.raw_name) == (name, raw)
    assert bad.raw_name == undecodable and bad.name.encode(encoding, "surrogateescape") == undecodable
    line = (UNIX_LINE + raw).decode(encoding)
    assert qordahosts.decode_line(line, 6010, encoding=encoding) == good
    assert list(qordahosts.decode_listing(unix_listing(raw).decode(encoding), 6010, encoding=encoding)) == [good]


def test_fields_and_times():
    unix, mlsd = qordahosts.decode_listing(unix_listing(b"notes.txt"), 6010)[0], qordahosts.decode_line(
        "type=dir;modify=20230105123456; src", HostType.MLSD
    )
    assert (unix.size, unix.kind, unix.mode, unix.mtime) == (1234, qordahosts.Kind.UNSTATED, 0o644, datetime.date(2019, 1, 12))
    assert mlsd.is_dir and mlsd.mode is None
    assert mlsd.mtime == datetime.datetime(2023, 1, 5, 12, 34, tzinfo=datetime.timezone.utc)  # no seconds read


def test_entries_and_listings_pickle():
    listing = qordahosts.decode_listing(unix_listing(b"a.txt", b"b \xff.txt"), "Unix (Standard)")
    lazy = qordahosts.decode_listing(iter(unix_listing(b"c.txt").split(b"\n")), syst="215 UNIX")
    for original in (listing, lazy):
        copy = pickle.loads(pickle.dumps(original))
        assert (copy.host_type, copy.chosen_by, copy.encoding) == (original.host_type, original.chosen_by, original.encoding)
        assert list(copy) == list(original) and len(copy) > 0
        assert [hash(entry) for entry in copy] == [hash(entry) for entry in original]


_core = qordahosts._core


@pytest.mark.parametrize(
    "call, error, message",
    [
        (lambda: qordahosts.decode_line(3, 6010), TypeError, "argument 'line' must be str or bytes"),
        (lambda: qordahosts.decode_line(b"a\0b", 6010), ValueError, "argument 'line' contains a NUL"),
        (lambda: qordahosts.decode_line("x", 6010.0), TypeError, "argument 'host_type'"),
        (lambda: qordahosts.decode_line("x", 2**40), ValueError, "argument 'host_type' is out of range"),
        (lambda: qordahosts.decode_line("x", "no such"), ValueError, "argument 'host_type' names no"),
        (lambda: qordahosts.decode_line("\u4e00", 6010), ValueError, "argument 'line' cannot be encoded"),
        (lambda: qordahosts.decode_line("x", 6018, cwd=b"\0"), ValueError, "argument 'cwd' contains a NUL"),
        (lambda: qordahosts.decode_listing(7), TypeError, "argument 'data' must be bytes, str, a file"),
        (lambda: qordahosts.decode_listing(b"a\nb\0c\n"), ValueError, "line 2 of data contains a NUL"),
        (lambda: list(qordahosts.decode_listing(["a", 5])), TypeError, "line 2 of data must be str or bytes"),
        (lambda: qordahosts.decode_listing(b"", encoding="utf-16"), ValueError, "argument 'encoding'"),
        (lambda: qordahosts.decode_listing(b"", encoding="no-such"), ValueError, "unknown encoding"),
        (lambda: qordahosts.decode_listing(b"", syst=5), TypeError, "argument 'syst'"),
        (lambda: qordahosts.detect_from_greeting("a\0"), ValueError, "argument 'text' contains a NUL"),
        (lambda: qordahosts.list_ftp("ftp.example.org"), TypeError, "argument 'ftp'"),
        (lambda: _core._entry(b"x", "x", 0, 0, 0, 0, 0, 0, 999, 0, 0, 0, False), ValueError, "bad field"),
    ],
)
def test_bad_input_raises_an_error_naming_the_argument(call, error, message):
    with pytest.raises(error, match=re.escape(message)):
        call()


def test_megabyte_lines_decode_as_the_c_library_does(decode_with_c):
    line = UNIX_LINE + b"n" * (1 << 20)
    result, record = decode_with_c(line, 6010)
    entry = qordahosts.decode_listing(line + b"\n" + line, 6010)[1]
    assert entry.raw_name == record.name and len(entry.raw_name) == result


def test_long_listings_lose_no_line_between_passes():
    names = [b"f%05d" % n for n in range(40_000)]
    assert [entry.raw_name for entry in qordahosts.decode_listing(unix_listing(*names), 6010)] == names


def test_a_generator_of_lines_decodes_in_flat_memory():
    lines = (b"-rw-r--r--   1 owner  group  %d Jan 12 12:00 file%07d.txt" % (n, n) for n in range(300_000))
    tracemalloc.start()
    try:
        count = sum(1 for _ in qordahosts.decode_listing(lines, 6010))
        peak = tracemalloc.get_traced_memory()[1]
    finally:
        tracemalloc.stop()
    assert count == 300_000
    assert peak < 4 << 20  # kept, the entries alone would take about 40 MB


def test_threads_decode_listings_that_carry_state_one_at_a_time():
    # An AS/400 member takes its size from the line before it: each thread's own file.
    template = (ROOT / "examples" / "listings" / "as400.txt").read_bytes()
    listings = [template.replace(b" 4096 ", b" 409%d " % n) * 30000 for n in range(4)]
    expected = [list(qordahosts.decode_listing(data, 6017)) for data in listings]
    results = [None] * len(listings)

    def decode(n):
        results[n] = list(qordahosts.decode_listing(listings[n], 6017))

    threads = [threading.Thread(target=decode, args=(n,)) for n in range(len(listings))]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert results == expected


@pytest.mark.parametrize("host_type, interleaving_fails", [(6017, True), (6010, False)])
def test_lazy_listings_that_carry_state_may_not_overlap(monkeypatch, host_type, interleaving_fails):
    monkeypatch.setattr(qordahosts._listing, "CHUNK_LINES", 2)
    lines = (ROOT / "examples" / "listings" / "as400.txt").read_bytes().splitlines()
    first = iter(qordahosts.decode_listing(lines, host_type))
    next(first)
    list(qordahosts.decode_listing(lines, host_type))
    if interleaving_fails:
        with pytest.raises(RuntimeError, match="one after the other"):
            list(first)
    else:
        list(first)
