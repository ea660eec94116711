#include "core/text_box_properties.h"

#include "base/coercion.h"
#include "base/control_error.h"

namespace kovra::text_box {

namespace {

// A property read with `Get` and written with `Set` after the coercion `Coerce`.
template <auto Get, auto Set, auto Coerce>
constexpr TextBoxProperty Plain() {
  return {[](TextBox& box) -> Variant { return (box.*Get)(); },
          [](TextBox& box, const Variant& value, const Separators& separators) {
            (box.*Set)(Coerce(value, separators));
          }};
}

bool ToBool(const Variant& value, const Separators& separators) {
  return ToBoolean(value, separators) != kFalse;
}

// Text1's font object, which every font attribute changes in place.
FontRef FontOf(TextBox& box) {
  FontRef font = box.GetFont();
  if (!font) throw ControlError(ErrorCode::InvalidArgument, "Text1 has no font");
  return font;
}

template <auto Flag>
constexpr TextBoxProperty FontFlag() {
  return {[](TextBox& box) -> Variant {
            const FontRef font = box.GetFont();
            return font ? (*font).*Flag : false;
          },
          [](TextBox& box, const Variant& value, const Separators& separators) {
            const bool on = ToBool(value, separators);
            const FontRef font = FontOf(box);
            (*font).*Flag = on;
            box.SetFont(font);
          }};
}

const Variant& Argument(std::span<const Variant> arguments, std::size_t index) {
  if (index >= arguments.size()) throw ControlError(ErrorCode::InvalidArgument, "missing argument");
  return arguments[index];
}

}  // namespace

const TextBoxProperty kFont{
    [](TextBox& box) -> Variant { return box.GetFont(); },
    [](TextBox& box, const Variant& value, const Separators&) { box.SetFont(ToFont(value)); }};
const TextBoxProperty kAlignment = Plain<&TextBox::Alignment, &TextBox::SetAlignment, ToInt16>();
const TextBoxProperty kHideSelection{[](TextBox& box) -> Variant { return box.HideSelection(); }};
const TextBoxProperty kLinkItem = Plain<&TextBox::LinkItem, &TextBox::SetLinkItem, ToText>();
const TextBoxProperty kLinkMode = Plain<&TextBox::LinkMode, &TextBox::SetLinkMode, ToInt16>();
const TextBoxProperty kLinkTimeout =
    Plain<&TextBox::LinkTimeout, &TextBox::SetLinkTimeout, ToInt16>();
const TextBoxProperty kLinkTopic = Plain<&TextBox::LinkTopic, &TextBox::SetLinkTopic, ToText>();
const TextBoxProperty kOleDragMode =
    Plain<&TextBox::OLEDragMode, &TextBox::SetOLEDragMode, ToInt16>();
const TextBoxProperty kOleDropMode =
    Plain<&TextBox::OLEDropMode, &TextBox::SetOLEDropMode, ToInt16>();
const TextBoxProperty kRightToLeft =
    Plain<&TextBox::RightToLeft, &TextBox::SetRightToLeft, ToBool>();
const TextBoxProperty kWindowHandle{
    [](TextBox& box) -> Variant { return static_cast<std::int32_t>(box.WindowHandle()); }};

const TextBoxProperty kFontUnderline = FontFlag<&Font::underline>();
const TextBoxProperty kFontStrikethru = FontFlag<&Font::strikethrough>();
const TextBoxProperty kFontItalic = FontFlag<&Font::italic>();
const TextBoxProperty kFontBold = FontFlag<&Font::bold>();
const TextBoxProperty kFontSize{[](TextBox& box) -> Variant {
                                  const FontRef font = box.GetFont();
                                  return font ? font->size : 0.0f;
                                },
                                [](TextBox& box, const Variant& value, const Separators& s) {
                                  const float size = ToSingle(value, s);
                                  const FontRef font = FontOf(box);
                                  if (!(size > 0)) throw ControlError(ErrorCode::InvalidArgument);
                                  font->size = size;
                                  box.SetFont(font);
                                }};
const TextBoxProperty kFontName{[](TextBox& box) -> Variant {
                                  const FontRef font = box.GetFont();
                                  return font ? font->name : std::wstring();
                                },
                                [](TextBox& box, const Variant& value, const Separators& s) {
                                  std::wstring name = ToText(value, s);
                                  const FontRef font = FontOf(box);
                                  if (name.empty()) throw ControlError(ErrorCode::InvalidArgument);
                                  font->name = std::move(name);
                                  box.SetFont(font);
                                }};

void LinkExecute(TextBox& box, std::span<const Variant> arguments, const Separators& separators) {
  box.LinkExecute(ToText(Argument(arguments, 0), separators));
}
void LinkPoke(TextBox& box, std::span<const Variant>, const Separators&) { box.LinkPoke(); }
void LinkRequest(TextBox& box, std::span<const Variant>, const Separators&) { box.LinkRequest(); }
void LinkSend(TextBox& box, std::span<const Variant>, const Separators&) { box.LinkSend(); }
void OLEDrag(TextBox& box, std::span<const Variant>, const Separators&) { box.OLEDrag(); }

}  // namespace kovra::text_box
