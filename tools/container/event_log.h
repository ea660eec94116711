// The event log of the container: a sink on a control's default event interface that writes
// each event with its name and its arguments ("a: KeyPress(KeyAscii=53)"), the names read from
// the control's own class description, so that it serves any control.
#pragma once

#include <ocidl.h>

#include <functional>
#include <string>

#include "activex/com_ptr.h"

namespace kovra::container {

class EventLog {
 public:
  using Writer = std::function<void(const std::wstring& line)>;
  // Connects to `control`'s default events under the name `name`; nothing when it has none.
  EventLog(IUnknown* control, const std::wstring& name, Writer write);
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

 private:
  activex::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace kovra::container
