#include "platform/win32/button_picture.h"

#include <string>
#include <utility>

#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

// Between the picture and the caption.
constexpr int kGap = 4;
// Between the face's edge and the focus mark.
constexpr int kFocusInset = 3;

}  // namespace

ButtonPicture::ButtonPicture(GdiObject bitmap, SIZE size, COLORREF background)
    : bitmap_(std::move(bitmap)), size_(size), background_(background) {}

std::unique_ptr<ButtonPicture> ButtonPicture::Load(std::wstring_view name) {
  const std::wstring resource(name);
  if (resource.empty()) return nullptr;
  GdiObject bitmap(
      ::LoadImageW(ModuleInstance(), resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap.get() == nullptr) return nullptr;
  BITMAP description{};
  if (::GetObjectW(bitmap.get(), sizeof description, &description) == 0) return nullptr;
  COLORREF background = CLR_INVALID;
  {
    const MemoryDC memory(nullptr);
    const Selection selected(memory.get(), bitmap.get());
    background = ::GetPixel(memory.get(), 0, 0);
  }
  return std::unique_ptr<ButtonPicture>(new ButtonPicture(
      std::move(bitmap), {description.bmWidth, description.bmHeight}, background));
}

void ButtonPicture::Draw(const DRAWITEMSTRUCT& item, std::wstring_view caption,
                         bool defaultButton) const {
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  if (defaultButton) {
    ::FrameRect(dc, &face, ::GetSysColorBrush(COLOR_WINDOWFRAME));
    ::InflateRect(&face, -1, -1);
  }
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  const auto font = reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  const Selection withFont(dc, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE text{};
  ::GetTextExtentPoint32W(dc, caption.data(), static_cast<int>(caption.size()), &text);
  // A pressed button's content moves a pixel right and down, as the system's buttons do.
  const int shift = pressed ? 1 : 0;
  const int width = size_.cx + (caption.empty() ? 0 : kGap + text.cx);
  const int left = (face.left + face.right - width) / 2 + shift;
  const int middle = (face.top + face.bottom) / 2 + shift;
  {
    const MemoryDC memory(dc);
    const Selection picture(memory.get(), bitmap_.get());
    ::TransparentBlt(dc, left, middle - size_.cy / 2, size_.cx, size_.cy, memory.get(), 0, 0,
                     size_.cx, size_.cy, background_);
  }
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  ::TextOutW(dc, left + size_.cx + kGap, middle - text.cy / 2, caption.data(),
             static_cast<int>(caption.size()));
  if ((item.itemState & ODS_FOCUS) != 0) {
    ::InflateRect(&face, -kFocusInset, -kFocusInset);
    ::DrawFocusRect(dc, &face);
  }
}

}  // namespace kovra::win32
