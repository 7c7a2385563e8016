#!/usr/bin/env python3
"""Tells whether the red button arrows in a screenshot taken at scale factor 2 were drawn at
that scale or are 1x pictures blown up. A picture blown up to twice its size is made of
uniform 2x2 blocks, so no block aligned to the window's even pixels holds both arrow red and
another colour; an arrow drawn at full resolution has its edges on odd pixels too.
Usage: doubled_blocks.py SCREENSHOT; prints "RED-BLOCKS MIXED-BLOCKS"."""
import subprocess
import sys


def read_ppm(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                          capture_output=True).stdout
    fields = data.split(maxsplit=4)  # P6, width, height, maximum, pixels
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit("doubled_blocks: unexpected image format")
    return int(fields[1]), int(fields[2]), fields[4]


def is_red(pixels, offset):
    r, g, b = pixels[offset], pixels[offset + 1], pixels[offset + 2]
    return r >= 150 and g <= 80 and b <= 80


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    red_blocks = mixed_blocks = 0
    for y in range(0, height - 1, 2):
        for x in range(0, width - 1, 2):
            corners = [3 * (y * width + x), 3 * (y * width + x + 1),
                       3 * ((y + 1) * width + x), 3 * ((y + 1) * width + x + 1)]
            reds = sum(is_red(pixels, c) for c in corners)
            if reds:
                red_blocks += 1
                if reds < 4:
                    mixed_blocks += 1
    print(red_blocks, mixed_blocks)


if __name__ == "__main__":
    main()
