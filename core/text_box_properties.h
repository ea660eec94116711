// The properties and methods of the interface that live in Text1: how each is read from the
// box and written to it, with the Automation coercions of its type. The member table points at
// these; a value the box cannot take fails with ControlError before anything changes.
#pragma once

#include "core/member_table.h"

namespace kovra::text_box {

extern const TextBoxProperty kFont;
extern const TextBoxProperty kAlignment;
extern const TextBoxProperty kHideSelection;
extern const TextBoxProperty kLinkItem;
extern const TextBoxProperty kLinkMode;
extern const TextBoxProperty kLinkTimeout;
extern const TextBoxProperty kLinkTopic;
extern const TextBoxProperty kOleDragMode;
extern const TextBoxProperty kOleDropMode;
extern const TextBoxProperty kRightToLeft;
extern const TextBoxProperty kWindowHandle;
// The separate font attributes change Text1's font object and hand it back to Text1.
extern const TextBoxProperty kFontUnderline;
extern const TextBoxProperty kFontStrikethru;
extern const TextBoxProperty kFontSize;
extern const TextBoxProperty kFontName;
extern const TextBoxProperty kFontItalic;
extern const TextBoxProperty kFontBold;

void LinkExecute(TextBox& box, std::span<const Variant> arguments, const Separators& separators);
void LinkPoke(TextBox& box, std::span<const Variant> arguments, const Separators& separators);
void LinkRequest(TextBox& box, std::span<const Variant> arguments, const Separators& separators);
void LinkSend(TextBox& box, std::span<const Variant> arguments, const Separators& separators);
void OLEDrag(TextBox& box, std::span<const Variant> arguments, const Separators& separators);

}  // namespace kovra::text_box
