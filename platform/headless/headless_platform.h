// The deterministic platform: every service in memory, time on a virtual clock, the locale
// configurable. It counts the windows it made and those alive; `container` is a recording
// container that tests and the driver hand to their controls.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/headless/headless_drawing.h"
#include "platform/headless/headless_forms.h"
#include "platform/headless/headless_locale.h"
#include "platform/headless/headless_text_box.h"
#include "platform/headless/recording_services.h"
#include "platform/headless/virtual_clock.h"
#include "platform/platform.h"

namespace kovra::headless {

class HeadlessPlatform final : public Platform {
 public:
  explicit HeadlessPlatform(LocaleFormat locale = HeadlessLocale::Preset(L"en-US").value());
  // The container and the message box write into the platform's own journal.
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  std::unique_ptr<ControlSurface> CreateControlSurface() override;
  std::unique_ptr<TextBox> CreateTextBox(ControlSurface& owner) override;
  std::unique_ptr<Timer> CreateTimer() override { return clock.CreateTimer(); }
  std::unique_ptr<PictureSurface> CreatePictureSurface(ControlSurface& owner) override;

  Clipboard& GetClipboard() override { return clipboard; }
  MessageDialog& GetMessageDialog() override { return messages; }
  Locale& GetLocale() override { return locale; }
  SystemServices& GetSystem() override { return system; }
  Pointer& GetPointer() override { return pointer; }
  DrawingServices& GetDrawing() override { return drawing; }
  FormServices& GetForms() override { return forms; }

  Journal journal;  // what the container and the message box recorded, in one order
  WindowTally windows;
  VirtualClock clock;
  MemoryClipboard clipboard;
  RecordingMessageDialog messages;
  HeadlessLocale locale;
  RecordingContainer container;
  HeadlessSystem system;
  ScriptedPointer pointer;
  HeadlessDrawing drawing;
  HeadlessForms forms;

 private:
  std::uintptr_t NextWindow() { return nextWindow_ += 4; }
  std::uintptr_t nextWindow_ = 0x10000;
};

}  // namespace kovra::headless
