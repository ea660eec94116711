// The picture of a form's button (the About box's OK tick): a BITMAP resource of the library,
// held for as long as the button lives, drawn by the button's owner with the caption beside it.
// The colour of the bitmap's top-left pixel is its background and lets the button's face show
// through.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "platform/win32/gdi_objects.h"

namespace kovra::win32 {

class ButtonPicture {
 public:
  // The BITMAP resource `name` of this module; nullptr when it has none.
  static std::unique_ptr<ButtonPicture> Load(std::wstring_view name);

  // Paints the button `item` describes (WM_DRAWITEM): its raised or pressed face, the dark
  // frame of the default button, the picture and the caption centred together, the focus mark.
  void Draw(const DRAWITEMSTRUCT& item, std::wstring_view caption, bool defaultButton) const;

 private:
  ButtonPicture(GdiObject bitmap, SIZE size, COLORREF background);

  GdiObject bitmap_;
  SIZE size_;
  COLORREF background_;
};

}  // namespace kovra::win32
