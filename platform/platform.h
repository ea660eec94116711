// The platform a control runs on: a maker of its inner parts and the services they share.
// One Platform serves any number of controls; it outlives them. The container is not the
// platform's: each control is given its own.
#pragma once

#include <memory>

#include "platform/clipboard.h"
#include "platform/container.h"
#include "platform/control_surface.h"
#include "platform/drawing_services.h"
#include "platform/forms.h"
#include "platform/locale.h"
#include "platform/message_dialog.h"
#include "platform/pointer.h"
#include "platform/surface_picture.h"
#include "platform/system_services.h"
#include "platform/text_box.h"
#include "platform/timer.h"

namespace kovra {

class Platform {
 public:
  virtual ~Platform() = default;

  // The control's own surface, and the text box that lives on it. A new surface and its
  // children are parked out of sight until the surface is given a parent window.
  virtual std::unique_ptr<ControlSurface> CreateControlSurface() = 0;
  virtual std::unique_ptr<TextBox> CreateTextBox(ControlSurface& owner) = 0;
  virtual std::unique_ptr<Timer> CreateTimer() = 0;
  // A picture surface (`Up`, `Down`) on `owner`, hidden until it is shown.
  virtual std::unique_ptr<PictureSurface> CreatePictureSurface(ControlSurface& owner) = 0;

  virtual Clipboard& GetClipboard() = 0;
  virtual MessageDialog& GetMessageDialog() = 0;
  virtual Locale& GetLocale() = 0;
  virtual SystemServices& GetSystem() = 0;
  virtual Pointer& GetPointer() = 0;
  virtual DrawingServices& GetDrawing() = 0;
  // Modal forms of the control's own (the About box) and the desktop shell.
  virtual FormServices& GetForms() = 0;
};

}  // namespace kovra
