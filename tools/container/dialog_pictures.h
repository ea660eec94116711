// Pictures of a modal box while it is open: the next dialog box the thread opens — a property
// frame, the About box — is written to files as the screen shows it, frame and caption included,
// and then closed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/test_support/message_box_recorder.h"

namespace kovra::container {

// Arms `recorder` for the next dialog box that is not a message box: a property frame brings
// its tabs forward one after the other, from the first, and each is written to the next of
// `files` (24-bit BMP) before the frame is cancelled; any other box is written to the first file
// and closed with OK. `told` hears of each picture, and of a picture that could not be written.
void PictureNextDialog(win32::MessageBoxRecorder& recorder, std::vector<std::wstring> files,
                       std::function<void(const std::wstring&)> told);

}  // namespace kovra::container
