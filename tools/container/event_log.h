// The event log of the container: a sink on a control's default event interface that writes
// each event with its name and its arguments ("a: KeyPress(KeyAscii=53)"), the names read from
// the control's own class description, so that it serves any control; or that hands each event
// as it comes to a listener, which may set the arguments passed by reference.
#pragma once

#include <ocidl.h>

#include <functional>
#include <string>

#include "activex/com_ptr.h"

namespace kovra::container {

class EventLog {
 public:
  using Writer = std::function<void(const std::wstring& line)>;
  // Hears each event by its dispatch identifier with its arguments, last first.
  using Listener = std::function<void(DISPID id, DISPPARAMS& arguments)>;
  // Connects to `control`'s default events under the name `name`; nothing when it has none.
  EventLog(IUnknown* control, const std::wstring& name, Writer write);
  EventLog(IUnknown* control, Listener listen);
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

 private:
  // The control's default event interface and the description of its events.
  bool Describe(IUnknown* control, IID& events, activex::ComPtr<ITypeInfo>& type);
  void Connect(IUnknown* control, const IID& events, Listener listen);

  activex::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace kovra::container
