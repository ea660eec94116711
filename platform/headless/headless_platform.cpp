#include "platform/headless/headless_platform.h"

namespace kovra::headless {

HeadlessPlatform::HeadlessPlatform(LocaleFormat format) : locale(std::move(format)) {
  messages.journal = &journal;
  container.journal = &journal;
}

std::unique_ptr<ControlSurface> HeadlessPlatform::CreateControlSurface() {
  return std::make_unique<HeadlessSurface>(NextWindow(), &windows);
}

std::unique_ptr<TextBox> HeadlessPlatform::CreateTextBox(ControlSurface& /*owner*/) {
  return std::make_unique<HeadlessTextBox>(clipboard, NextWindow(), &windows);
}

std::unique_ptr<PictureSurface> HeadlessPlatform::CreatePictureSurface(ControlSurface& /*owner*/) {
  // A new picture box starts in the system's button face, as a Windows one does: the spin
  // styles that paint no fill show it.
  auto surface = std::make_unique<HeadlessPictureSurface>(NextWindow(), &windows);
  surface->SetBackColor(drawing.SystemColour(system_colour::ButtonFace));
  return surface;
}

}  // namespace kovra::headless
