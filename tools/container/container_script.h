// The script of kovra-container: one action a line on a form that hosts controls with real
// sites. `#` starts a comment; "double quotes" keep blanks.
//
//   form WIDTH HEIGHT [TITLE]            the form (first)
//   control NAME CLASS X Y W H          places a control by ProgID or {class id}, new
//   set NAME PROPERTY VALUE              a property by name (True/False, numbers, texts)
//   get NAME PROPERTY                    prints a property
//   call NAME METHOD                     calls a method without arguments
//   ambient NAME UserMode|Font|ToolTipText VALUE   what the control's site answers from now on
//   log X Y W H                          the event log: every event of every control, by name
//   button CAPTION X Y W H NAME METHOD   a push button that calls a control's method
//   press CAPTION                        clicks a button
//   properties NAME                      the Properties verb: the control's pages in a frame
//   capture FILE [FILE ...]              pictures of the next dialog box while it is open (BMP):
//                                        a property frame's tabs in turn, then Cancel; another
//                                        box once, then OK
//   focus NAME                           activates a control in the user interface
//   select NAME START LENGTH             selects a part of a control's Text1
//   type TEXT                            types with real key messages into the focused window
//   key KEY [shift|ctrl|alt]             Tab, Enter, Escape, Home, End, Left, Right, Delete, …
//   tab                                  Tab through the form's message loop
//   click NAME X Y                       a left click at a place of a control
//   resize NAME W H                      a new size from the container
//   save NAME FILE / load NAME FILE      the control's saved form in a file (its stream)
//   pixel NAME X Y                       prints the colour of a pixel of a control's window
//   screenshot FILE                      the form's client area as a 24-bit BMP
//
// Message boxes are answered with OK at once and written to the log and the output.
#pragma once

#include <iosfwd>
#include <string>

namespace kovra::container {

// Plays the script in `path`, printing what it reads and logs to `out`. Returns the number of
// lines that failed.
int PlayScript(const std::wstring& path, std::wostream& out);

}  // namespace kovra::container
