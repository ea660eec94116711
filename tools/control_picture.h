// Pictures of a control on the headless platform, as the screen would show it: the control
// surface's kept image with its children laid over it in z-order — Text1 as a box in its back
// colour holding its text, Up and Down when they are visible — and sheets of such pictures
// with captions.
#pragma once

#include <string>
#include <vector>

#include "control/kovra_double.h"
#include "platform/drawing.h"

namespace kovra::tools {

// Throws std::runtime_error when the control does not live on the headless platform.
Bitmap ComposeControlPicture(KovraDouble& control);

// Each pixel as a `zoom` × `zoom` block.
Bitmap Enlarged(const Bitmap& picture, int zoom);

struct CaptionedPicture {
  Bitmap picture;
  std::wstring caption;
};
// The pictures in a grid of `columns`, each under its caption, on a light background.
Bitmap ComposeSheet(const std::vector<CaptionedPicture>& pictures, int columns);

}  // namespace kovra::tools
