// Text1 as the source of an OLE drag (the OLEDrag method): the box's owner hears OLEStartDrag
// (the data and the effects the drag allows, by reference), OLEGiveFeedback while the drag moves
// (the effect and whether the system's cursors are shown) and OLECompleteDrag with the effect the
// drop had. The drag carries the selected text, or the whole text when nothing is selected, as
// plain text; it ends where the mouse button is released.
#pragma once

#include <ole2.h>

#include <string>

#include "platform/text_box.h"

namespace kovra::win32 {

// Runs the drag to its end. Without OLE on the thread the drag cannot start, and the owner hears
// OLECompleteDrag with no effect.
void RunTextDrag(const std::wstring& text, TextBoxEvents* events);

}  // namespace kovra::win32
