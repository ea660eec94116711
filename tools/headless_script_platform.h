// Scripts on the deterministic platform, with a locale preset and the virtual clock.
#pragma once

#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_text_box.h"
#include "tools/script_platform.h"

namespace kovra::tools {

class HeadlessScriptPlatform final : public ScriptPlatform {
 public:
  explicit HeadlessScriptPlatform(const headless::LocaleFormat& locale) : platform(locale) {}
  Platform& Get() override { return platform; }
  headless::RecordingContainer& Container() override { return platform.container; }
  std::vector<headless::ShownMessage> Messages() override { return platform.messages.shown; }
  headless::Journal& Log() override { return platform.journal; }
  Clipboard& GetClipboard() override { return platform.clipboard; }
  void PressKey(TextBox& box, std::int16_t keyCode, std::int16_t shift,
                wchar_t character) override {
    dynamic_cast<headless::HeadlessTextBox&>(box).PressKey(keyCode, shift, character);
  }
  void Advance(std::chrono::milliseconds span) override { platform.clock.Advance(span); }

  headless::HeadlessPlatform platform;
};

}  // namespace kovra::tools
