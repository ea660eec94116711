// The real Windows platform: the control's surface and Text1 as windows, timers on the message
// loop, the system clipboard, message boxes, the user's number format, the small system
// services, forms and the shell. The controls' windows start out parked under a hidden window
// of the platform's own until a control is given a parent. Everything runs on the thread that made
// the platform, which must pump messages for timers.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_drawing_services.h"
#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_message_dialog.h"
#include "platform/win32/win32_pointer.h"
#include "platform/win32/win32_system.h"

namespace kovra::win32 {

class Win32Platform final : public Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  std::unique_ptr<ControlSurface> CreateControlSurface() override;
  // `owner` must be a surface of this platform.
  std::unique_ptr<TextBox> CreateTextBox(ControlSurface& owner) override;
  std::unique_ptr<Timer> CreateTimer() override;
  // `owner` must be a surface of this platform.
  std::unique_ptr<PictureSurface> CreatePictureSurface(ControlSurface& owner) override;

  Clipboard& GetClipboard() override { return clipboard_; }
  MessageDialog& GetMessageDialog() override { return messages_; }
  Locale& GetLocale() override { return locale_; }
  SystemServices& GetSystem() override { return system_; }
  Pointer& GetPointer() override { return pointer_; }
  DrawingServices& GetDrawing() override { return drawing_; }
  FormServices& GetForms() override { return forms_; }

  // The hidden window that holds the surfaces that have no parent.
  std::uintptr_t ParkingWindow() const { return ToWindowId(parking_.get()); }

 private:
  UniqueWindow parking_;
  Win32Clipboard clipboard_;
  Win32MessageDialog messages_;
  Win32Locale locale_;
  Win32System system_;
  Win32Pointer pointer_;
  Win32Drawing drawing_;
  Win32Forms forms_;
};

}  // namespace kovra::win32
