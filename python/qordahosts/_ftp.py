"""list_ftp: a listing from a connected ftplib client, decoded."""

from __future__ import annotations

import ftplib

from ._hosts import HostType
from ._listing import Listing, decode_listing

try:
    from ssl import SSLSocket
except ImportError:  # a Python built without ssl has no FTP_TLS either
    SSLSocket = None


def _syst_reply(ftp: ftplib.FTP) -> str | None:
    try:
        return ftp.sendcmd("SYST")
    except ftplib.error_perm:  # 500 or 502: the server has no SYST
        return None


def _retrieve(ftp: ftplib.FTP, command: str) -> bytes:
    """The reply's bytes as sent; ftplib's retrlines would decode them
    strictly, and fail on a name that is not in ftp.encoding."""
    ftp.voidcmd("TYPE A")
    chunks = []
    with ftp.transfercmd(command) as connection:
        while chunk := connection.recv(1 << 16):
            chunks.append(chunk)
        if SSLSocket is not None and isinstance(connection, SSLSocket):
            connection.unwrap()
    ftp.voidresp()
    return b"".join(chunks)


def list_ftp(ftp: ftplib.FTP, path: str = "", *, mlsd: bool = False) -> Listing:
    """Lists path (the current directory when empty) on a connected, logged-in
    ftplib.FTP or FTP_TLS, and decodes the reply.

    The host type is detected from the connection's greeting and its SYST
    reply, as decode_listing detects it; with mlsd=True the server is asked
    for MLSD, whose lines have one format on every server. Names are decoded
    in ftp.encoding."""
    if not isinstance(ftp, ftplib.FTP):
        raise TypeError(f"list_ftp() argument 'ftp' must be an ftplib.FTP, not {type(ftp).__name__}")
    if not isinstance(path, str):
        raise TypeError(f"list_ftp() argument 'path' must be str, not {type(path).__name__}")
    command = ("MLSD" if mlsd else "LIST") + (f" {path}" if path else "")
    if mlsd:
        return decode_listing(_retrieve(ftp, command), HostType.MLSD, encoding=ftp.encoding)
    greeting, syst = ftp.getwelcome(), _syst_reply(ftp)
    return decode_listing(_retrieve(ftp, command), syst=syst, greeting=greeting, encoding=ftp.encoding)
