#!/usr/bin/python3
"""A local SFTP server for the upload tests.

Serves ROOT, as the login folder, to one account logging in with a password, on 127.0.0.1 at a
free port, which it prints as "port N" once it listens. Its host key is made afresh each run;
--known-hosts PATH writes the key's known_hosts line there first, or with --other-key the line
of a different key under the same name, as when a server has been replaced. It runs until it is
sent SIGTERM.
"""
import argparse
import asyncio
import signal
import warnings

warnings.simplefilter("ignore")  # the ciphers asyncssh imports but the tests never use

import asyncssh  # noqa: E402


def known_hosts_line(port, key):
    public = key.export_public_key("openssh").decode().split()
    return "[127.0.0.1]:%d %s %s\n" % (port, public[0], public[1])


async def serve(args):
    class Server(asyncssh.SSHServer):
        def begin_auth(self, username):
            return True

        def password_auth_supported(self):
            return True

        def validate_password(self, username, password):
            return username == args.user and password == args.password

    host_key = asyncssh.generate_private_key("ecdsa-sha2-nistp256")
    server = await asyncssh.listen(
        "127.0.0.1", 0, server_factory=Server, server_host_keys=[host_key],
        sftp_factory=lambda channel: asyncssh.SFTPServer(channel, chroot=args.root))
    port = server.sockets[0].getsockname()[1]
    if args.known_hosts:
        listed = asyncssh.generate_private_key("ecdsa-sha2-nistp256") if args.other_key else host_key
        with open(args.known_hosts, "w") as known_hosts:
            known_hosts.write(known_hosts_line(port, listed))
    print("port", port, flush=True)

    stop = asyncio.Event()
    asyncio.get_running_loop().add_signal_handler(signal.SIGTERM, stop.set)
    await stop.wait()
    server.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--known-hosts")
    parser.add_argument("--other-key", action="store_true")
    asyncio.run(serve(parser.parse_args()))


if __name__ == "__main__":
    main()
