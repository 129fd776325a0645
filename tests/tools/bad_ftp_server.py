"""An FTP server on the loopback interface that misbehaves as it is told,
and exits by itself after --lifetime seconds. Lines take Python escapes
("\\x1b"); a greeting that ends in no 2xx line is all the server says.

  bad_ftp_server.py --port N [--greeting LINE]... [--reply VERB=LINE]...
                    [--data lines:N|stall:N|endless|trickle:S] [--lifetime S]

stall:N sends N lines, then nothing; trickle:S a byte every S seconds.
"""
import argparse
import socket
import socketserver
import threading
import time

parser = argparse.ArgumentParser()
parser.add_argument("--port", type=int, required=True)
parser.add_argument("--greeting", action="append")
parser.add_argument("--reply", action="append", default=[])
parser.add_argument("--data", default="lines:3")
parser.add_argument("--lifetime", type=float, default=60)
options = parser.parse_args()


def unescape(text):
    return text.encode("latin-1").decode("unicode_escape").encode("latin-1")


REPLIES = {b"USER": b"331 Password please", b"PASS": b"230 Logged in",
           b"SYST": b"215 UNIX Type: L8", b"PWD": b'257 "/" is the current directory',
           b"LIST": b"150 Here it comes", b"QUIT": b"221 Bye"}
for verb, _, line in (reply.partition("=") for reply in options.reply):
    REPLIES[verb.encode()] = unescape(line)
LINE = b"-rw-r--r--   1 owner    group        1234 Jan 12  2019 "


def send_listing(data):
    mode, _, value = options.data.partition(":")
    line = LINE + mode.encode() + b"\r\n"
    if mode == "trickle":
        for byte in line * 1000:
            data.sendall(bytes([byte]))
            time.sleep(float(value))
    elif mode == "endless":
        while True:
            data.sendall(line * 1000)
    else:
        data.sendall(line * int(value))
        if mode == "stall":
            time.sleep(options.lifetime)


class Session(socketserver.StreamRequestHandler):
    def handle(self):
        greeting = [unescape(line) for line in options.greeting or ["220 ready"]]
        self.wfile.write(b"".join(line + b"\r\n" for line in greeting))
        if greeting[-1][:1] != b"2":
            return
        for request in self.rfile:
            verb = (request.split() or [b""])[0].upper()
            if verb == b"EPSV":
                listener = socket.create_server(("127.0.0.1", 0))
                port = listener.getsockname()[1]
                self.wfile.write(b"229 Entering Extended Passive Mode (|||%d|)\r\n" % port)
                continue
            reply = REPLIES.get(verb, b"200 OK")
            self.wfile.write(reply + b"\r\n")
            if verb == b"QUIT":
                return
            if verb == b"LIST" and reply[:1] == b"1":
                data, _ = listener.accept()
                try:
                    send_listing(data)
                finally:
                    data.close()
                self.wfile.write(b"226 Done\r\n")


socketserver.ThreadingTCPServer.daemon_threads = True
server = socketserver.ThreadingTCPServer(("127.0.0.1", options.port), Session)
threading.Thread(target=server.serve_forever, daemon=True).start()
time.sleep(options.lifetime)
