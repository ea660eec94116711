// Headless services that remember what the control asked of them, so that tests and the
// driver can read it back: clipboard, message boxes, container, system services, surface.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "platform/clipboard.h"
#include "platform/container.h"
#include "platform/headless/headless_surfaces.h"
#include "platform/message_dialog.h"
#include "platform/pointer.h"
#include "platform/system_services.h"

namespace kovra::headless {

class MemoryClipboard final : public Clipboard {
 public:
  std::wstring GetText() override { return text_; }
  void SetText(const std::wstring& text) override { text_ = text; }

 private:
  std::wstring text_;
};

struct ShownMessage {
  std::wstring text;
  std::wstring title;
  MessageIcon icon;
  std::uintptr_t owner = 0;  // the window that owned the box (0: none)
};

// An event as the container saw it: the argument values after its handler ran.
struct RaisedEvent {
  int dispatchId;
  // Numbers as they stood after the handlers; a data object by its text (format 1).
  std::vector<std::variant<std::int16_t, std::int32_t, float, std::wstring>> arguments;
};

// A property-changed notification the container received.
struct ChangedProperty {
  std::wstring name;
  std::int32_t dispatchId = 0;
};

// An error that reached the control's caller: its Automation number and description.
struct ReportedError {
  int code;
  std::wstring description;
};

// The container asked Text1 for validation and the control kept the focus.
struct CancelledValidation {};

// One ordered account of what the control did towards the outside world (events,
// notifications, message boxes) and of what its caller got back (errors, a kept focus), so
// that tests can check the order across all of them.
struct Journal {
  using Entry =
      std::variant<RaisedEvent, ChangedProperty, ShownMessage, ReportedError, CancelledValidation>;
  std::vector<Entry> entries;
};

// Records each message box and answers it with OK at once.
class RecordingMessageDialog final : public MessageDialog {
 public:
  void Show(std::uintptr_t owner, const std::wstring& text, const std::wstring& title,
            MessageIcon icon) override {
    shown.push_back({text, title, icon, owner});
    if (journal != nullptr) journal->entries.emplace_back(shown.back());
  }
  std::vector<ShownMessage> shown;
  Journal* journal = nullptr;  // when set, every box is written there too
};

class RecordingContainer final : public Container {
 public:
  FontRef AmbientFont() override { return std::make_shared<Font>(ambientFont); }
  bool AmbientUserMode() override { return userMode; }
  void PropertyChanged(std::wstring_view name, std::int32_t dispatchId) override;
  void RaiseEvent(int dispatchId, std::span<EventArgument> arguments) override;
  std::wstring ExtenderToolTipText() override { return toolTipText; }
  std::uintptr_t DialogOwner() override { return dialogOwner; }

  // Runs for each raised event before it is recorded; it may change the by-reference arguments.
  std::function<void(int dispatchId, std::span<EventArgument> arguments)> onEvent;
  // Whether raised events are kept in `events` (a benchmark turns it off: the container then
  // listens as a host without handlers does).
  bool recording = true;

  Font ambientFont;
  bool userMode = true;
  std::wstring toolTipText;
  std::uintptr_t dialogOwner = 0;
  std::vector<std::wstring> changedProperties;   // names, in order
  std::vector<std::int32_t> changedDispatchIds;  // their dispatch identifiers, in the same order
  std::vector<RaisedEvent> events;
  Journal* journal = nullptr;  // when set, every event and notification is written there too
};

class HeadlessSystem final : public SystemServices {
 public:
  bool ThemeLibraryAvailable() override { return themeLibraryAvailable; }
  void LockWindowUpdate(std::uintptr_t window) override { windowLocks.push_back(window); }

  bool themeLibraryAvailable = true;
  std::vector<std::uintptr_t> windowLocks;  // each call's window; 0 releases
};

// A pointer that is where the test puts it: its position, the window under it, and each
// window's client origin on the screen (the top-left corner of the screen by default).
class ScriptedPointer final : public Pointer {
 public:
  ScreenPoint CursorPosition() override { return position; }
  std::uintptr_t WindowFromPoint(ScreenPoint /*point*/) override { return windowUnder; }
  ScreenPoint ClientToScreen(std::uintptr_t window, ScreenPoint point) override {
    const auto origin = origins.find(window);
    if (origin == origins.end()) return point;
    return {origin->second.x + point.x, origin->second.y + point.y};
  }

  ScreenPoint position;
  std::uintptr_t windowUnder = 0;
  std::map<std::uintptr_t, ScreenPoint> origins;
};

}  // namespace kovra::headless
