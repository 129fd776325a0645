"""Host types: the library's table as an enum, detection, and the choice of
the host type a listing is decoded with."""

from __future__ import annotations

import enum
import itertools
import re
from collections.abc import Callable, Iterable
from typing import NamedTuple

from . import _core

class _LabelledHostType(enum.IntEnum):
    @property
    def label(self) -> str:
        """The display name, as the library spells it ("Unix (Standard)")."""
        return _LABELS[self.value - _core.HOST_TYPE_BASE]


def _identifier(label: str) -> str:
    """ "IBM AS/400 (mm/dd/yy)" -> "IBM_AS_400_MM_DD_YY", as the C header names it."""
    return re.sub(r"[^A-Z0-9]+", "_", label.upper()).strip("_")


_LABELS = _core.host_type_names()

HostType = _LabelledHostType(
    "HostType",
    [(_identifier(label), _core.HOST_TYPE_BASE + index) for index, label in enumerate(_LABELS)],
    module="qordahosts",
)
HostType.__doc__ = """The library's host types, by the names of the C header's HOST_ constants.

Each member is its host type id (HostType.UNIX_STANDARD == 6010) and has the
library's display name as .label. AUTO asks for detection."""

_BY_NAME = {
    **{member.label.casefold(): member for member in HostType},
    **{member.name.casefold(): member for member in HostType},
}


def host_types() -> list[HostType]:
    """The 73 host types in the library's table order, AUTO first."""
    return list(HostType)


def as_host_type(host_type_id: int) -> HostType | int:
    """The HostType of an id, or the id itself outside the table (5995, 0)."""
    try:
        return HostType(host_type_id)
    except ValueError:
        return host_type_id


def host_type_id(value: object, function: str, argument: str) -> int:
    """The id that a HostType, an int, or a str (an id, a label or a member
    name, as qorda-ls takes them) gives."""
    if isinstance(value, str) and value.isascii() and value.isdigit():
        value = int(value)
    if isinstance(value, str):
        member = _BY_NAME.get(value.casefold())
        if member is None:
            raise ValueError(f"{function}() argument '{argument}' names no host type: {value!r}")
        return int(member)
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError(
            f"{function}() argument '{argument}' must be a HostType, int or str, "
            f"not {type(value).__name__}"
        )
    if not -(2**31) <= value < 2**31:
        raise ValueError(f"{function}() argument '{argument}' is out of range: {value}")
    return int(value)


def server_text(value: object, function: str, argument: str) -> bytes:
    """A greeting or SYST reply as bytes; the detectors read ASCII words only."""
    if isinstance(value, str):
        value = value.encode("utf-8", "surrogateescape")
    elif isinstance(value, bytearray):
        value = bytes(value)
    elif not isinstance(value, bytes):
        raise TypeError(
            f"{function}() argument '{argument}' must be str or bytes, not {type(value).__name__}"
        )
    if b"\0" in value:
        raise ValueError(f"{function}() argument '{argument}' contains a NUL character")
    return value


def detect_from_syst(reply: str | bytes, current: HostType | int = HostType.AUTO) -> HostType | int:
    """The host type a SYST reply names ("215 UNIX Type: L8"), or current.

    Only an AUTO (or 0) current is ever replaced."""
    current_id = host_type_id(current, "detect_from_syst", "current")
    reply_bytes = server_text(reply, "detect_from_syst", "reply")
    return as_host_type(_core.detect_from_syst(reply_bytes, current_id))


def detect_from_greeting(text: str | bytes, current: HostType | int = HostType.AUTO) -> HostType | int:
    """The host type a greeting or other server text names, or current.

    "220 Serv-U FTP Server v6.0 ready" names Serv-U. Only an AUTO current is
    ever replaced."""
    current_id = host_type_id(current, "detect_from_greeting", "current")
    text_bytes = server_text(text, "detect_from_greeting", "text")
    return as_host_type(_core.detect_from_greeting(text_bytes, current_id))


class Candidate(NamedTuple):
    """One way of reading a listing's first lines: how a host type decodes them."""

    host_type: HostType | int
    score: int
    """0 to 1000: how much of the lines its records explain (fields and names
    that match the text, the dialect's own headings and totals dropped), less
    what they get wrong (column debris in names, dates not in the line)."""
    lines_read: int
    """Lines it reads well: entries with their fields, and its own headings,
    totals and continuation lines, dropped."""
    entries: int
    """Lines that give an entry, read well or not."""
    lines_tried: int
    """Lines it was tried on: all, unless it fell far behind and was dropped."""
    same_records_as: HostType | int | None
    """A host type ranked before it that decodes every line to the same
    records: the two cannot be told apart from these lines."""


class Guess(list):
    """The candidates of a guess, best first (a list of Candidate), and its outcome.

    host_type is the best candidate's, or AUTO when none reads the lines
    well. verdict says how sure the guess is: "clear", "close" (the next
    different reading is not far behind), "names only" (the lines show names
    and nothing more: a plain name list, or no listing at all) or "none".
    tied are the host types that decode the lines to the same records as the
    guess; runner_up is the best candidate whose records differ; current is
    how the host type passed as current reads the same lines."""

    _VERDICTS = ("none", "names only", "close", "clear")

    def __init__(self, result: tuple) -> None:
        best, verdict, lines, tied, runner_up, current, candidates = result
        super().__init__(_candidate(values) for values in candidates)
        self.host_type = as_host_type(best)
        self.verdict = self._VERDICTS[verdict]
        self.lines_sampled = lines
        self.tied = tuple(candidate.host_type for candidate in self[1 : 1 + tied])
        self.runner_up = self[runner_up] if runner_up >= 0 else None
        self.current = _candidate(current)

    def __repr__(self) -> str:
        return f"<Guess {self.host_type!r} ({self.verdict}) of {len(self)} candidates>"


def _candidate(values: tuple) -> Candidate:
    host_type, score, lines_read, entries, lines_tried, same = values
    return Candidate(as_host_type(host_type), score, lines_read, entries, lines_tried,
                     as_host_type(same) if same else None)


def guess_sample(data: object, encoding: str, function: str, argument: str) -> bytes:
    """The first lines of data as the guess reads them: bytes or str as they
    are, an iterable of lines joined at LF (their own line ends dropped)."""
    if isinstance(data, str):
        return data[: _core.GUESS_MAX_BYTES].encode(encoding, "surrogateescape")
    if isinstance(data, (bytes, bytearray, memoryview)):
        return bytes(data[: _core.GUESS_MAX_BYTES])
    if not isinstance(data, Iterable):
        raise TypeError(
            f"{function}() argument '{argument}' must be bytes, str or an iterable of lines, "
            f"not {type(data).__name__}"
        )
    sample = []
    for number, line in enumerate(itertools.islice(data, _core.GUESS_MAX_LINES), 1):
        if isinstance(line, str):
            line = line.encode(encoding, "surrogateescape")
        elif not isinstance(line, (bytes, bytearray)):
            raise TypeError(
                f"{function}() line {number} of {argument} must be str or bytes, "
                f"not {type(line).__name__}"
            )
        sample.append(bytes(line).rstrip(b"\r\n"))
    return b"\n".join(sample)


def guess_host_type(
    lines: bytes | str | Iterable[str | bytes],
    current: HostType | int = HostType.AUTO,
    *,
    encoding: str = "utf-8",
) -> Guess:
    """Guesses which host type wrote a listing from its first lines.

    lines is the listing (bytes or str) or an iterable of its lines; only
    the first 64 lines within 16 KB are read. Every way the library knows of
    reading a listing is tried on them and ranked by how much of the lines
    its records explain. The guess keeps nothing: decoding afterwards gives
    the same records as if no guess had been made."""
    current_id = host_type_id(current, "guess_host_type", "current")
    return Guess(_core.guess(guess_sample(lines, encoding, "guess_host_type", "lines"), current_id))


def choose_host_type(
    function: str,
    host_type: object = None,
    *,
    syst: str | bytes | None = None,
    greeting: str | bytes | None = None,
    sample: Callable[[], bytes] | None = None,
) -> tuple[HostType | int, str, Guess | None]:
    """The host type to decode a listing with, how it was chosen, and the
    guess when one was made.

    As qorda-ls chooses: a given type other than AUTO ("given"); else the
    greeting's ("greeting"), else the SYST reply's ("syst"); else the guess
    from the listing's first lines, which sample gives ("guessed"); else
    AUTO ("auto"), which decodes as Unix."""
    given = None if host_type is None else host_type_id(host_type, function, "host_type")
    greeting_text = None if greeting is None else server_text(greeting, function, "greeting")
    reply = None if syst is None else server_text(syst, function, "syst")
    if given is not None and given != HostType.AUTO:
        return as_host_type(given), "given", None
    if greeting_text is not None:
        detected = _core.detect_from_greeting(greeting_text, HostType.AUTO)
        if detected != HostType.AUTO:
            return as_host_type(detected), "greeting", None
    if reply is not None:
        detected = _core.detect_from_syst(reply, HostType.AUTO)
        if detected != HostType.AUTO:
            return as_host_type(detected), "syst", None
    if sample is not None:
        guess = Guess(_core.guess(sample(), HostType.AUTO))
        if guess.verdict != "none":
            return guess.host_type, "guessed", guess
        return HostType.AUTO, "auto", guess
    return HostType.AUTO, "auto", None
