// A form of the control's own (the About box) shown modally as a real dialog built from its
// layout: the caption, the inner area and every element at its place in the dialog's pixels, the
// form's events delivered as Windows sends them (load before the window shows, resize whenever
// its inner size changes, clicks on buttons, labels and links, Enter pressing the default
// button, Escape and the close box unloading it), and the layout shown anew after each of them.
#pragma once

#include <windows.h>

#include "platform/forms.h"

namespace kovra::win32 {

// Shows `form` owned by `owner` (nullptr: no owner) and returns once it has unloaded. Rethrows
// what the form's code threw, after the dialog has gone. A form already showing on this thread
// is brought to the front instead, and the call returns at once.
void ShowModalForm(FormCode& form, HWND owner);

}  // namespace kovra::win32
