// A message box of the control's as its container must see it: owned by the container's window,
// with the container told that a modal box is up for as long as it is.
#pragma once

#include <string>

#include "platform/container.h"
#include "platform/message_dialog.h"

namespace kovra {

inline void ShowContainerMessage(Container& container, MessageDialog& dialog,
                                 const std::wstring& text, const std::wstring& title,
                                 MessageIcon icon) {
  class ShownScope {
   public:
    explicit ShownScope(Container& c) : c_(c) { c_.ModalBoxShown(true); }
    ~ShownScope() { c_.ModalBoxShown(false); }
    ShownScope(const ShownScope&) = delete;
    ShownScope& operator=(const ShownScope&) = delete;

   private:
    Container& c_;
  };
  const ShownScope shown(container);
  dialog.Show(container.DialogOwner(), text, title, icon);
}

}  // namespace kovra
