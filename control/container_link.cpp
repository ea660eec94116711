#include "control/container_link.h"

#include <memory>

namespace kovra {

FontRef ContainerLink::AmbientFont() {
  return site_ != nullptr ? site_->AmbientFont() : std::make_shared<Font>();
}

bool ContainerLink::AmbientUserMode() { return site_ == nullptr || site_->AmbientUserMode(); }

void ContainerLink::PropertyChanged(std::wstring_view name, std::int32_t dispatchId) {
  if (site_ != nullptr) site_->PropertyChanged(name, dispatchId);
}

void ContainerLink::RaiseEvent(int dispatchId, std::span<EventArgument> arguments) {
  if (site_ != nullptr) site_->RaiseEvent(dispatchId, arguments);
}

std::wstring ContainerLink::ExtenderToolTipText() {
  return site_ != nullptr ? site_->ExtenderToolTipText() : std::wstring();
}

std::uintptr_t ContainerLink::DialogOwner() { return site_ != nullptr ? site_->DialogOwner() : 0; }

void ContainerLink::ModalBoxShown(bool up) {
  if (site_ != nullptr) site_->ModalBoxShown(up);
}

}  // namespace kovra
