// The real Windows platform: the control's surface and Text1 as windows, timers on the message
// loop, the system clipboard, message boxes, the user's number format and the small system
// services. The container is supplied from outside (the ActiveX site, or a recording one).
// Everything runs on the thread that made the platform, which must pump messages for timers.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_drawing_services.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_message_dialog.h"
#include "platform/win32/win32_pointer.h"
#include "platform/win32/win32_system.h"

namespace kovra::win32 {

class Win32Platform final : public Platform {
 public:
  // Surfaces become children of `parentWindow`; with 0 the platform makes a hidden top-level
  // host window of its own for them. `container` must outlive the platform.
  explicit Win32Platform(Container& container, std::uintptr_t parentWindow = 0);
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
  Container& GetContainer() override { return container_; }
  SystemServices& GetSystem() override { return system_; }
  Pointer& GetPointer() override { return pointer_; }
  DrawingServices& GetDrawing() override { return drawing_; }

  // The window the surfaces are children of.
  std::uintptr_t ParentWindow() const { return ToWindowId(parent_); }

 private:
  Container& container_;
  UniqueWindow host_;  // only when no parent was given
  HWND parent_;
  Win32Clipboard clipboard_;
  Win32MessageDialog messages_;
  Win32Locale locale_;
  Win32System system_;
  Win32Pointer pointer_;
  Win32Drawing drawing_;
};

}  // namespace kovra::win32
