// The container as the control sees it (kovra::Container), for a control that COM clients use.
// Events go out through the event connection point by dispatch identifier, every argument by
// reference to the very variable the control reads back; a property change is sent to the
// IPropertyNotifySink connections with the member's dispatch identifier and marks the control
// changed since it was saved. Until the control is placed on a client site, the standard
// answers of a control without a container apply: the standard font, the form running, no
// tooltip, message boxes without an owner.
#pragma once

#include "activex/facet.h"
#include "platform/container.h"

namespace kovra::activex {

class ControlSite final : public Container {
 public:
  explicit ControlSite(ControlObject& object) : object_(object) {}

  FontRef AmbientFont() override;
  bool AmbientUserMode() override;
  void PropertyChanged(std::wstring_view name, std::int32_t dispatchId) override;
  void RaiseEvent(int dispatchId, std::span<EventArgument> arguments) override;
  std::wstring ExtenderToolTipText() override;
  std::uintptr_t DialogOwner() override;

 private:
  ControlObject& object_;
};

}  // namespace kovra::activex
