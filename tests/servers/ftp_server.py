#!/usr/bin/python3
"""A local FTP server for the upload tests.

Serves ROOT to one account on 127.0.0.1 at a free port, which it prints as "port N" once it
listens. It runs until it is sent SIGTERM. --drop-once drops the first data connection
that brings a file, before writing anything; --die-on-data ends the whole server as soon as a
file's first bytes arrive. --tls-ca PATH serves FTP with explicit TLS, required on both the
control and the data connections, under a certificate for 127.0.0.1 from a test authority made
afresh, whose own certificate it writes to PATH (the two switches above then do nothing).
"""
import argparse
import os
import socket
import struct

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def make_certificates(ca_path):
    """Writes a new authority's certificate to ca_path and returns the file beside it that holds
    a server certificate it signed for 127.0.0.1, with the server's key."""
    import datetime
    import ipaddress

    from cryptography import x509
    from cryptography.hazmat.primitives import hashes, serialization
    from cryptography.hazmat.primitives.asymmetric import ec
    from cryptography.x509.oid import NameOID

    now = datetime.datetime.now(datetime.timezone.utc)
    start, end = now - datetime.timedelta(hours=1), now + datetime.timedelta(days=1)

    def name(text):
        return x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, text)])

    ca_key = ec.generate_private_key(ec.SECP256R1())
    ca = (x509.CertificateBuilder().subject_name(name("Upload test authority"))
          .issuer_name(name("Upload test authority")).public_key(ca_key.public_key())
          .serial_number(x509.random_serial_number()).not_valid_before(start)
          .not_valid_after(end)
          .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
          .sign(ca_key, hashes.SHA256()))
    key = ec.generate_private_key(ec.SECP256R1())
    server = (x509.CertificateBuilder().subject_name(name("127.0.0.1"))
              .issuer_name(ca.subject).public_key(key.public_key())
              .serial_number(x509.random_serial_number()).not_valid_before(start)
              .not_valid_after(end)
              .add_extension(x509.SubjectAlternativeName(
                  [x509.IPAddress(ipaddress.ip_address("127.0.0.1"))]), critical=False)
              .sign(ca_key, hashes.SHA256()))
    with open(ca_path, "wb") as out:
        out.write(ca.public_bytes(serialization.Encoding.PEM))
    server_path = os.path.join(os.path.dirname(os.path.abspath(ca_path)), "test-server.pem")
    with open(server_path, "wb") as out:
        out.write(server.public_bytes(serialization.Encoding.PEM))
        out.write(key.private_bytes(serialization.Encoding.PEM,
                                    serialization.PrivateFormat.TraditionalOpenSSL,
                                    serialization.NoEncryption()))
    return server_path


def tls_context(certfile):
    """TLS up to 1.2. A TLS 1.3 server sends session tickets on each data connection after its
    handshake; libcurl never reads them, so its close resets the connection and the kernel drops
    the file's last bytes before this server has read them, which it then takes for a whole
    file."""
    from OpenSSL import SSL

    context = SSL.Context(SSL.TLS_SERVER_METHOD)
    context.set_max_proto_version(SSL.TLS1_2_VERSION)
    context.use_certificate_chain_file(certfile)
    context.use_privatekey_file(certfile)
    return context


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--drop-once", action="store_true")
    parser.add_argument("--die-on-data", action="store_true")
    parser.add_argument("--tls-ca", metavar="PATH")
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

    class UnbufferedFS(AbstractedFS):
        # The server answers "226" before it closes the file it wrote; unbuffered, every byte is
        # on disk by then, so a test may read the file as soon as the upload has ended.
        def open(self, filename, mode):
            return open(filename, mode, buffering=0)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    if args.tls_ca:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler  # needs python3-openssl

        class EarlyHandshakeDTPHandler(TLS_DTPHandler):
            # libcurl starts a data connection's handshake as soon as it connects, before the
            # command that uses it; the plain handler would take that for a client gone away.
            def readable(self):
                return self._ssl_accepting or super().readable()

        handler = TLS_FTPHandler
        handler.dtp_handler = EarlyHandshakeDTPHandler
        handler.ssl_context = tls_context(make_certificates(args.tls_ca))
        handler.tls_control_required = True
        handler.tls_data_required = True
    else:
        handler = FTPHandler
        handler.dtp_handler = TestDTPHandler
    handler.authorizer = authorizer
    handler.abstracted_fs = UnbufferedFS
    handler.passive_ports = None

    server = FTPServer(("127.0.0.1", 0), handler)
    print("port", server.socket.getsockname()[1], flush=True)

    # The loop returns when a dropped connection ends it; the server goes on.
    while True:
        server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
