// The system's property frame — a property sheet with a tab for each page, OK, Cancel and Apply
// — as a user works it from inside its modal loop: which tabs it shows, bringing a tab forward,
// typing into a box of one of the control's own pages and pressing the frame's buttons.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace kovra::container {

// Whether `dialog` is a property frame (it has a tab control of pages).
bool IsPropertyFrame(HWND dialog);
// The tabs' titles, in order.
std::vector<std::wstring> FrameTabs(HWND frame);
// Brings the tab at `index` forward, as a click on it would; false when there is none.
bool ShowFrameTab(HWND frame, int index);
// The text box called `box` (its name in the page's definition, "txtDecimalPlaces") on the page
// the frame shows, which must be the control's page `page` (a class or caption: "Format");
// nullptr when that page is not in front or has no such box.
HWND FramePageBox(HWND frame, std::wstring_view page, std::wstring_view box);
// Types `text` into `box` over what it holds: the box takes the focus, its text is selected and
// each character arrives as the keyboard's character message.
void TypeInto(HWND box, std::wstring_view text);
// Presses one of the frame's buttons: PSBTN_OK, PSBTN_CANCEL or PSBTN_APPLYNOW.
void PressFrameButton(HWND frame, int button);

}  // namespace kovra::container
