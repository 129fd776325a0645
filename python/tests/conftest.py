"""The C library of the CMake build, through ctypes, to compare the package with."""

import ctypes
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]


class ListingEntry(ctypes.Structure):
    _pack_ = 1
    _fields_ = [
        ("year", ctypes.c_uint16),
        ("month", ctypes.c_uint8),
        ("day", ctypes.c_uint8),
        ("hour", ctypes.c_uint8),
        ("minute", ctypes.c_uint8),
        ("second", ctypes.c_uint8),
        ("reserved", ctypes.c_uint8),
        ("size", ctypes.c_int64),
        ("mode", ctypes.c_uint16),
        ("flags", ctypes.c_uint16),
        ("kind", ctypes.c_uint8),
        ("name", ctypes.c_char * 515),
    ]


def pytest_addoption(parser):
    parser.addoption("--libqordahosts", help="libqordahosts.so of the CMake build")


@pytest.fixture(scope="session")
def decode_with_c(request):
    """decode(line, host_type) -> (result, ListingEntry) through QORDA_DecodeLine."""
    path = request.config.getoption("--libqordahosts")
    if not path:
        pytest.skip("needs --libqordahosts PATH")
    library = ctypes.CDLL(path)
    function = library.QORDA_DecodeLine
    function.argtypes = [ctypes.POINTER(ListingEntry), ctypes.c_char_p, ctypes.c_int32,
                         ctypes.c_char_p, ctypes.c_char_p]
    function.restype = ctypes.c_int32

    def decode(line, host_type):
        record = ListingEntry()
        return function(ctypes.byref(record), line, host_type, b"", b""), record

    return decode
