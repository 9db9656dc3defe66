#!/usr/bin/python3
"""The community server for tests: a real FTP server on 127.0.0.1.

It serves a root folder holding the server's layout ("Ovilux/Versions.txt" and
the folder "Ovilux/CommunityFiles"), accepts the shared account "QFNUpdates"
with the password given, prints "port N" on its first line once it listens and
serves until its user ends it (SIGTERM); its lifetime is only a safety net
against a server left behind. A name listing (NLST) of a folder answers
one "Ovilux/CommunityFiles/<name>" line per file, the folder's path as the
client named it in front of each name, as the community server does.

Modes, to misbehave on request:
  normal          serves as a good server does
  refuse-writes   every store, delete and rename is refused (550)
  refuse-first-download
                  the first download of a shared file is refused (550), as
                  for a file deleted since the listing
  abort-transfer  every transfer (store or retrieve) is cut off half-way and
                  answered "426 Transfer aborted."
  die-listing     a name listing sends half its lines, then the server dies
  hostile-names   a name listing also carries names that try to leave the
                  library folder or overflow its buffers
  silent          accepts connections and never says a word
  drip            every reply (the greeting too) goes out one byte a second
  stall-downloads a shared file's download opens its data connection, then
                  sends nothing and never ends
  drip-downloads  a shared file's download sends one byte a second
  trickle-downloads
                  a shared file's download sends one byte every 2 seconds
  full-queue      every passive reply (EPSV is refused, PASV answered) names a
                  127.0.0.1 port whose accept queue is full: a connection to
                  it is never accepted
  pasv-elsewhere  PASV (EPSV is refused) names 127.0.0.2, as a server behind
                  a NAT names its private address; a data connection made
                  there gets a byte every 150 ms without a line end, without
                  end, while the same port on 127.0.0.1, the control
                  connection's address, serves the transfer as usual
  withhold-completion
                  a shared file's transfer (download or upload) goes whole,
                  but its completion reply never comes, and QUIT is never
                  answered (a hung server, or a NAT that dropped the control
                  connection during a long transfer)
  drip-pwd        greets and logs in as usual, then sends its reply to PWD
                  one byte a second
  one-connection  passive replies as in full-queue, and only the first
                  control connection is served: every later one is accepted
                  and never answered (a server that allows one session per
                  address)
  too-many-users  the first upload or download of a shared file is answered
                  "421 There are too many connected users, please try
                  later." and its control connection closed; every control
                  connection after that is greeted with the same reply and
                  closed (a server that filled up)
  blank-lines     a name listing puts one empty line after every other name
                  and two after the rest, and ends with a line holding only
                  a carriage return

  ftp_server.py --password PASS [--root DIR] [--port N] [--lifetime S] [--mode M]
"""

import argparse
import os
import select
import shutil
import signal
import socket
import sys
import tempfile
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import FilesystemError
from pyftpdlib.handlers import DTPHandler, FTPHandler, PassiveDTP
from pyftpdlib.ioloop import Acceptor
from pyftpdlib.handlers import asynchat  # the same module, without a second deprecation warning
from pyftpdlib.servers import FTPServer

USER = "QFNUpdates"
HOSTILE_NAMES = [
    "../escaped.csv",
    "../../Resources/plugins/Ovilux/Ovilux.ini",
    "/etc/passwd",
    "sub/folder.csv",
    "back\\slash.csv",
    ".",
    "..",
    "",
    "control\x01char.csv",
    "L" * 3000 + ".csv",
    # Fits the library's paths but no Linux file name (255 bytes at most).
    "N" * 300 + ".csv",
]


# Modes whose passive replies the server makes up itself.
OWN_PASSIVE_MODES = ("full-queue", "pasv-elsewhere")
HELD_DOWNLOAD_MODES = ("stall-downloads", "drip-downloads", "trickle-downloads")
WITHHOLD_MODES = ("withhold-completion",)
# Seconds between the bytes of a held download.
DRIP_INTERVALS = {"drip-downloads": 1, "trickle-downloads": 2}
ELSEWHERE = "127.0.0.2"

_full_queue = []
# The download refused in refuse-first-download, once refused.
_refused = []
# too-many-users: the server has filled up.
_full = []
TOO_MANY_USERS = "421 There are too many connected users, please try later."


def accept_queue_length(port):
    """The connections waiting in the accept queue of the 127.0.0.1 listener
    on port, as Linux counts them (/proc/net/tcp's rx_queue of a LISTEN row)."""
    with open("/proc/net/tcp") as table:
        for row in table.readlines()[1:]:
            fields = row.split()
            local, state, queues = fields[1], fields[3], fields[4]
            if state == "0A" and int(local.split(":")[1], 16) == port:
                return int(queues.split(":")[1], 16)
    return 0


def full_queue_port():
    """A 127.0.0.1 port whose accept queue is full: the listener never
    accepts, and connections to it wait until the queue is, so a new one
    gets no answer at all (its SYN is dropped).

    The queue counts as full only once the kernel holds the first filler in
    it: a connection begun before that would be let in halfway (with SYN
    cookies, its handshake's last step meets a full queue and is reset), and
    on a busy machine the kernel may finish a loopback handshake late."""
    if not _full_queue:
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.bind(("127.0.0.1", 0))
        listener.listen(0)
        _full_queue.append(listener)
        address = listener.getsockname()
        first = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        first.setblocking(False)
        first.connect_ex(address)
        _full_queue.append(first)
        deadline = time.monotonic() + 60
        while accept_queue_length(address[1]) < 1 and time.monotonic() < deadline:
            time.sleep(0.01)
        for _ in range(15):
            filler = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            filler.setblocking(False)
            filler.connect_ex(address)
            _full_queue.append(filler)
            if not select.select([], [filler], [], 0.3)[1]:
                break
    return _full_queue[0].getsockname()[1]


def dribble_without_end(sock):
    """A byte every 150 ms, never a line end, until the client goes away."""
    try:
        while True:
            sock.sendall(b"x")
            time.sleep(0.15)
    except OSError:
        pass
    finally:
        sock.close()


class ElsewhereListener(Acceptor):
    """The address the PASV reply names, on the passive port."""

    def __init__(self, ioloop, port):
        Acceptor.__init__(self, ioloop=ioloop)
        self.create_socket(socket.AF_INET, socket.SOCK_STREAM)
        self.bind((ELSEWHERE, port))
        self.listen(5)

    def handle_accepted(self, sock, addr):
        thread = threading.Thread(target=dribble_without_end, args=(sock,))
        thread.daemon = True
        thread.start()


class ElsewherePassiveDTP(PassiveDTP):
    """Listens on the control connection's address, names 127.0.0.2 (the
    handler's masquerade address) and listens there too."""

    def __init__(self, cmd_channel, extmode=False):
        self._elsewhere = None
        PassiveDTP.__init__(self, cmd_channel, extmode)
        self._elsewhere = ElsewhereListener(cmd_channel.ioloop, self.socket.getsockname()[1])

    def close(self):
        if self._elsewhere is not None:
            self._elsewhere.close()
            self._elsewhere = None
        PassiveDTP.close(self)


def prepare_root(root):
    os.makedirs(os.path.join(root, "Ovilux", "CommunityFiles"), exist_ok=True)
    versions = os.path.join(root, "Ovilux", "Versions.txt")
    if not os.path.exists(versions):
        with open(versions, "w") as out:
            out.write("Ovilux 2.4.3\n")


class CommunityHandler(FTPHandler):
    mode = "normal"
    _last_nlst_arg = ""

    def _listing_lines(self, path, arg):
        names = sorted(self.run_as_current_user(self.fs.listdir, path))
        prefix = (arg or "").strip().lstrip("/").rstrip("/")
        lines = [(prefix + "/" + name) if prefix else name for name in names]
        if self.mode == "hostile-names":
            lines += [prefix + "/" + name for name in HOSTILE_NAMES]
        return lines

    def ftp_NLST(self, path):
        if not self.fs.isdir(path):
            return FTPHandler.ftp_NLST(self, path)
        try:
            lines = self._listing_lines(path, self._last_nlst_arg)
        except (OSError, FilesystemError) as err:
            self.respond("550 %s." % err)
            return
        if self.mode == "die-listing":
            lines = lines[: max(1, len(lines) // 2)]
        if self.mode == "blank-lines":
            lines = [line + "\r\n" * (i % 2 + 1) for i, line in enumerate(lines)] + ["\r"]
        data = "".join(line + "\r\n" for line in lines)
        self.push_dtp_data(data.encode("utf8", "surrogateescape"), cmd="NLST")
        return path

    def handle(self):
        if self.mode == "too-many-users" and _full:
            self.respond(TOO_MANY_USERS)
            self.close_when_done()
            return
        return FTPHandler.handle(self)

    def _fills_up(self, file):
        """too-many-users: the first transfer of a shared file fills the server."""
        if self.mode != "too-many-users" or "CommunityFiles" not in file or _full:
            return False
        _full.append(file)
        self.respond(TOO_MANY_USERS)
        self.close_when_done()
        return True

    def ftp_RETR(self, file):
        if self._fills_up(file):
            return
        if self.mode == "refuse-first-download" and "CommunityFiles" in file and not _refused:
            _refused.append(file)
            self.respond("550 No such file or directory.")
            return
        # The transfer of a shared file is the one held back, so that the
        # version list and the listing still arrive.
        self.hold_transfer = self.mode in HELD_DOWNLOAD_MODES and "CommunityFiles" in file
        self.withhold_completion = self.mode in WITHHOLD_MODES and "CommunityFiles" in file
        return FTPHandler.ftp_RETR(self, file)

    def ftp_STOR(self, file, mode="w"):
        if self._fills_up(file):
            return
        self.withhold_completion = self.mode in WITHHOLD_MODES and "CommunityFiles" in file
        return FTPHandler.ftp_STOR(self, file, mode)

    def ftp_QUIT(self, line):
        if self.mode in WITHHOLD_MODES:
            return
        return FTPHandler.ftp_QUIT(self, line)

    def ftp_EPSV(self, line):
        if self.mode in OWN_PASSIVE_MODES or self.mode == "one-connection":
            self.respond("502 EPSV not implemented.")
            return
        return FTPHandler.ftp_EPSV(self, line)

    def ftp_PASV(self, line):
        if self.mode in ("full-queue", "one-connection"):
            port = full_queue_port()
            self.respond("227 Entering passive mode (127,0,0,1,%d,%d)." % (port // 256, port % 256))
            return
        return FTPHandler.ftp_PASV(self, line)

    def pre_process_command(self, line, cmd, arg):
        if cmd == "NLST":
            self._last_nlst_arg = arg
        if self.mode == "refuse-writes" and cmd in ("STOR", "APPE", "STOU", "DELE", "RNFR", "RNTO", "MKD", "RMD"):
            self.respond("550 Not enough privileges.")
            return
        return FTPHandler.pre_process_command(self, line, cmd, arg)


class SilentHandler(CommunityHandler):
    """Accepts, then neither greets nor answers."""

    def handle(self):
        pass

    def found_terminator(self):
        self._in_buffer = []
        self._in_buffer_len = 0


class OneConnectionHandler(CommunityHandler):
    """Serves the first control connection; later ones are accepted and
    never answered."""

    _connections = [0]
    _ignored = False

    def handle(self):
        self._connections[0] += 1
        self._ignored = self._connections[0] > 1
        if not self._ignored:
            CommunityHandler.handle(self)

    def found_terminator(self):
        if self._ignored:
            self._in_buffer = []
            self._in_buffer_len = 0
            return
        CommunityHandler.found_terminator(self)


class Dripping:
    """A channel that sends what it is given one byte a second (or every
    drip_interval seconds)."""

    _waiting = b""
    _dripping = False
    drip_interval = 1

    def drip(self, data):
        self._waiting += data
        if not self._dripping:
            self._dripping = True
            self.ioloop.call_later(self.drip_interval, self._drip_one, _errback=self.handle_error)

    def _drip_one(self):
        if self._closed:
            return
        byte, self._waiting = self._waiting[:1], self._waiting[1:]
        asynchat.async_chat.push(self, byte)
        if self._waiting:
            self.ioloop.call_later(self.drip_interval, self._drip_one, _errback=self.handle_error)
        else:
            self._dripping = False
            self.dripped()

    def dripped(self):
        pass


class DrippingHandler(Dripping, CommunityHandler):
    """Sends every reply one byte a second."""

    def push(self, s):
        self.drip(s.encode("utf8"))


class PwdDrippingHandler(Dripping, CommunityHandler):
    """Sends its reply to PWD one byte a second, every other as usual."""

    _dripping_reply = False

    def ftp_PWD(self, line):
        self._dripping_reply = True
        try:
            return CommunityHandler.ftp_PWD(self, line)
        finally:
            self._dripping_reply = False

    def push(self, s):
        if self._dripping_reply:
            self.drip(s.encode("utf8"))
        else:
            CommunityHandler.push(self, s)


class WithholdingDTPHandler(DTPHandler):
    """A shared file's transfer goes whole; its completion reply is never
    sent."""

    def close(self):
        if getattr(self.cmd_channel, "withhold_completion", False):
            self._resp = ()
        DTPHandler.close(self)


class HoldingDTPHandler(Dripping, DTPHandler):
    """A shared file's download: nothing at all (stall-downloads), one byte
    a second (drip-downloads) or one every 2 seconds (trickle-downloads);
    other transfers go as usual."""

    _held = False

    def push_with_producer(self, producer):
        if not getattr(self.cmd_channel, "hold_transfer", False):
            return DTPHandler.push_with_producer(self, producer)
        self._held = True
        self._initialized = True
        if self.cmd_channel.mode in DRIP_INTERVALS:
            self.drip_interval = DRIP_INTERVALS[self.cmd_channel.mode]
            data = producer.more()
            while data:
                self.drip(data)
                data = producer.more()

    def dripped(self):
        DTPHandler.close_when_done(self)

    def close_when_done(self):
        if not self._held:
            DTPHandler.close_when_done(self)


class AbortingDTPHandler(DTPHandler):
    """Cuts every transfer off once half of it (or the first chunk) went by."""

    def __init__(self, sock, cmd_channel):
        DTPHandler.__init__(self, sock, cmd_channel)
        self._moved = 0

    def _abort(self):
        # The data connection is closed before the reply, as a server does.
        self._resp = ("426 Transfer aborted.", lambda *args, **kwargs: None)
        self.close()

    def handle_read(self):
        chunk_size = self.ac_in_buffer_size
        try:
            chunk = self.recv(chunk_size)
        except OSError:
            self.handle_error()
            return
        if chunk:
            half = chunk[: max(1, len(chunk) // 2)]
            self.file_obj.write(half)
        self._abort()

    handle_read_event = handle_read

    def initiate_send(self):
        if self._moved == 0 and self.producer_fifo:
            producer = self.producer_fifo[0]
            file_obj = getattr(producer, "file", None)
            if file_obj is not None:
                data = file_obj.read()
                half = data[: max(1, len(data) // 2)]
                self._moved = len(half)
                self.socket.setblocking(True)
                try:
                    self.socket.sendall(half)
                except OSError:
                    pass
                self._abort()
                return
        DTPHandler.initiate_send(self)


class DyingDTPHandler(DTPHandler):
    """Sends what was queued (half a listing), then the server dies: no reply,
    the connections dropped as a crashed server drops them."""

    def initiate_send(self):
        data = b""
        for item in list(self.producer_fifo):
            if isinstance(item, (bytes, bytearray)):
                data += item
            else:
                more = item.more()
                while more:
                    data += more
                    more = item.more()
        self.socket.setblocking(True)
        try:
            self.socket.sendall(data)
        except OSError:
            pass
        os._exit(3)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--password", required=True)
    parser.add_argument("--root")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--lifetime", type=float, default=900)
    parser.add_argument(
        "--mode",
        default="normal",
        choices=["normal", "refuse-writes", "abort-transfer", "die-listing", "hostile-names",
                 "silent", "drip", "stall-downloads", "drip-downloads", "trickle-downloads",
                 "full-queue", "pasv-elsewhere", "refuse-first-download",
                 "withhold-completion", "drip-pwd", "one-connection", "too-many-users",
                 "blank-lines"],
    )
    args = parser.parse_args()

    temporary = None
    root = args.root
    if not root:
        temporary = tempfile.mkdtemp(prefix="ovilux-ftp-")
        root = temporary
    prepare_root(root)

    authorizer = DummyAuthorizer()
    authorizer.add_user(USER, args.password, root, perm="elradfmw")
    handler = {"silent": SilentHandler, "drip": DrippingHandler, "drip-pwd": PwdDrippingHandler,
               "one-connection": OneConnectionHandler}.get(args.mode, CommunityHandler)
    handler.authorizer = authorizer
    handler.mode = args.mode
    handler.banner = "Ovilux community test server ready."
    handler.passive_ports = None
    if args.mode == "abort-transfer":
        handler.dtp_handler = AbortingDTPHandler
    if args.mode == "die-listing":
        handler.dtp_handler = DyingDTPHandler
    if args.mode in HELD_DOWNLOAD_MODES:
        handler.dtp_handler = HoldingDTPHandler
    if args.mode in WITHHOLD_MODES:
        handler.dtp_handler = WithholdingDTPHandler
    if args.mode == "pasv-elsewhere":
        handler.masquerade_address = ELSEWHERE
        handler.passive_dtp = ElsewherePassiveDTP

    import logging

    logging.basicConfig(level=logging.CRITICAL)
    server = FTPServer(("127.0.0.1", args.port), handler)
    server.max_cons = 16

    def finish(*_):
        # Stops at once, wherever the loop is; the temporary root goes with it.
        if temporary:
            shutil.rmtree(temporary, ignore_errors=True)
        os._exit(0)

    signal.signal(signal.SIGTERM, finish)
    signal.signal(signal.SIGINT, finish)
    timer = threading.Timer(args.lifetime, finish)
    timer.daemon = True
    timer.start()

    def end_with_parent(parent):
        # A test that died leaves no server behind holding its output open.
        while os.getppid() == parent:
            time.sleep(0.5)
        finish()

    threading.Thread(target=end_with_parent, args=(os.getppid(),), daemon=True).start()

    print("port %d" % server.address[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    sys.exit(main())
