// The one ordered record of what a control did — events, message boxes, errors its callers got,
// a focus kept by a cancelled Validate — as scripts write it and check it. The driver reads the
// record of its platform; the container's corpus player keeps one of what reached it through
// the control's interfaces; both write and compare it here, so that a case reads the same on
// every host.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/headless/recording_services.h"

namespace kovra::tools {

using JournalEntry = headless::Journal::Entry;

// One raised event as scripts write it: "Change", "KeyPress(53)", "KeyDown(46,0)".
std::wstring DescribeEvent(const headless::RaisedEvent& event);

// A journal entry as `expect events` writes it ("Message(Critical)", "Error(13)",
// "Validate(Cancel)"); empty for a property notification, which `expect events` leaves out.
std::wstring EventWord(const JournalEntry& entry);
// A journal entry as `events` prints it, one line.
std::string EventLine(const JournalEntry& entry);

// What `expect events` (or, with `namesOnly`, `expect event-names`) reports when `entries` do
// not read as the `expected` words; empty when they do.
std::string EventsMismatch(std::span<const std::wstring> expected,
                           std::span<const JournalEntry> entries, bool namesOnly);
// What `expect WHAT` reports when the control shows the words `actual` where the script
// expects `expected`; empty when they agree.
std::string ObservationMismatch(std::wstring_view what, std::span<const std::wstring> expected,
                                std::span<const std::wstring> actual);
// What `expect message` reports when the message boxes among `entries` are not those of
// `expected`, pairs of an icon name and a text (none for `expect no-message`); empty when
// they are.
std::string MessagesMismatch(std::span<const std::wstring> expected,
                             std::span<const JournalEntry> entries);

}  // namespace kovra::tools
