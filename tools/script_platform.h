// What a script plays against: a platform for controls plus the records of what the control told
// its container and the user. The headless one is deterministic; the win32 one is the real
// Windows platform (under Wine in the tests).
#pragma once

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "control/kovra_double.h"
#include "platform/headless/recording_services.h"
#include "platform/platform.h"

namespace kovra::tools {

class ScriptPlatform {
 public:
  virtual ~ScriptPlatform() = default;
  virtual Platform& Get() = 0;
  // Gives a newly made control its container: the recording one.
  void Seat(KovraDouble& control) { control.SetContainer(&Container()); }
  // What the control told its container.
  virtual headless::RecordingContainer& Container() = 0;
  // The message boxes shown so far, oldest first.
  virtual std::vector<headless::ShownMessage> Messages() = 0;
  // Events, notifications and message boxes in the order they came; the script adds the
  // errors its calls raised and the focus kept by a cancelled Validate.
  virtual headless::Journal& Log() = 0;
  virtual Clipboard& GetClipboard() = 0;
  // The user presses a key in `box`, a text box this platform made: key-down, then the
  // character (when `character` is not 0), then key-up, with the Shift/Ctrl/Alt state `shift`.
  virtual void PressKey(TextBox& box, std::int16_t keyCode, std::int16_t shift,
                        wchar_t character) = 0;
  // Moves time on, firing the timer ticks that fall due; only a virtual clock can.
  virtual void Advance(std::chrono::milliseconds span) {
    (void)span;
    throw std::runtime_error("this platform has no virtual clock");
  }
};

}  // namespace kovra::tools
