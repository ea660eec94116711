// What the composed control's own files (property access, persistence) reach inside a
// KovraDouble beyond its public interface: the state the core owns and the entry engine. The
// include floors hold this header to control/: no floor above may include it.
#pragma once

#include "core/control_state.h"
#include "entry/entry_engine.h"

namespace kovra {

class KovraDouble;

class ControlInternals {
 public:
  static ControlState& State(KovraDouble& control);
  // The entry engine, made with the inner parts on first use.
  static EntryEngine& Entry(KovraDouble& control);
};

}  // namespace kovra
