#include "activex/thread_share.h"

#include <oleauto.h>

#include "activex/com_error.h"
#include "activex/module.h"
#include "platform/win32/window_class.h"

namespace kovra::activex {
namespace {

constexpr UINT kReleaseMessage = WM_APP + 1;
constexpr UINT kEndLingeringMessage = WM_APP + 2;
constexpr UINT kFocusMessage = WM_APP + 3;

thread_local std::weak_ptr<ThreadShare> t_share;

}  // namespace

std::shared_ptr<ThreadShare> ThreadShare::OfThisThread() {
  std::shared_ptr<ThreadShare> share = t_share.lock();
  if (!share) {
    share = std::make_shared<ThreadShare>();
    t_share = share;
  }
  return share;
}

void ThreadShare::EndLingeringOfThisThread() {
  const std::shared_ptr<ThreadShare> share = t_share.lock();
  if (share && share->lingering_ && share.use_count() == 2) share->lingering_.reset();
}

ThreadShare::ThreadShare() {
  static const win32::WindowClass mailboxClass(L"KovraDoubleMailbox", &MailboxProcedure, nullptr);
  mailbox_.reset(win32::CreateOwnedWindow(mailboxClass, 0, HWND_MESSAGE, 0, 0, this));
  module::ObjectCreated();
}

ThreadShare::~ThreadShare() {
  ::SetWindowLongPtrW(mailbox_.get(), GWLP_USERDATA, 0);
  module::ObjectDestroyed();
}

ITypeLib* ThreadShare::Library() {
  if (!library_) {
    ThrowIfFailed(::LoadTypeLibEx(module::Path().c_str(), REGKIND_NONE, library_.Put()));
  }
  return library_.get();
}

ComPtr<ITypeInfo> ThreadShare::TypeOf(const GUID& id) {
  ComPtr<ITypeInfo> type;
  ThrowIfFailed(Library()->GetTypeInfoOfGuid(id, type.Put()));
  return type;
}

void ThreadShare::ReleaseLater(IUnknown* object) {
  if (!::PostMessageW(mailbox_.get(), kReleaseMessage, 0, reinterpret_cast<LPARAM>(object))) {
    object->Release();  // no queue to wait in: the caller's stack is the only choice left
  }
}

void ThreadShare::FocusLater(HWND window) {
  ::PostMessageW(mailbox_.get(), kFocusMessage, reinterpret_cast<WPARAM>(window), 0);
}

void ThreadShare::Linger() {
  if (lingering_) return;
  lingering_ = shared_from_this();
  if (!::PostMessageW(mailbox_.get(), kEndLingeringMessage, 0, 0)) lingering_.reset();
}

LRESULT CALLBACK ThreadShare::MailboxProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == kReleaseMessage) {
    reinterpret_cast<IUnknown*>(lParam)->Release();
    return 0;
  }
  if (message == kFocusMessage) {
    HWND target = reinterpret_cast<HWND>(wParam);
    if (::IsWindow(target) && ::IsWindowVisible(target)) ::SetFocus(target);
    return 0;
  }
  if (message == kEndLingeringMessage) {
    auto* share = static_cast<ThreadShare*>(win32::WindowOwner(window, message, lParam));
    // The share may end here, its mailbox with it: nothing is touched after.
    if (share != nullptr) std::shared_ptr<ThreadShare>(std::move(share->lingering_)).reset();
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kovra::activex
