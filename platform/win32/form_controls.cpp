#include "platform/win32/form_controls.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <string>

#include "platform/win32/gdi_font.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;
// A combo box's window also holds its dropped list: room for this many items below the box.
constexpr int kDroppedItems = 8;
// The colour of a link's text.
constexpr COLORREF kLinkColour = RGB(0, 0, 204);

struct WindowKind {
  const wchar_t* windowClass;
  DWORD style;
  DWORD extendedStyle;
};

WindowKind KindOf(FormElementKind kind, bool defaultButton, bool ownerDrawn) {
  switch (kind) {
    case FormElementKind::TextBox:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case FormElementKind::ComboBox:
      return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case FormElementKind::CheckBox:
      return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case FormElementKind::Button:
      if (ownerDrawn) return {L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
      return {L"BUTTON",
              static_cast<DWORD>(WS_TABSTOP | (defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
              0};
    default:  // labels and links tell of their clicks
      return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};
  }
}

std::wstring TextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(std::max(0, ::GetWindowTextW(window, text.data(), length + 1))));
  return text;
}

// The indexes of the elements in the tab order; those outside it (pictures) come last.
std::vector<std::size_t> TabOrder(const FormLayout& layout) {
  std::vector<std::size_t> order(layout.elements.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto place = [&](std::size_t i) {
    const int tab = layout.elements[i].tabIndex;
    return tab < 0 ? INT_MAX : tab;
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return place(a) < place(b); });
  return order;
}

}  // namespace

FormControls::FormControls(HWND dialog, const FormLayout& layout)
    : dialog_(dialog), elements_(layout.elements.size()) {
  HDC dc = ::GetDC(dialog);
  pixelsX_ = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSX) : 96;
  pixelsY_ = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc != nullptr) ::ReleaseDC(dialog, dc);
  hasPictures_ =
      std::any_of(layout.elements.begin(), layout.elements.end(),
                  [](const FormElement& e) { return e.kind == FormElementKind::Picture; });
  bool buttonMade = false;
  bool first = true;
  for (const std::size_t index : TabOrder(layout)) {
    const FormElement& element = layout.elements[index];
    if (element.kind == FormElementKind::Picture) continue;
    const bool button = element.kind == FormElementKind::Button;
    Make(index, element, button && !buttonMade, first);
    buttonMade = buttonMade || button;
    first = false;
  }
  Show(layout);
}

void FormControls::Make(std::size_t index, const FormElement& element, bool defaultButton,
                        bool startsGroup) {
  Element& made = elements_[index];
  if (element.kind == FormElementKind::Button) {
    made.buttonPicture = ButtonPicture::Load(element.picture);
    made.defaultButton = defaultButton;
  }
  const WindowKind kind = KindOf(element.kind, defaultButton, made.buttonPicture != nullptr);
  const DWORD group = startsGroup ? WS_GROUP : 0;
  made.window = ::CreateWindowExW(
      kind.extendedStyle, kind.windowClass, L"", WS_CHILD | WS_VISIBLE | group | kind.style, 0, 0,
      0, 0, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ElementControlId(index))),
      ModuleInstance(), nullptr);
  // Each new control goes behind those made before it: the tab order is the windows' order.
  ::SetWindowPos(made.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  made.font = CreateGdiFont(element.font);
  if (made.font)
    ::SendMessageW(made.window, WM_SETFONT, reinterpret_cast<WPARAM>(made.font.get()), FALSE);
  made.shownBounds = {-1, -1, -1, -1};
}

SIZE FormControls::ToPixels(TwipSize size) const {
  return {::MulDiv(size.width, pixelsX_, kTwipsPerInch),
          ::MulDiv(size.height, pixelsY_, kTwipsPerInch)};
}

TwipSize FormControls::ToTwips(SIZE pixels) const {
  return {::MulDiv(pixels.cx, kTwipsPerInch, pixelsX_),
          ::MulDiv(pixels.cy, kTwipsPerInch, pixelsY_)};
}

RECT FormControls::ToPixels(const TwipRect& bounds) const {
  const SIZE origin = ToPixels(TwipSize{bounds.left, bounds.top});
  const SIZE size = ToPixels(TwipSize{bounds.width, bounds.height});
  return {origin.cx, origin.cy, origin.cx + size.cx, origin.cy + size.cy};
}

std::optional<std::size_t> FormControls::ElementOf(int id) const {
  const int index = id - ElementControlId(0);
  if (index < 0 || index >= static_cast<int>(elements_.size())) return std::nullopt;
  if (elements_[static_cast<std::size_t>(index)].window == nullptr) return std::nullopt;
  return static_cast<std::size_t>(index);
}

void FormControls::Show(const FormLayout& layout) {
  showing_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{showing_};
  for (std::size_t i = 0; i < elements_.size() && i < layout.elements.size(); ++i) {
    ShowElement(i, layout.elements[i]);
  }
}

void FormControls::ShowPicture(Element& shown, const FormElement& element) {
  if (!shown.picture && !element.picture.empty())
    shown.picture = FormPicture::Load(element.picture);
  if (shown.shownBounds == element.bounds) return;
  RECT old = ToPixels(shown.shownBounds);
  ::InvalidateRect(dialog_, &old, TRUE);
  const RECT now = ToPixels(element.bounds);
  ::InvalidateRect(dialog_, &now, TRUE);
  shown.shownBounds = element.bounds;
}

void FormControls::ShowElement(std::size_t index, const FormElement& element) {
  Element& shown = elements_[index];
  if (element.kind == FormElementKind::Picture) return ShowPicture(shown, element);
  HWND window = shown.window;
  const RECT place = ToPixels(element.bounds);
  if (shown.shownBounds != element.bounds) {
    const int extra =
        element.kind == FormElementKind::ComboBox ? kDroppedItems * (place.bottom - place.top) : 0;
    ::MoveWindow(window, place.left, place.top, place.right - place.left,
                 place.bottom - place.top + extra, TRUE);
    shown.shownBounds = element.bounds;
  }
  switch (element.kind) {
    case FormElementKind::ComboBox:
      if (shown.shownItems != element.items) {
        ::SendMessageW(window, CB_RESETCONTENT, 0, 0);
        for (const std::wstring& item : element.items) {
          ::SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        shown.shownItems = element.items;
      }
      if (::SendMessageW(window, CB_GETCURSEL, 0, 0) != element.value) {
        ::SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(element.value), 0);
      }
      return;
    case FormElementKind::CheckBox:
      ::SendMessageW(window, BM_SETCHECK, element.value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    default:
      break;
  }
  if (TextOf(window) != element.caption) {
    ::SetWindowTextW(window, element.caption.c_str());
    // A transparent label leaves its old text behind unless the face under it is painted anew.
    if (element.kind == FormElementKind::Label || element.kind == FormElementKind::LinkLabel) {
      ::InvalidateRect(dialog_, &place, TRUE);
    }
  }
}

void FormControls::PaintPictures(HDC dc, const FormLayout& layout) const {
  for (std::size_t i = 0; i < elements_.size() && i < layout.elements.size(); ++i) {
    if (elements_[i].picture) elements_[i].picture->Draw(dc, ToPixels(layout.elements[i].bounds));
  }
}

bool FormControls::DrawButton(const DRAWITEMSTRUCT& item, const FormLayout& layout) const {
  const std::optional<std::size_t> index = ElementOf(static_cast<int>(item.CtlID));
  if (!index || *index >= layout.elements.size()) return false;
  const Element& shown = elements_[*index];
  if (!shown.buttonPicture) return false;
  shown.buttonPicture->Draw(item, layout.elements[*index].caption, shown.defaultButton);
  return true;
}

HBRUSH FormControls::StaticColours(HDC dc, HWND control, const FormLayout& layout) const {
  const std::optional<std::size_t> index =
      ElementOf(static_cast<int>(::GetWindowLongPtrW(control, GWLP_ID)));
  const bool link = index && *index < layout.elements.size() &&
                    layout.elements[*index].kind == FormElementKind::LinkLabel;
  ::SetTextColor(dc, link ? kLinkColour : ::GetSysColor(COLOR_BTNTEXT));
  if (!hasPictures_) {
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
  }
  ::SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

}  // namespace kovra::win32
