// Checks on the saved form of a standard picture object before the system's picture reader is
// given it. That reader trusts what it reads (under Wine, an icon entry that points past the
// data makes it read outside the buffer), so a picture from a stored control reaches it only
// when it is whole — its checksum, written when it was saved, agrees — and well formed: the
// picture object's header around an icon, a cursor or a bitmap whose every part lies within the
// data. Mouse icons are icons and cursors; nothing else is read back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kovra::activex {

// A 64-bit checksum (FNV-1a) of `bytes`, which the binary form keeps beside a picture.
std::uint64_t PictureChecksum(std::span<const std::byte> bytes);

// True when `bytes` is a standard picture object's saved form holding an icon, a cursor or a
// bitmap whose headers, directory entries, palette and pixels all lie within it.
bool WellFormedPicture(std::span<const std::byte> bytes);

}  // namespace kovra::activex
