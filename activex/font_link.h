// Text1's font as one standard font object. The core keeps the font as a shared value; a
// client sees one standard font object for it, the same each time it asks, kept up to date with
// the font attributes set through the control (FontBold and the others). What a client changes
// in that object (ctl.Font.Bold = True) comes back as if the font had been set again, and a
// font object a client sets becomes the linked object in the same way.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include <functional>

#include "activex/com_ptr.h"
#include "base/types.h"

namespace kovra::activex {

class FontLink {
 public:
  // `changed` hears of a change a client made in the linked object, with the core font that
  // now holds its attributes.
  using Changed = std::function<void(const FontRef& font)>;
  explicit FontLink(Changed changed);
  ~FontLink();
  FontLink(const FontLink&) = delete;
  FontLink& operator=(const FontLink&) = delete;

  // The standard font object for `font` (empty for none): the linked one when `font` is the
  // linked core font, brought up to date, otherwise a new object, linked from now on. Throws
  // ComError.
  ComPtr<IDispatch> ObjectFor(const FontRef& font);
  // The core font for a font object a client hands in, which becomes the linked object. Throws
  // ComError(DISP_E_TYPEMISMATCH) for an object that is no font.
  FontRef FontFor(IUnknown* object);

 private:
  class Sink;

  void Link(FontRef font, ComPtr<IFont> object);
  void Unlink() noexcept;
  void OnObjectChanged();

  Changed changed_;
  FontRef font_;
  ComPtr<IFont> object_;
  ComPtr<Sink> sink_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
  bool updating_ = false;  // our own writes into the object are no client's change
};

}  // namespace kovra::activex
