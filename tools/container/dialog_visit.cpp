#include "tools/container/dialog_visit.h"

#include <utility>

namespace kovra::container {
namespace {

constexpr UINT_PTR kVisitTimer = 0x4B56;  // a timer of the box's window that is ours

struct Visit {
  DialogVisitor visitor;
  UINT pause = 0;
  bool started = false;
};
// The armed or running visit; a timer procedure carries no state of its own.
thread_local Visit t_visit;

void CALLBACK VisitNow(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(dialog, timer);
  ::UpdateWindow(dialog);
  if (!t_visit.visitor) return;
  if (t_visit.visitor(dialog)) {
    ::SetTimer(dialog, kVisitTimer, t_visit.pause, &VisitNow);
  } else {
    t_visit = {};
  }
}

}  // namespace

void VisitNextDialog(win32::MessageBoxRecorder& recorder, DialogVisitor visitor, UINT pause) {
  t_visit = {std::move(visitor), pause, false};
  recorder.OnDialog([](HWND dialog) {
    if (!t_visit.visitor || t_visit.started) return false;
    t_visit.started = true;
    ::SetTimer(dialog, kVisitTimer, t_visit.pause, &VisitNow);
    return true;
  });
}

}  // namespace kovra::container
