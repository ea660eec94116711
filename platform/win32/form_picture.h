// A picture of the library's own resources, found by name, as a form shows it: an RCDATA
// resource in any format the system's picture reader takes (the About box's JPEG), read with
// OleLoadPicture, or else a BITMAP resource. Drawn stretched into a place of a device context.
#pragma once

#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <memory>
#include <string_view>

namespace kovra::win32 {

class FormPicture {
 public:
  // The resource `name` of this module; nullptr when it has none or the system cannot read it.
  static std::unique_ptr<FormPicture> Load(std::wstring_view name);

  // Draws the whole picture into `place`.
  void Draw(HDC dc, const RECT& place) const;
  // Its size in pixels at the screen's resolution.
  SIZE PixelSize() const;

 private:
  struct Releaser {
    void operator()(IPicture* picture) const noexcept { picture->Release(); }
  };
  explicit FormPicture(IPicture* picture) : picture_(picture) {}

  std::unique_ptr<IPicture, Releaser> picture_;
};

}  // namespace kovra::win32
