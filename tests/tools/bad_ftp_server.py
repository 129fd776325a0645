"""An FTP server on the loopback interface that misbehaves as it is told,
for one connection at a time, and exits by itself after --lifetime seconds.

  bad_ftp_server.py --port N [--greeting LINE]... [--syst LINE]
                    [--list-reply LINE] [--data MODE] [--lifetime S]

Lines take Python escapes ("\\x1b"). Data modes: lines:N (N listing lines),
endless, stall:N (N lines, then silence), trickle:S (a byte every S seconds),
name:TEXT (one line naming TEXT), raw (the greeting is sent as it is, no
replies follow: a server of another protocol).
"""
import argparse
import socket
import threading
import time

parser = argparse.ArgumentParser()
parser.add_argument("--port", type=int, required=True)
parser.add_argument("--greeting", action="append")
parser.add_argument("--syst", default="215 UNIX Type: L8")
parser.add_argument("--list-reply", default="150 Here it comes")
parser.add_argument("--data", default="lines:3")
parser.add_argument("--lifetime", type=float, default=60)
options = parser.parse_args()


def unescape(text):
    return text.encode("latin-1").decode("unicode_escape").encode("latin-1")


LINE = b"-rw-r--r--   1 owner    group        1234 Jan 12  2019 "


def send_listing(data):
    mode, _, value = options.data.partition(":")
    if mode == "lines":
        data.sendall(b"".join(LINE + b"file%d\r\n" % i for i in range(int(value))))
    elif mode == "name":
        data.sendall(LINE + unescape(value) + b"\r\n")
    elif mode == "endless":
        block = LINE + b"endless\r\n"
        while True:
            data.sendall(block * 1000)
    elif mode == "stall":
        data.sendall((LINE + b"before-the-stall\r\n") * int(value))
        time.sleep(options.lifetime)
    elif mode == "trickle":
        for byte in LINE + b"trickled\r\n" * 1000:
            data.sendall(bytes([byte]))
            time.sleep(float(value))


def serve(control):
    reader = control.makefile("rb")
    greeting = [unescape(line) for line in options.greeting or ["220 ready"]]
    control.sendall(b"".join(line + b"\r\n" for line in greeting))
    if options.data == "raw" or greeting[-1][:1] in (b"4", b"5"):
        return
    listener = None
    for request in reader:
        verb = request.split()[0].upper() if request.split() else b""
        if verb == b"USER":
            control.sendall(b"331 Password please\r\n")
        elif verb == b"PASS":
            control.sendall(b"230 Logged in\r\n")
        elif verb == b"SYST":
            control.sendall(unescape(options.syst) + b"\r\n")
        elif verb == b"PWD":
            control.sendall(b'257 "/" is the current directory\r\n')
        elif verb in (b"EPSV", b"PASV"):
            listener = socket.create_server(("127.0.0.1", 0))
            port = listener.getsockname()[1]
            control.sendall(b"229 Entering Extended Passive Mode (|||%d|)\r\n" % port
                            if verb == b"EPSV" else
                            b"227 Entering Passive Mode (127,0,0,1,%d,%d)\r\n" % (port >> 8, port & 255))
        elif verb in (b"LIST", b"MLSD", b"NLST"):
            reply = unescape(options.list_reply)
            control.sendall(reply + b"\r\n")
            if reply[:1] != b"1":
                continue
            data, _ = listener.accept()
            try:
                send_listing(data)
            finally:
                data.close()
            control.sendall(b"226 Done\r\n")
        elif verb == b"QUIT":
            control.sendall(b"221 Bye\r\n")
            return
        else:
            control.sendall(b"200 OK\r\n")


def accept_forever(server):
    while True:
        control, _ = server.accept()
        threading.Thread(target=lambda: guarded(control), daemon=True).start()


def guarded(control):
    try:
        serve(control)
    except OSError:
        pass  # the client went away: it may
    finally:
        control.close()


server = socket.create_server(("127.0.0.1", options.port))
threading.Thread(target=accept_forever, args=(server,), daemon=True).start()
time.sleep(options.lifetime)
