// Acting inside a modal dialog box as a user would: the next dialog box the thread opens (the
// About box, a property frame) is handed to a visitor from a timer inside the dialog's own modal
// loop, once the box shows and has painted. The call that opened the box is still running then,
// so a test or a script can act in a box that returns only when it closes.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/win32/test_support/message_box_recorder.h"

namespace kovra::container {

// What the visitor does on one visit to the dialog `dialog`. It answers whether it wants to come
// back after another pause — so that the box paints what this visit changed — or, with false,
// that it is done, having posted what closes the box.
using DialogVisitor = std::function<bool(HWND dialog)>;

// Arms `recorder` so that the next dialog box that is not a message box goes to `visitor`,
// `pause` milliseconds after it first activates, and again each `pause` while the visitor asks
// to come back. Boxes after that one the recorder records and answers itself again. One visit at
// a time on a thread.
void VisitNextDialog(win32::MessageBoxRecorder& recorder, DialogVisitor visitor, UINT pause = 50);

}  // namespace kovra::container
