// For tests and scripted runs: while a recorder lives, every message box that this thread
// opens is read (text, title, icon) and answered with OK at once, so that nothing waits for a
// user. Other dialog boxes (the library's own forms, a property frame) are handed to the test's
// driver when it has one; otherwise they are recorded as well — their title, and the texts of
// their labels one a line — and answered with OK. Several recorders may live on one thread,
// ending in any order; the youngest one alive records.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/lifetimebound.h"
#include "platform/message_dialog.h"
#include "platform/win32/handles.h"

namespace kovra::win32 {

struct RecordedMessageBox {
  std::wstring text;
  std::wstring title;
  // The icon the box shows, recognised by its image; empty when it shows none or one that is
  // not a standard message-box icon.
  std::optional<MessageIcon> icon;
};

class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  // The boxes answered so far, oldest first.
  const std::vector<RecordedMessageBox>& Recorded() const KOVRA_LIFETIMEBOUND { return recorded_; }
  // `observer` hears of each box as it is answered, while the call that opened it still runs,
  // so that a record of events and boxes keeps their order.
  void OnRecorded(std::function<void(const RecordedMessageBox&)> observer) {
    observer_ = std::move(observer);
  }
  // `driver` is handed each dialog box that is not a message box when it first activates, and
  // answers whether it takes care of it (posts what the user does); when it does not, the box is
  // recorded and answered with OK.
  void OnDialog(std::function<bool(HWND)> driver) { driver_ = std::move(driver); }

 private:
  static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);
  void Answer(HWND dialog);
  void AnswerForm(HWND dialog);

  UniqueHook hook_;
  std::vector<RecordedMessageBox> recorded_;
  std::function<void(const RecordedMessageBox&)> observer_;
  std::function<bool(HWND)> driver_;
};

}  // namespace kovra::win32
