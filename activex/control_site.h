// The container as the control sees it (kovra::Container), for a control that COM clients use.
// Events go out through the event connection point by dispatch identifier, every argument by
// reference to the very variable the control reads back; a property change is sent to the
// IPropertyNotifySink connections with the member's dispatch identifier and marks the control
// changed since it was saved. The ambient properties come from the client site's IDispatch, the
// extender's "ToolTipText" from the site's extended control, and message boxes are owned by the
// container's top-level window with the container's frame told that a modal box is up. Where
// the site has none of these (or until the control is placed on one), the standard answers of a
// control without a container apply: the standard font, the form running, no tooltip, message
// boxes without an owner. While the container has the events frozen, they are held and raised
// in order when it thaws them (their by-reference results then go nowhere); the drag-and-drop
// events, whose data lives only while they run, are dropped instead.
#pragma once

#include <cstdint>
#include <vector>

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
  void ModalBoxShown(bool up) override;

  // The container freezes events (nested: each freeze is thawed once) or thaws them.
  void FreezeEvents(bool freeze);

 private:
  // An event raised while events were frozen, with copies of its arguments.
  struct HeldEvent {
    int dispatchId;
    std::vector<std::variant<std::int16_t, std::int32_t, float>> values;
  };
  void Deliver(int dispatchId, std::span<EventArgument> arguments);
  void RaiseHeld();

  ControlObject& object_;
  int frozen_ = 0;
  std::vector<HeldEvent> held_;
};

}  // namespace kovra::activex
