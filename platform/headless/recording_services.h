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
};

// Records each message box and answers it with OK at once.
class RecordingMessageDialog final : public MessageDialog {
 public:
  void Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
  std::vector<ShownMessage> shown;
};

// An event as the container saw it: the argument values after its handler ran.
struct RaisedEvent {
  int dispatchId;
  // Numbers as they stood after the handlers; a data object by its text (format 1).
  std::vector<std::variant<std::int16_t, std::int32_t, float, std::wstring>> arguments;
};

class RecordingContainer final : public Container {
 public:
  FontRef AmbientFont() override { return std::make_shared<Font>(ambientFont); }
  bool AmbientUserMode() override { return userMode; }
  void PropertyChanged(std::wstring_view name) override { changedProperties.emplace_back(name); }
  void RaiseEvent(int dispatchId, std::span<EventArgument> arguments) override;
  std::wstring ExtenderToolTipText() override { return toolTipText; }

  // Runs for each raised event before it is recorded; it may change the by-reference arguments.
  std::function<void(int dispatchId, std::span<EventArgument> arguments)> onEvent;
  // Whether raised events are kept in `events` (a benchmark turns it off: the container then
  // listens as a host without handlers does).
  bool recording = true;

  Font ambientFont;
  bool userMode = true;
  std::wstring toolTipText;
  std::vector<std::wstring> changedProperties;
  std::vector<RaisedEvent> events;
};

class HeadlessSystem final : public SystemServices {
 public:
  bool ThemeLibraryAvailable() override { return themeLibraryAvailable; }
  void LockWindowUpdate(std::uintptr_t window) override { windowLocks.push_back(window); }
  void ShowAbout(const std::wstring& caption, const std::wstring& versionLine) override {
    aboutBoxes.push_back(caption + L" / " + versionLine);
  }

  bool themeLibraryAvailable = true;
  std::vector<std::uintptr_t> windowLocks;  // each call's window; 0 releases
  std::vector<std::wstring> aboutBoxes;     // "caption / version line" of each About box
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
