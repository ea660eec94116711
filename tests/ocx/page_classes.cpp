#include "tests/ocx/page_classes.h"

#include "activex/identifiers.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {

LibraryPageClasses::LibraryPageClasses() {
  for (const activex::PageIdentity& page : activex::kPages) {
    const ComPtr<IClassFactory> factory = FactoryOf(page.pageClass.id);
    DWORD cookie = 0;
    if (factory &&
        SUCCEEDED(::CoRegisterClassObject(page.pageClass.id, factory.get(), CLSCTX_INPROC_SERVER,
                                          REGCLS_MULTIPLEUSE, &cookie))) {
      cookies_.push_back(cookie);
    }
  }
}

LibraryPageClasses::~LibraryPageClasses() {
  for (const DWORD cookie : cookies_) ::CoRevokeClassObject(cookie);
}

bool LibraryPageClasses::Offered() const { return cookies_.size() == activex::kPages.size(); }

}  // namespace kovra::ocx_test
