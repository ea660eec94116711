// The shared cases on the real Windows platform: the locale is the Wine prefix's (or the
// machine's) user locale, message boxes are answered by a hook and read back from the screen,
// and the container is the recording one.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/headless/recording_services.h"
#include "platform/win32/handles.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text_box.h"
#include "tests/support/test_platform.h"
#include "tests/support/win32_probe.h"

namespace kovra::test {

namespace {

class Win32TestPlatform final : public TestPlatform {
 public:
  Win32TestPlatform() {
    container_.journal = &journal_;
    recorder_.OnRecorded([this](const win32::RecordedMessageBox& box) {
      journal_.entries.emplace_back(Shown(box));
    });
  }

  Platform& Get() override { return platform_; }
  headless::RecordingContainer& Container() override { return container_; }
  // A box whose icon was not recognised carries icon 0, which no expectation names.
  std::vector<headless::ShownMessage> Messages() override {
    std::vector<headless::ShownMessage> shown;
    for (const win32::RecordedMessageBox& box : recorder_.Recorded()) shown.push_back(Shown(box));
    return shown;
  }
  headless::Journal& Log() override { return journal_; }
  Clipboard& GetClipboard() override { return platform_.GetClipboard(); }
  void PressKey(TextBox& box, std::int16_t keyCode, std::int16_t shift,
                wchar_t character) override {
    dynamic_cast<win32::Win32TextBox&>(box).PressKey(keyCode, shift, character);
  }

 private:
  static headless::ShownMessage Shown(const win32::RecordedMessageBox& box) {
    return {box.text, box.title, box.icon.value_or(MessageIcon{0})};
  }

  headless::Journal journal_;
  headless::RecordingContainer container_;
  win32::MessageBoxRecorder recorder_;
  win32::Win32Platform platform_;
};

}  // namespace

std::vector<std::wstring> TestLocales() { return {L"system"}; }

std::unique_ptr<TestPlatform> MakeTestPlatform(const std::wstring& /*locale*/) {
  return std::make_unique<Win32TestPlatform>();
}

std::optional<Separators> KnownSeparators(const std::wstring& /*locale*/) {
  const char* decimal = std::getenv("KOVRA_EXPECT_DECIMAL");
  const char* group = std::getenv("KOVRA_EXPECT_GROUP");
  if (decimal == nullptr || group == nullptr || std::strlen(decimal) != 1 ||
      std::strlen(group) != 1) {
    return std::nullopt;
  }
  return Separators{static_cast<wchar_t>(decimal[0]), static_cast<wchar_t>(group[0])};
}

}  // namespace kovra::test

namespace kovra::test::win32_probe {

namespace {
HWND Window(std::uintptr_t window) { return win32::FromWindowId(window); }
}  // namespace

Form::Form()
    : window_(win32::ToWindowId(::CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPED, 0, 0, 320,
                                                  200, nullptr, nullptr, nullptr, nullptr))) {}

Form::~Form() { ::DestroyWindow(win32::FromWindowId(window_)); }

std::wstring WindowClassName(std::uintptr_t window) {
  wchar_t name[256] = {};
  const int length = ::GetClassNameW(Window(window), name, 256);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::uintptr_t ParentWindow(std::uintptr_t window) {
  return win32::ToWindowId(::GetAncestor(Window(window), GA_PARENT));
}

bool IsVisible(std::uintptr_t window) { return ::IsWindowVisible(Window(window)) != FALSE; }

std::optional<FontFacts> WindowFont(std::uintptr_t window) {
  auto* font = reinterpret_cast<HFONT>(::SendMessageW(Window(window), WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (font == nullptr || ::GetObjectW(font, sizeof lf, &lf) != sizeof lf) return std::nullopt;
  return FontFacts{lf.lfFaceName,    static_cast<int>(lf.lfHeight), lf.lfWeight >= FW_BOLD,
                   lf.lfItalic != 0, lf.lfUnderline != 0,           lf.lfStrikeOut != 0};
}

int CharacterHeight(float points) {
  const win32::ScreenDC screen;
  const int perInch = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return -static_cast<int>(std::lround(points * static_cast<float>(perInch) / 72.0f));
}

void EmptyClipboard() {
  if (::OpenClipboard(nullptr) == FALSE) return;
  ::EmptyClipboard();
  ::CloseClipboard();
}

bool ClipboardHasText() { return ::IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

std::uintptr_t FocusWindow() { return win32::ToWindowId(::GetFocus()); }

bool PumpMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait.count()), QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  return true;
}

}  // namespace kovra::test::win32_probe
