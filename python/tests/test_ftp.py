"""list_ftp against a real FTP server (pyftpdlib) on the loopback interface,
and the Dask example on a small folder."""

import ftplib
import json
import shutil
import subprocess
import sys
import threading

import pytest
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

import qordahosts
from conftest import ROOT
from qordahosts import HostType


@pytest.fixture
def ftp_server(tmp_path):
    (tmp_path / "notes é.txt").write_bytes(b"abc")
    (tmp_path / "my docs").mkdir()
    (tmp_path / "my docs" / "inner.bin").write_bytes(bytes(1000))
    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(str(tmp_path))
    handler = type("Handler", (FTPHandler,), {"authorizer": authorizer})
    server = FTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, kwargs={"timeout": 0.05})
    thread.start()
    yield server, handler
    server.close_all()
    thread.join(10)


@pytest.mark.parametrize(
    "banner, path, mlsd, host_type, chosen_by, entries",
    [
        ("pyftpdlib ready", "", False, HostType.UNIX_STANDARD, "syst",
         {("notes é.txt", False, 3), ("my docs", True, None)}),
        ("Serv-U FTP Server v15 ready", "my docs", False, HostType.SERV_U, "greeting",
         {("inner.bin", False, 1000)}),
        ("pyftpdlib ready", "", True, HostType.MLSD, "given",
         {("notes é.txt", False, 3), ("my docs", True, None)}),
    ],
)
def test_list_ftp_detects_lists_and_decodes(ftp_server, banner, path, mlsd, host_type, chosen_by, entries):
    server, handler = ftp_server
    handler.banner = banner
    with ftplib.FTP() as ftp:
        ftp.connect("127.0.0.1", server.address[1], timeout=10)
        ftp.login()
        listing = qordahosts.list_ftp(ftp, path, mlsd=mlsd)
    assert (listing.host_type, listing.chosen_by) == (host_type, chosen_by)
    assert {(entry.name, entry.is_dir, None if entry.is_dir else entry.size) for entry in listing} == entries


def test_dask_example_decodes_a_folder(tmp_path):
    names = ["a.txt", "b.txt", "c.txt"]
    for name in names:
        shutil.copy(ROOT / "examples" / "listings" / "unix.txt", tmp_path / name)
    command = [sys.executable, str(ROOT / "examples" / "python" / "decode_folder.py"), str(tmp_path),
               "--host-type", "Unix (Standard)", "--top", "2"]
    rows = [json.loads(line) for line in subprocess.run(command, check=True, capture_output=True).stdout.splitlines()]
    entries = list(qordahosts.decode_listing((tmp_path / "a.txt").read_bytes(), 6010))
    summary = {"host_type": 6010, "chosen_by": "given", "entries": len(entries),
               "directories": sum(entry.is_dir for entry in entries), "bytes": sum(entry.size for entry in entries)}
    assert rows[:3] == [{"file": name, **summary} for name in names]
    largest = max(entries, key=lambda entry: entry.size)
    assert [(row["largest"], row["size"]) for row in rows[3:]] == [(largest.name, largest.size)] * 2
