#include "platform/text_box.h"

#include "base/control_error.h"

namespace kovra {

namespace {
[[noreturn]] void NoLinkPartner() { throw ControlError(ErrorCode::LinkNotActive); }
}  // namespace

void TextBox::SetLinkMode(std::int16_t mode) {
  if (mode != 0) NoLinkPartner();
  links_.mode = mode;
}

void TextBox::LinkExecute(const std::wstring& /*command*/) { NoLinkPartner(); }
void TextBox::LinkPoke() { NoLinkPartner(); }
void TextBox::LinkRequest() { NoLinkPartner(); }
void TextBox::LinkSend() { NoLinkPartner(); }

}  // namespace kovra
