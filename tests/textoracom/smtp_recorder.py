"""An aiosmtpd handler that appends every message it takes, parsed, as one JSON line to a file.

python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtp_recorder.Recorder OUTPUT
"""
import email
import email.policy
import json


class Recorder:
    def __init__(self, output):
        self.output = output

    @classmethod
    def from_cli(cls, parser, *args):
        if len(args) != 1:
            parser.error("Recorder needs the output file")
        return cls(args[0])

    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.original_content or envelope.content,
                                           policy=email.policy.default)
        payload = message.get_payload(decode=True) or b""
        charset = message.get_content_charset() or ""
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "from": str(message["From"]),
            "to": str(message["To"]),
            "subject": str(message["Subject"]),
            "charset": charset,
            "transfer_encoding": str(message["Content-Transfer-Encoding"]),
            "body_hex": payload.hex(),
            "body": payload.decode(charset or "ascii", errors="replace"),
            "tls": session.ssl is not None,
        }
        with open(self.output, "a", encoding="utf-8") as out:
            out.write(json.dumps(record) + "\n")
        return "250 OK"
