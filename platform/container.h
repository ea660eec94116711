// What the control needs of its container: ambient properties, change notification, the
// extender, event raising with arguments passed by reference, and the window that owns the
// control's message boxes. Each control has a container of its own.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "base/types.h"
#include "platform/data_object.h"

namespace kovra {

// One by-reference event argument: the handler reads and may change the variable it points to.
using EventArgument = std::variant<std::int16_t*, std::int32_t*, float*, DataObject*>;

class Container {
 public:
  virtual ~Container() = default;
  // The container's current font (ambient Font); a new object each call, as a container hands.
  virtual FontRef AmbientFont() = 0;
  // True while the form runs, False while it is designed (ambient UserMode).
  virtual bool AmbientUserMode() = 0;
  // Tells the container that the property `name` (dispatch identifier `dispatchId`) changed.
  virtual void PropertyChanged(std::wstring_view name, std::int32_t dispatchId) = 0;
  // Raises the event `dispatchId` with its arguments in order; returns when the handlers have.
  virtual void RaiseEvent(int dispatchId, std::span<EventArgument> arguments) = 0;
  // The extender property "ToolTipText" (empty when the container has none).
  virtual std::wstring ExtenderToolTipText() = 0;
  // The window that owns the control's modal message boxes (0: they have no owner).
  virtual std::uintptr_t DialogOwner() = 0;
  // A modal box of the control's is up (true) or down again (false): the container shows no
  // modeless window of its own meanwhile.
  virtual void ModalBoxShown(bool up) { (void)up; }
};

}  // namespace kovra
