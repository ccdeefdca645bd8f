#!/usr/bin/python3
"""A local FTP server for the upload tests.

Serves ROOT to one account on 127.0.0.1 at a free port, which it prints as "port N" once it
listens. It runs until it is sent SIGTERM. --drop-once drops the first data connection
that brings a file, before writing anything; --die-on-data ends the whole server as soon as a
file's first bytes arrive.
"""
import argparse
import os
import socket
import struct

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--drop-once", action="store_true")
    parser.add_argument("--die-on-data", action="store_true")
    args = parser.parse_args()

    dropped = []

    class TestDTPHandler(DTPHandler):
        def handle_read(self):
            if args.die_on_data:
                os._exit(0)
            if args.drop_once and not dropped:
                dropped.append(True)
                self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                       struct.pack("ii", 1, 0))
                channel = self.cmd_channel
                self.close()  # a reset, as a broken line gives
                channel.respond("426 Connection closed; transfer aborted.")
                return
            super().handle_read()

        handle_read_event = handle_read  # the loop calls this name

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    handler = FTPHandler
    handler.dtp_handler = TestDTPHandler
    handler.authorizer = authorizer
    handler.passive_ports = None

    server = FTPServer(("127.0.0.1", 0), handler)
    print("port", server.socket.getsockname()[1], flush=True)

    # The loop returns when a dropped connection ends it; the server goes on.
    while True:
        server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
