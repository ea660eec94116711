// What the controls living on one thread share: the Windows platform (its hidden parking
// window and its services), the type library read from this library's own resources, and a
// mailbox through which an object whose last reference went during one of its own events is
// let go once the thread is back in its message loop. Made by the first control on a thread and
// gone with the last; a control is only ever used on the thread that made it (apartment
// threading).
#pragma once

#include <oaidl.h>

#include <memory>

#include "activex/com_ptr.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace kovra::activex {

class ThreadShare {
 public:
  // The share of the calling thread, made when the thread has none.
  static std::shared_ptr<ThreadShare> OfThisThread();

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

 private:
  static LRESULT CALLBACK MailboxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  win32::Win32Platform platform_;
  ComPtr<ITypeLib> library_;
  win32::UniqueWindow mailbox_;
};

}  // namespace kovra::activex
