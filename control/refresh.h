// The full refresh (UserControl_Resize): brings everything visible into line with the
// properties — theme decision, colours, enabled and locked states and pointers of the children,
// layout, frame, spin buttons and the displayed number. It returns at once while the change
// guard is set; otherwise a failing statement is skipped and the next one runs.
#pragma once

#include <cstdint>
#include <functional>

#include "core/control_state.h"
#include "entry/entry_engine.h"
#include "platform/platform.h"

namespace kovra {

struct RefreshParts {
  ControlState& state;
  ControlSurface& surface;
  TextBox& text1;
  PictureSurface& up;
  PictureSurface& down;
  EntryEngine& entry;
  Platform& platform;
  Container& container;
  // PaintUpButton and PaintDownButton with a visual state.
  std::function<void(std::uint8_t&)> paintUp;
  std::function<void(std::uint8_t&)> paintDown;
};

void RunFullRefresh(RefreshParts parts);

}  // namespace kovra
