#!/usr/bin/env python3
"""Makes the demonstration's avatar (avatar.png) and short video (video.avi,
Motion-JPEG, 2 s at 10 frames per second) with ImageMagick's convert.
Run it from anywhere; it writes next to itself."""
import os
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT, FPS, FRAMES = 320, 240, 10, 20
FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"


def convert(*args):
    subprocess.run(["convert", *args], check=True)


def make_avatar(path):
    # A calm round face on a blue ground, 96 x 96.
    convert("-size", "96x96", "radial-gradient:#7fc4ff-#1f6fd1",
            "-fill", "#ffe2b8", "-draw", "circle 48,44 48,18",
            "-fill", "#2b2b2b", "-draw", "circle 39,40 39,43", "-draw", "circle 57,40 57,43",
            "-fill", "none", "-stroke", "#b8572a", "-strokewidth", "2",
            "-draw", "arc 38,44 58,60 20,160",
            "-fill", "#ffffff", "-stroke", "none", "-draw", "rectangle 22,74 74,96",
            "-depth", "8", "PNG32:" + path)


def make_frames(folder):
    frames = []
    for i in range(FRAMES):
        x = 20 + i * (WIDTH - 80) // (FRAMES - 1)
        path = os.path.join(folder, f"f{i:02d}.jpg")
        convert("-size", f"{WIDTH}x{HEIGHT}", "gradient:#1c3f73-#3f8fd8",
                "-fill", "#ffd34d", "-draw", f"circle {x + 20},120 {x + 20},100",
                "-fill", "white", "-font", FONT, "-pointsize", "18",
                "-draw", "text 96,210 'Zovra demo'",
                "-quality", "80", path)
        with open(path, "rb") as f:
            frames.append(f.read())
    return frames


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def write_avi(path, frames):
    biggest = max(len(f) for f in frames)
    avih = struct.pack("<IIIIIIIIII4I", 1000000 // FPS, biggest * FPS, 0, 0x10, len(frames),
                       0, 1, biggest, WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"MJPG", 0, 0, 0, 0, 1, FPS, 0,
                       len(frames), biggest, 0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)
    strf = struct.pack("<IiiHH4sIiiII", 40, WIDTH, HEIGHT, 1, 24, b"MJPG",
                       WIDTH * HEIGHT * 3, 0, 0, 0, 0)
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) +
                     riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi_body, index, offset = b"", b"", 4
    for frame in frames:
        data = chunk(b"00dc", frame)
        index += struct.pack("<4sIII", b"00dc", 0x10, offset, len(frame))
        movi_body += data
        offset += len(data)
    movi = riff_list(b"LIST", b"movi", movi_body)
    with open(path, "wb") as f:
        f.write(riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index)))


def main():
    make_avatar(os.path.join(HERE, "avatar.png"))
    with tempfile.TemporaryDirectory() as folder:
        write_avi(os.path.join(HERE, "video.avi"), make_frames(folder))


if __name__ == "__main__":
    main()
