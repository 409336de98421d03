"""What an X window shows, and pictures compared pixel for pixel.

Usage: window_pixels.py grab WINDOW_ID OUT.ppm
       window_pixels.py same PICTURE PICTURE   (each a .png or a .ppm)
"""
import ctypes
import ctypes.util
import struct
import sys
import zlib


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


def window_rgb(window):
    """The window's width, height and rows of RGB bytes, top row first."""
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
        [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
    x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
        [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
    display = x11.XOpenDisplay(None)
    root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
    width, height, border, depth = (ctypes.c_uint() for _ in range(4))
    x11.XGetGeometry(display, window, root, x, y, width, height, border, depth)
    image = x11.XGetImage(display, window, 0, 0, width.value, height.value, 0xFFFFFFFF, 2).contents
    if image.bits_per_pixel != 32 or image.byte_order != 0:
        sys.exit("window_pixels: expected 32-bit little-endian pixels")
    raw = ctypes.string_at(image.data, image.bytes_per_line * image.height)
    rows = []
    for row in range(image.height):
        line = raw[row * image.bytes_per_line:row * image.bytes_per_line + 4 * image.width]
        rows.append(bytes(b for i in range(0, len(line), 4) for b in (line[i + 2], line[i + 1], line[i])))
    return image.width, image.height, rows


def png_rgb(path):
    """An 8-bit RGB PNG's width, height and rows of RGB bytes (as the replay tool writes them)."""
    data = open(path, "rb").read()
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        if kind == b"IHDR":
            width, height = struct.unpack(">II", data[at + 8:at + 16])
        elif kind == b"IDAT":
            idat += data[at + 8:at + 8 + length]
        at += 12 + length
    raw, rows, previous, stride = zlib.decompress(idat), [], bytearray(width * 3), width * 3 + 1
    for row in range(height):
        kind, line = raw[row * stride], bytearray(raw[row * stride + 1:(row + 1) * stride])
        for i in range(len(line)):
            left = line[i - 3] if i >= 3 else 0
            up, corner = previous[i], previous[i - 3] if i >= 3 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                best = min((abs(p - left), 0, left), (abs(p - up), 1, up), (abs(p - corner), 2, corner))[2]
                line[i] = (line[i] + best) & 255
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def ppm_rgb(path):
    """A binary PPM's width, height and rows of RGB bytes."""
    data = open(path, "rb").read()
    magic, size, depth, pixels = data.split(b"\n", 3)
    width, height = map(int, size.split())
    return width, height, [pixels[row * width * 3:(row + 1) * width * 3] for row in range(height)]


def main():
    if sys.argv[1] == "grab":
        width, height, rows = window_rgb(int(sys.argv[2], 0))
        with open(sys.argv[3], "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (width, height) + b"".join(rows))
        return
    first, second = ((png_rgb if path.endswith(".png") else ppm_rgb)(path) for path in sys.argv[2:4])
    if first[:2] != second[:2]:
        sys.exit(f"window_pixels: {sys.argv[2]} is {first[0]} x {first[1]}, {sys.argv[3]} {second[0]} x {second[1]}")
    differing = sum(a != b for a, b in zip(first[2], second[2]))
    if differing:
        sys.exit(f"window_pixels: {differing} rows of {sys.argv[2]} differ from {sys.argv[3]}")


main()
