"""qordahosts: FTP LIST lines of every dialect the library knows, decoded in C++.

    import qordahosts
    listing = qordahosts.decode_listing(data, syst="215 UNIX Type: L8")
    for entry in listing: print(entry.name, entry.size, entry.mtime)

The extension compiles in the library itself: every field equals what the C
export QORDA_DecodeLine fills in its record.
"""

from importlib import metadata as _metadata

from ._core import Entry
from ._ftp import list_ftp
from ._hosts import (
    Candidate,
    Guess,
    HostType,
    detect_from_greeting,
    detect_from_syst,
    guess_host_type,
    host_types,
)
from ._listing import Kind, Listing, decode_line, decode_listing

__all__ = [
    "Candidate",
    "Entry",
    "Guess",
    "HostType",
    "Kind",
    "Listing",
    "decode_line",
    "decode_listing",
    "detect_from_greeting",
    "detect_from_syst",
    "guess_host_type",
    "host_types",
    "list_ftp",
]

try:
    __version__ = _metadata.version("qordahosts")
except _metadata.PackageNotFoundError:  # imported from a build folder
    __version__ = "unknown"
