"""Host types: the library's table as an enum, detection, and the choice of
the host type a listing is decoded with."""

from __future__ import annotations

import enum
import re

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


def choose_host_type(
    function: str,
    host_type: object = None,
    *,
    syst: str | bytes | None = None,
    greeting: str | bytes | None = None,
) -> tuple[HostType | int, str]:
    """The host type to decode a listing with, and how it was chosen.

    As qorda-ls chooses: a given type other than AUTO ("given"); else the
    greeting's ("greeting"), else the SYST reply's ("syst"); else AUTO
    ("auto"), which decodes as Unix."""
    given = None if host_type is None else host_type_id(host_type, function, "host_type")
    greeting_text = None if greeting is None else server_text(greeting, function, "greeting")
    reply = None if syst is None else server_text(syst, function, "syst")
    if given is not None and given != HostType.AUTO:
        return as_host_type(given), "given"
    if greeting_text is not None:
        detected = _core.detect_from_greeting(greeting_text, HostType.AUTO)
        if detected != HostType.AUTO:
            return as_host_type(detected), "greeting"
    if reply is not None:
        detected = _core.detect_from_syst(reply, HostType.AUTO)
        if detected != HostType.AUTO:
            return as_host_type(detected), "syst"
    return HostType.AUTO, "auto"
