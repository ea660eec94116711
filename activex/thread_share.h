// What the controls living on one thread share: the Windows platform (its hidden parking
// window and its services), the type library read from this library's own resources, and a
// mailbox through which an object whose last reference went during one of its own events is
// let go once the thread is back in its message loop. A control is only ever used on the
// thread that made it (apartment threading).
//
// The share is made by the first control on a thread. When the last one goes it lingers until
// the thread is back in its message loop, so that controls made and let go one after another
// do not make and destroy the platform's windows each time; asking whether the library may
// unload (DllCanUnloadNow) on that thread ends a lingering share at once. While a share lives
// the library stays loaded, since its windows call into it.
#pragma once

#include <oaidl.h>

#include <memory>

#include "activex/com_ptr.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace kovra::activex {

class ThreadShare : public std::enable_shared_from_this<ThreadShare> {
 public:
  // The share of the calling thread, made when the thread has none.
  static std::shared_ptr<ThreadShare> OfThisThread();
  // Ends the calling thread's share if nothing but its lingering keeps it.
  static void EndLingeringOfThisThread();

  ThreadShare();
  ~ThreadShare();
  ThreadShare(const ThreadShare&) = delete;
  ThreadShare& operator=(const ThreadShare&) = delete;

  win32::Win32Platform& Platform() { return platform_; }
  // The library's type library, loaded on first use. Throws ComError.
  ITypeLib* Library();
  // The description of a type of the library by its identifier. Throws ComError.
  ComPtr<ITypeInfo> TypeOf(const GUID& id);

  // Takes over one reference to `object` and releases it from the thread's message loop, when
  // no frame of the object's own code is on the stack any more.
  void ReleaseLater(IUnknown* object);
  // Gives `window` the focus once the thread is back in its message loop (a control that keeps
  // the focus takes it back after the focus change in progress has ended).
  void FocusLater(HWND window);
  // Called by a control that is going: keeps the share until the thread's message loop runs.
  void Linger();

 private:
  static LRESULT CALLBACK MailboxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  win32::Win32Platform platform_;
  ComPtr<ITypeLib> library_;
  win32::UniqueWindow mailbox_;
  std::shared_ptr<ThreadShare> lingering_;  // the share's hold on itself while it lingers
};

}  // namespace kovra::activex
