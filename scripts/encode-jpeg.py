#!/usr/bin/python3
"""Encodes the product picture that kovra-resources drew (a 24-bit .bmp) as a JPEG, checks
that the JPEG decodes close to the drawing, and writes its bytes as a C++ source.

usage: encode-jpeg.py PICTURE.bmp OUT.jpg OUT.cpp
Needs Pillow (Debian python3-pil); run it with /usr/bin/python3.
"""
import sys

from PIL import Image, ImageChops, ImageStat

# Mean difference per colour channel (0-255) that the encoded picture may show.
MEAN_ERROR_LIMIT = 3.0


def main(source, jpeg, cpp):
    drawn = Image.open(source).convert("RGB")
    drawn.save(jpeg, "JPEG", quality=92, subsampling=0, optimize=True)
    encoded = Image.open(jpeg).convert("RGB")
    if encoded.size != drawn.size:
        sys.exit(f"encode-jpeg: {jpeg} is {encoded.size}, the drawing {drawn.size}")
    error = sum(ImageStat.Stat(ImageChops.difference(drawn, encoded)).mean) / 3
    if error > MEAN_ERROR_LIMIT:
        sys.exit(f"encode-jpeg: mean error {error:.2f} above {MEAN_ERROR_LIMIT}")

    data = open(jpeg, "rb").read()
    rows = [", ".join(f"0x{b:02X}" for b in data[i:i + 16]) for i in range(0, len(data), 16)]
    with open(cpp, "w") as out:
        out.write("// Written by scripts/encode-jpeg.py from the drawing of "
                  "resources/product_picture.cpp.\n")
        out.write('#include "resources/product_picture_jpeg.h"\n\n')
        out.write("namespace kovra::resources {\n\nnamespace {\n")
        out.write(f"constexpr std::uint8_t kJpeg[{len(data)}] = {{\n")
        out.write("".join(f"    {row},\n" for row in rows))
        out.write("};\n}  // namespace\n\n")
        out.write("std::span<const std::uint8_t> ProductPictureJpeg() { return kJpeg; }\n\n")
        out.write("}  // namespace kovra::resources\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
