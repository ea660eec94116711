// The look of Text1 that the full refresh sets: enabled state, colours and alignment.
#include "platform/win32/win32_text_box.h"

namespace kovra::win32 {

namespace {
constexpr const wchar_t* kOwnerProperty = L"KovraDouble.TextBox";
}  // namespace

bool Win32TextBox::Enabled() const { return ::IsWindowEnabled(edit_.get()) != FALSE; }

void Win32TextBox::SetEnabled(bool enabled) { ::EnableWindow(edit_.get(), enabled); }

void Win32TextBox::SetBackColor(Rgb colour) {
  if (colour == backColor_ && backBrush_.get() != nullptr) return;
  backColor_ = colour;
  GdiObject brush(::CreateSolidBrush(static_cast<COLORREF>(colour & 0xFFFFFF)));
  ::InvalidateRect(edit_.get(), nullptr, TRUE);
  backBrush_ = std::move(brush);  // the old brush goes once the EDIT no longer paints with it
}

void Win32TextBox::SetForeColor(Rgb colour) {
  foreColor_ = colour;
  ::InvalidateRect(edit_.get(), nullptr, TRUE);
}

void Win32TextBox::SetAlignment(std::int16_t alignment) {
  alignment_ = alignment;
  LONG_PTR style = ::GetWindowLongPtrW(edit_.get(), GWL_STYLE) & ~LONG_PTR{ES_CENTER | ES_RIGHT};
  if (alignment == 1) style |= ES_RIGHT;
  if (alignment == 2) style |= ES_CENTER;
  ::SetWindowLongPtrW(edit_.get(), GWL_STYLE, style);
  ::InvalidateRect(edit_.get(), nullptr, TRUE);
}

HBRUSH Win32TextBox::ColourChild(HWND child, HDC dc) {
  auto* box = static_cast<Win32TextBox*>(::GetPropW(child, kOwnerProperty));
  if (box == nullptr) return nullptr;
  if (box->backBrush_.get() == nullptr) {
    box->backBrush_ = GdiObject(::CreateSolidBrush(static_cast<COLORREF>(box->backColor_)));
  }
  ::SetTextColor(dc, static_cast<COLORREF>(box->foreColor_ & 0xFFFFFF));
  ::SetBkColor(dc, static_cast<COLORREF>(box->backColor_ & 0xFFFFFF));
  return static_cast<HBRUSH>(box->backBrush_.get());
}

}  // namespace kovra::win32
