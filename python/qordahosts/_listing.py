"""Decoding lines and listings into Entry objects through the compiled-in library."""

from __future__ import annotations

import codecs
import enum
import functools
import itertools
from collections.abc import Iterable, Iterator

from . import _core
from ._hosts import Guess, HostType, choose_host_type, guess_sample, host_type_id

Entry = _core.Entry

# Lines decoded at a time from a file or an iterable: large enough that the
# call costs nothing per line, small enough that memory stays flat.
CHUNK_LINES = 4096


class Kind(enum.IntEnum):
    """What an entry is, as the listing states it."""

    UNSTATED = _core.KIND_UNSTATED  # an ordinary file where only directories are marked
    FILE = _core.KIND_FILE
    LINK = _core.KIND_LINK
    DIRECTORY = _core.KIND_DIRECTORY
    OBJECT = _core.KIND_OBJECT  # a relocatable or absolute program element (OS 2200)


_core._set_kind_members(tuple(Kind._value2member_map_.get(value) for value in range(Kind.OBJECT + 1)))


@functools.lru_cache(maxsize=None)
def _codec_name(encoding: str) -> str:
    try:
        info = codecs.lookup(encoding)
    except LookupError:
        raise ValueError(f"unknown encoding: {encoding!r}") from None
    # Lines are split at LF and read by their ASCII words, so the code page
    # must keep ASCII as it is, as 8-bit code pages and UTF-8 do.
    ascii_bytes = bytes(range(128))
    try:
        keeps_ascii = info.decode(ascii_bytes)[0] == ascii_bytes.decode("ascii")
    except UnicodeDecodeError:
        keeps_ascii = False
    if not keeps_ascii:
        raise ValueError(f"encoding {encoding!r} does not keep ASCII; listings are 8-bit text")
    return info.name


def codec_name(encoding: object, function: str) -> str:
    """The normalised name of an ASCII-compatible encoding ("utf-8", "cp1252")."""
    if not isinstance(encoding, str):
        raise TypeError(f"{function}() argument 'encoding' must be str, not {type(encoding).__name__}")
    try:
        return _codec_name(encoding)
    except ValueError as error:
        raise ValueError(f"{function}() argument 'encoding': {error}") from None


def decode_line(
    line: str | bytes,
    host_type: HostType | int | str,
    cwd: str | bytes = "",
    prefix: str | bytes = "",
    *,
    encoding: str = "latin-1",
) -> Entry | None:
    """Decodes one LIST line for host_type; None when it is no entry (a header,
    a total, a blank line).

    A str line, cwd and prefix are encoded in `encoding` first (latin-1 keeps
    every byte), and the name is decoded with it. cwd (IBM VM and MVS) and
    prefix (IBM MVS/KNET) shorten names as the server's directory does.

    The line has no listing around it: for the AS/400 and Stratus VOS types,
    whose lines lean on the lines before them, decode the whole listing with
    decode_listing."""
    codec = codec_name(encoding, "decode_line")
    host_type_number = host_type_id(host_type, "decode_line", "host_type")
    return _core.decode_line(line, host_type_number, cwd, prefix, codec)


class Listing:
    """The entries of one listing, with the host type used and how it was chosen.

    chosen_by is "given", "greeting", "syst", "guessed" (from the listing's
    first lines; guess holds the ranked candidates) or "auto" (nothing
    detected or guessed: AUTO decodes as Unix).

    A listing made from bytes or str holds all its entries. One made from a
    file or an iterable of lines decodes them as it is iterated, CHUNK_LINES at
    a time, and keeps none, so memory stays flat however long the input: it
    can be iterated once and has no len() or indexing (list(listing) keeps
    the entries). Pickling it reads the rest of the input."""

    __slots__ = ("host_type", "chosen_by", "encoding", "guess", "_entries", "_chunks")

    def __init__(
        self,
        host_type: HostType | int,
        chosen_by: str,
        encoding: str,
        entries: list[Entry],
        chunks: Iterator[list[Entry]] | None = None,
        guess: Guess | None = None,
    ) -> None:
        self.host_type = host_type
        self.chosen_by = chosen_by
        self.encoding = encoding
        self.guess = guess
        self._entries = entries
        self._chunks = chunks

    def __iter__(self) -> Iterator[Entry]:
        yield from self._entries
        while self._chunks is not None:
            chunk = next(self._chunks, None)
            if chunk is None:
                self._chunks = None
            else:
                yield from chunk

    def _read_rest(self) -> list[Entry]:
        if self._chunks is not None:
            self._entries.extend(itertools.chain.from_iterable(self._chunks))
            self._chunks = None
        return self._entries

    def _whole(self, operation: str) -> list[Entry]:
        if self._chunks is not None:
            # A TypeError, so that list(listing) iterates instead.
            raise TypeError(f"{operation} of a listing still being read from a file or an iterable")
        return self._entries

    def __len__(self) -> int:
        return len(self._whole("len()"))

    def __getitem__(self, index):
        return self._whole("indexing")[index]

    def __reduce__(self):
        entries = self._read_rest()
        return (Listing, (self.host_type, self.chosen_by, self.encoding, entries, None, self.guess))

    def __repr__(self) -> str:
        read = f"{len(self._entries)} entries" + (" so far" if self._chunks is not None else "")
        return f"<Listing of {read}, {self.host_type!r} ({self.chosen_by})>"


def _decode_chunks(decoder: _core.Decoder, lines: Iterator) -> Iterator[list[Entry]]:
    while chunk := list(itertools.islice(lines, CHUNK_LINES)):
        yield decoder.decode_lines(chunk)


def decode_listing(
    data: bytes | str | Iterable[str | bytes],
    host_type: HostType | int | str | None = None,
    *,
    syst: str | bytes | None = None,
    greeting: str | bytes | None = None,
    encoding: str = "utf-8",
    cwd: str | bytes = "",
    prefix: str | bytes = "",
) -> Listing:
    """Decodes a LIST reply into a Listing of entries.

    data is the reply as bytes or str (lines end in LF or CR LF), or a file
    object or any iterable of lines, read lazily. The host type is the one
    given, or else detected from the greeting and then the SYST reply, or
    else guessed from the first lines (Listing.guess), or else AUTO. Names are decoded with `encoding` and "surrogateescape", so that
    Entry.raw_name gives back the server's bytes; a str is encoded with it.

    Lines are decoded in C++ without the GIL, one listing at a time in the
    process: a lock serialises decoding, as the AS/400 and Stratus VOS
    dialects carry state from one line to the next. Two listings of those
    types read lazily at the same time raise RuntimeError."""
    codec = codec_name(encoding, "decode_listing")
    if isinstance(data, str):
        try:
            data = data.encode(codec, "surrogateescape")
        except UnicodeEncodeError as error:
            raise ValueError(f"decode_listing() argument 'data' cannot be encoded in {codec}: {error}") from None
    if isinstance(data, (bytes, bytearray, memoryview)):
        lines = None
    else:
        try:
            lines = iter(data)
        except TypeError:
            raise TypeError(
                "decode_listing() argument 'data' must be bytes, str, a file object or an iterable "
                f"of lines, not {type(data).__name__}"
            ) from None
    if lines is None:
        sample = functools.partial(guess_sample, data, codec, "decode_listing", "data")
    else:
        # Only the lines the guess reads are held before decoding starts.
        first = list(itertools.islice(lines, _core.GUESS_MAX_LINES))
        sample = functools.partial(guess_sample, first, codec, "decode_listing", "data")
        lines = itertools.chain(first, lines)
    chosen, chosen_by, guess = choose_host_type(
        "decode_listing", host_type, syst=syst, greeting=greeting, sample=sample
    )
    decoder = _core.Decoder(int(chosen), cwd, prefix, codec)
    if lines is None:
        return Listing(chosen, chosen_by, codec, decoder.decode_data(data), None, guess)
    return Listing(chosen, chosen_by, codec, [], _decode_chunks(decoder, lines), guess)
