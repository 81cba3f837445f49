"""An FTP server on 127.0.0.1 for the tests, with the faults they need.

Usage: FtpTestServer.py ROOT USER PASSWORD [--read-only] [--drop-store N] [--drop-retrieve N]
Prints "PORT <number>" once it listens. --drop-store N drops the connection after the first block
of the N-th upload; --drop-retrieve N drops it on the N-th download.
"""
import argparse

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

parser = argparse.ArgumentParser()
parser.add_argument("root")
parser.add_argument("user")
parser.add_argument("password")
parser.add_argument("--read-only", action="store_true")
parser.add_argument("--drop-store", type=int, default=0)
parser.add_argument("--drop-retrieve", type=int, default=0)
options = parser.parse_args()

counts = {"STOR": 0, "RETR": 0}


class DroppingDTP(DTPHandler):
    def handle_read(self):
        super().handle_read()
        if getattr(self.cmd_channel, "drop_during_store", False):
            self.cmd_channel.close()

    handle_read_event = handle_read


class Handler(FTPHandler):
    dtp_handler = DroppingDTP

    def ftp_STOR(self, file, mode="w"):
        counts["STOR"] += 1
        self.drop_during_store = counts["STOR"] == options.drop_store
        return super().ftp_STOR(file, mode)

    def ftp_RETR(self, file):
        counts["RETR"] += 1
        if counts["RETR"] == options.drop_retrieve:
            self.close()
            return
        return super().ftp_RETR(file)


authorizer = DummyAuthorizer()
authorizer.add_user(options.user, options.password, options.root,
                    perm="elr" if options.read_only else "elradfmw")
Handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), Handler)
print("PORT", server.socket.getsockname()[1], flush=True)
server.serve_forever()
