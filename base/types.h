// Value types shared by the control and every platform: 16-bit Booleans, OLE colours, and the
// standard font and picture objects as the control sees them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kovra {

// Automation Booleans are 16-bit: True is -1, False is 0.
using Boolean16 = std::int16_t;
inline constexpr Boolean16 kTrue = -1;
inline constexpr Boolean16 kFalse = 0;
constexpr Boolean16 ToBoolean16(bool b) { return b ? kTrue : kFalse; }

// An OLE colour: 0x00BBGGRR, or a system colour index with the top bit set (0x80000005).
using OleColor = std::uint32_t;

// The standard font object. The control shares font objects by reference, as a container does.
struct Font {
  std::wstring name = L"MS Sans Serif";
  float size = 8.25f;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;

  friend bool operator==(const Font&, const Font&) = default;
};
using FontRef = std::shared_ptr<Font>;

// The standard picture object (a cursor for MouseIcon). Only its identity matters to the core.
struct Picture {
  std::wstring description;
};
using PictureRef = std::shared_ptr<Picture>;

}  // namespace kovra
