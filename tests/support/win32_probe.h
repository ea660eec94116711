// What the Windows-only tests read from the system beside the platform's own interfaces:
// window classes and parents, the font a window uses, the clipboard's raw state and the
// thread's message loop. Declared without Windows headers; implemented with the win32 test
// platform.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kovra::test::win32_probe {

// A hidden top-level window that stands in for a container's form; destroyed with the object.
class Form {
 public:
  Form();
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  std::uintptr_t Window() const { return window_; }

 private:
  std::uintptr_t window_;
};

std::wstring WindowClassName(std::uintptr_t window);
std::uintptr_t ParentWindow(std::uintptr_t window);
bool IsVisible(std::uintptr_t window);

// The font a window reports through WM_GETFONT, as GDI describes it.
struct FontFacts {
  std::wstring face;
  int height = 0;  // lfHeight: negative for a character height in pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
};
std::optional<FontFacts> WindowFont(std::uintptr_t window);
// lfHeight for a font of `points` at the screen's resolution.
int CharacterHeight(float points);

// Empties the clipboard: afterwards it holds no text at all.
void EmptyClipboard();
bool ClipboardHasText();

// The window that has the keyboard focus (0: none of this thread).
std::uintptr_t FocusWindow();

// Runs this thread's message loop until `done` returns true or `limit` has passed; returns
// whether `done` came true.
bool PumpMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

}  // namespace kovra::test::win32_probe
