// The elements of a form as windows: made as children of a dialog from the form's layout — text
// boxes, combo boxes with their lists, check boxes, buttons, labels and link labels, created in
// the tab order so that the dialog manager's Tab and arrow keys follow it, each with its font,
// at its place converted from twips with the dialog's real pixels per inch — and brought in line
// with the layout again whenever the form's code has changed it. Pictures have no window: the
// dialog paints them behind its controls, which draw on it transparently. A button with a
// picture is drawn by the dialog, the picture beside its caption.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "platform/form_layout.h"
#include "platform/win32/button_picture.h"
#include "platform/win32/form_picture.h"
#include "platform/win32/handles.h"

namespace kovra::win32 {

// The control identifier of the window of the form's element at `index` in its layout.
inline int ElementControlId(std::size_t index) { return 1000 + static_cast<int>(index); }

class FormControls {
 public:
  // Makes the windows of `layout` under `dialog`, showing what the layout holds.
  FormControls(HWND dialog, const FormLayout& layout);
  FormControls(const FormControls&) = delete;
  FormControls& operator=(const FormControls&) = delete;

  // Twips and the dialog's pixels.
  SIZE ToPixels(TwipSize size) const;
  TwipSize ToTwips(SIZE pixels) const;
  RECT ToPixels(const TwipRect& bounds) const;

  // Brings every window in line with `layout`: captions, texts, check marks, the item a combo
  // box shows, places and sizes; pictures that moved are painted anew.
  void Show(const FormLayout& layout);
  // True while Show writes into the windows: the notifications they send meanwhile are the
  // form's own, not the user's.
  bool Showing() const { return showing_; }

  // The index in the layout of the element whose window has control identifier `id`.
  std::optional<std::size_t> ElementOf(int id) const;
  // The window of the element at `index`; nullptr for a picture.
  HWND Window(std::size_t index) const { return elements_[index].window; }

  // Paints a button that shows a picture beside its caption; for WM_DRAWITEM. False when `item`
  // is no such button of the form.
  bool DrawButton(const DRAWITEMSTRUCT& item, const FormLayout& layout) const;
  // Paints the layout's pictures; for WM_PAINT.
  void PaintPictures(HDC dc, const FormLayout& layout) const;
  // The colours of a static element (label, link, check box): links in the link colour, the
  // dialog's face behind the text, transparent over a form with pictures; for
  // WM_CTLCOLORSTATIC.
  HBRUSH StaticColours(HDC dc, HWND control, const FormLayout& layout) const;

 private:
  struct Element {
    HWND window = nullptr;
    UniqueFont font;
    std::unique_ptr<FormPicture> picture;
    // A button's picture, which makes the button one that its dialog draws.
    std::unique_ptr<ButtonPicture> buttonPicture;
    bool defaultButton = false;
    TwipRect shownBounds;
    std::vector<std::wstring> shownItems;
  };
  // The window of one element; the first button made is the default one (Enter presses it),
  // and the first window made starts the group that the arrow keys move in.
  void Make(std::size_t index, const FormElement& element, bool defaultButton, bool startsGroup);
  void ShowElement(std::size_t index, const FormElement& element);
  void ShowPicture(Element& shown, const FormElement& element);

  HWND dialog_;
  int pixelsX_;
  int pixelsY_;
  std::vector<Element> elements_;
  bool hasPictures_ = false;
  bool showing_ = false;
};

}  // namespace kovra::win32
