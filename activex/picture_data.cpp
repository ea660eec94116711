#include "activex/picture_data.h"

#include <cstring>

namespace kovra::activex {
namespace {

// The picture object's own header: "lt\0\0" and the size of what follows.
constexpr std::uint32_t kPictureMagic = 0x0000746C;
constexpr std::size_t kPictureHeader = 8;
// The largest icon side, and the largest bitmap side a pointer picture needs.
constexpr std::int32_t kMaxIconSide = 256;
constexpr std::int32_t kMaxBitmapSide = 16384;
constexpr std::size_t kInfoHeader = 40;  // BITMAPINFOHEADER

template <typename T>
bool Read(std::span<const std::byte> bytes, std::size_t at, T& value) {
  if (at > bytes.size() || bytes.size() - at < sizeof(T)) return false;
  std::memcpy(&value, bytes.data() + at, sizeof(T));
  return true;
}

struct InfoHeader {
  std::uint32_t size;
  std::int32_t width;
  std::int32_t height;
  std::uint16_t planes;
  std::uint16_t bitCount;
  std::uint32_t compression;
  std::uint32_t imageSize;
  std::int32_t xPerMeter;
  std::int32_t yPerMeter;
  std::uint32_t coloursUsed;
  std::uint32_t coloursImportant;
};
static_assert(sizeof(InfoHeader) == kInfoHeader);

bool KnownBitCount(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The palette entries a bitmap of this header carries, or -1 when there are too many.
std::int64_t PaletteEntries(const InfoHeader& info) {
  if (info.bitCount > 8) return info.coloursUsed <= 256 ? info.coloursUsed : -1;
  const std::uint32_t full = 1u << info.bitCount;
  if (info.coloursUsed > full) return -1;
  return info.coloursUsed != 0 ? info.coloursUsed : full;
}

std::int64_t RowBytes(std::int64_t width, std::int64_t bits) {
  return (width * bits + 31) / 32 * 4;
}

// The colour masks after the header, for a bitmap whose colours are given by masks; -1 for a
// compression no reader here is given.
std::int64_t MaskBytes(const InfoHeader& info) {
  if (info.compression == 0) return 0;
  if (info.compression == 3 && (info.bitCount == 16 || info.bitCount == 32)) {
    return info.size == kInfoHeader ? 12 : 0;  // the larger headers hold them
  }
  return -1;
}

// One image of an icon or cursor: a device-independent bitmap of twice its height (colours,
// then the mask), all within `image`.
bool WellFormedIconImage(std::span<const std::byte> image) {
  InfoHeader info{};
  if (!Read(image, 0, info) || info.size != kInfoHeader || info.planes != 1 ||
      !KnownBitCount(info.bitCount)) {
    return false;
  }
  const std::int64_t masks = MaskBytes(info);
  if (info.width < 1 || info.width > kMaxIconSide || info.height < 2 ||
      info.height > 2 * kMaxIconSide || info.height % 2 != 0) {
    return false;
  }
  const std::int64_t palette = PaletteEntries(info);
  if (palette < 0 || masks < 0) return false;
  const std::int64_t rows = info.height / 2;
  const std::int64_t needed = static_cast<std::int64_t>(kInfoHeader) + masks + palette * 4 +
                              RowBytes(info.width, info.bitCount) * rows +
                              RowBytes(info.width, 1) * rows;
  return needed <= static_cast<std::int64_t>(image.size());
}

bool WellFormedIcon(std::span<const std::byte> data) {
  std::uint16_t reserved = 1;
  std::uint16_t type = 0;
  std::uint16_t count = 0;
  if (!Read(data, 0, reserved) || !Read(data, 2, type) || !Read(data, 4, count)) return false;
  if (reserved != 0 || (type != 1 && type != 2) || count == 0 || count > 64) return false;
  const std::size_t directoryEnd = 6 + 16 * std::size_t{count};
  if (directoryEnd > data.size()) return false;
  for (std::size_t entry = 6; entry < directoryEnd; entry += 16) {
    std::uint32_t length = 0;
    std::uint32_t offset = 0;
    if (!Read(data, entry + 8, length) || !Read(data, entry + 12, offset)) return false;
    if (offset < directoryEnd || offset > data.size() || length > data.size() - offset ||
        !WellFormedIconImage(data.subspan(offset, length))) {
      return false;
    }
  }
  return true;
}

bool WellFormedBitmap(std::span<const std::byte> data) {
  char signature[2] = {};
  std::uint32_t bitsOffset = 0;
  InfoHeader info{};
  if (!Read(data, 0, signature) || signature[0] != 'B' || signature[1] != 'M' ||
      !Read(data, 10, bitsOffset) || !Read(data, 14, info)) {
    return false;
  }
  if ((info.size != kInfoHeader && info.size != 108 && info.size != 124) || info.planes != 1 ||
      !KnownBitCount(info.bitCount)) {
    return false;
  }
  const std::int64_t masks = MaskBytes(info);
  const std::int64_t height = info.height < 0 ? -std::int64_t{info.height} : info.height;
  if (info.width < 1 || info.width > kMaxBitmapSide || height < 1 || height > kMaxBitmapSide) {
    return false;
  }
  const std::int64_t palette = PaletteEntries(info);
  if (palette < 0 || masks < 0) return false;
  const std::int64_t start = 14 + std::int64_t{info.size} + masks + palette * 4;
  const std::int64_t end = std::int64_t{bitsOffset} + RowBytes(info.width, info.bitCount) * height;
  return bitsOffset >= start && end <= static_cast<std::int64_t>(data.size());
}

}  // namespace

std::uint64_t PictureChecksum(std::span<const std::byte> bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const std::byte b : bytes) {
    hash ^= static_cast<std::uint64_t>(b);
    hash *= 1099511628211ull;
  }
  return hash;
}

bool WellFormedPicture(std::span<const std::byte> bytes) {
  std::uint32_t magic = 0;
  std::uint32_t size = 0;
  if (!Read(bytes, 0, magic) || !Read(bytes, 4, size) || magic != kPictureMagic ||
      size != bytes.size() - kPictureHeader) {
    return false;
  }
  const std::span<const std::byte> data = bytes.subspan(kPictureHeader);
  return WellFormedIcon(data) || WellFormedBitmap(data);
}

}  // namespace kovra::activex
