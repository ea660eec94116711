#include "resources/bmp_file.h"

namespace kovra::resources {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}
std::uint32_t Get(const std::vector<std::uint8_t>& in, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | in[at + static_cast<std::size_t>(i)];
  return value;
}

std::uint32_t Stride(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) /
          32) *
         4;
}

std::vector<std::uint8_t> Headers(int width, int height, int bits, std::uint32_t paletteSize) {
  const std::uint32_t imageSize = Stride(width, bits) * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteSize * 4;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 3780);  // 96 pixels per inch, in pixels per metre
  Put32(out, 3780);
  Put32(out, paletteSize);
  Put32(out, 0);
  return out;
}

void PutColour(std::vector<std::uint8_t>& out, Rgb c) {
  out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
  out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
  out.push_back(static_cast<std::uint8_t>(RedOf(c)));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
  std::vector<std::uint8_t> out = Headers(bitmap.width, bitmap.height, 24, 0);
  const std::uint32_t stride = Stride(bitmap.width, 24);
  for (int y = bitmap.height - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < bitmap.width; ++x) PutColour(out, bitmap.At(x, y));
    out.resize(start + stride, 0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp(const IndexedBitmap& bitmap) {
  std::vector<std::uint8_t> out =
      Headers(bitmap.width, bitmap.height, 8, static_cast<std::uint32_t>(bitmap.palette.size()));
  for (const Rgb c : bitmap.palette) {
    PutColour(out, c);
    out.push_back(0);
  }
  const std::uint32_t stride = Stride(bitmap.width, 8);
  for (int y = bitmap.height - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < bitmap.width; ++x) {
      out.push_back(bitmap.indexes[static_cast<std::size_t>(y * bitmap.width + x)]);
    }
    out.resize(start + stride, 0);
  }
  return out;
}

std::optional<Bitmap> DecodeBmp(const std::vector<std::uint8_t>& file) {
  if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') {
    return std::nullopt;
  }
  const std::uint32_t offset = Get(file, 10, 4);
  const auto width = static_cast<int>(Get(file, 18, 4));
  const auto height = static_cast<int>(Get(file, 22, 4));
  const auto bits = static_cast<int>(Get(file, 28, 2));
  const std::uint32_t colours = Get(file, 46, 4);
  if ((bits != 24 && bits != 8) || width <= 0 || height <= 0 || Get(file, 30, 4) != 0) {
    return std::nullopt;
  }
  const std::uint32_t stride = Stride(width, bits);
  if (file.size() < offset + stride * static_cast<std::uint32_t>(height)) return std::nullopt;
  Bitmap b{width, height, std::vector<Rgb>(static_cast<std::size_t>(width * height))};
  const std::size_t palette = kFileHeaderSize + kInfoHeaderSize;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = offset + stride * static_cast<std::uint32_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      std::size_t at = row + static_cast<std::size_t>(x) * (bits / 8);
      if (bits == 8) {
        const std::uint32_t index = file[at];
        if (index >= colours) return std::nullopt;
        at = palette + index * 4;
      }
      b.At(x, y) = MakeRgb(file[at + 2], file[at + 1], file[at]);
    }
  }
  return b;
}

}  // namespace kovra::resources
