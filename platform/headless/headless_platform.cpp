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
  return std::make_unique<HeadlessPictureSurface>(NextWindow(), &windows);
}

}  // namespace kovra::headless
