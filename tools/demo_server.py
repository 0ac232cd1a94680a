#!/usr/bin/env python3
"""Serves the offline demonstration on 127.0.0.1: the share page (/s/demo),
its avatar and its video from assets/demo. Prints the page's address, then
serves until killed or for at most an hour."""
import http.server
import os
import sys
import threading

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "demo")
FILES = {
    "/avatar.png": ("avatar.png", "image/png"),
    "/video.avi": ("video.avi", "video/x-msvideo"),
}


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        path = self.path.split("?")[0]
        if path == "/s/demo":
            base = f"http://127.0.0.1:{self.server.server_port}"
            with open(os.path.join(ASSETS, "share_page.html"), encoding="utf-8") as f:
                body = f.read().replace("{BASE}", base).encode("utf-8")
            kind = "text/html; charset=utf-8"
        elif path in FILES:
            name, kind = FILES[path]
            with open(os.path.join(ASSETS, name), "rb") as f:
                body = f.read()
        else:
            self.send_error(404)
            return
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    print(f"http://127.0.0.1:{server.server_port}/s/demo", flush=True)
    threading.Timer(3600, server.shutdown).start()
    server.serve_forever()
    sys.exit(0)


if __name__ == "__main__":
    main()
