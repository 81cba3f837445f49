"""A web server on 127.0.0.1 for tests: it prints its port, then one line per request
("GET <path> <user agent>"), and answers from a folder of files. A path under /status/<code>/
answers that status with the file's text; a missing file is a 404. The SMS service's path
/send answers "OK" unless the number is in the file fail-numbers.txt of the folder."""
import http.server
import sys
import urllib.parse


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        print("GET %s %s" % (self.path, self.headers.get("User-Agent", "")), flush=True)
        url = urllib.parse.urlsplit(self.path)
        status = 200
        path = url.path
        if path == "/send":
            body = self.sms_answer(url.query)
        else:
            parts = path.split("/")
            if len(parts) > 3 and parts[1] == "status":
                status = int(parts[2])
                path = "/" + "/".join(parts[3:])
            try:
                with open(self.server.folder + urllib.parse.unquote(path), "rb") as f:
                    body = f.read()
            except OSError:
                status, body = 404, b"<html><body>Not Found</body></html>"
        self.send_response(status)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def sms_answer(self, query):
        number = ""
        for item in query.split("&"):
            key, _, value = item.partition("=")
            if key == "ToPhoneNumber":
                number = urllib.parse.unquote_to_bytes(value).decode("cp1255")
        try:
            with open(self.server.folder + "/fail-numbers.txt") as f:
                failing = f.read().split()
        except OSError:
            failing = []
        return b"ERROR 17: number refused" if number in failing else b"OK 100"


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.folder = sys.argv[1]
print(server.server_address[1], flush=True)
server.serve_forever()
