// Registration-free use: in a prefix where the control was never registered, the manifest
// beside the library makes the class, its ProgIDs, its status bits and its type library known
// to the processes that activate it, and to no one else.
#include <gtest/gtest.h>
#include <objbase.h>
#include <ocidl.h>
#include <ole2.h>
#include <windows.h>

#include "activex/com_ptr.h"
#include "activex/identifiers.h"
#include "tests/ocx/ocx_test_support.h"

namespace kovra::ocx_test {
namespace {

using activex::ComPtr;

// An activation context made from a manifest, active while this lives.
class ActiveManifest {
 public:
  explicit ActiveManifest(const std::wstring& manifest) {
    ACTCTXW description{};
    description.cbSize = sizeof description;
    description.lpSource = manifest.c_str();
    context_ = ::CreateActCtxW(&description);
    if (context_ != INVALID_HANDLE_VALUE && !::ActivateActCtx(context_, &cookie_)) cookie_ = 0;
  }
  ~ActiveManifest() {
    if (cookie_ != 0) ::DeactivateActCtx(0, cookie_);
    if (context_ != INVALID_HANDLE_VALUE) ::ReleaseActCtx(context_);
  }
  ActiveManifest(const ActiveManifest&) = delete;
  ActiveManifest& operator=(const ActiveManifest&) = delete;
  bool active() const { return cookie_ != 0; }

 private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

class RegistrationFree : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Registration() != L"none") GTEST_SKIP() << "needs a prefix without registration";
  }
};

TEST_F(RegistrationFree, WithoutTheManifestNothingKnowsTheControl) {
  ComPtr<IUnknown> control;
  EXPECT_EQ(::CoCreateInstance(activex::kControlClass.id, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IUnknown, control.PutVoid()),
            REGDB_E_CLASSNOTREG);
  CLSID found{};
  EXPECT_HRESULT_FAILED(::CLSIDFromProgID(L"Kovra_Double.KovraDouble", &found));
  ComPtr<ITypeLib> library;
  EXPECT_HRESULT_FAILED(::LoadRegTypeLib(activex::kLibraryId, 1, 0, 0x0409, library.Put()));
}

TEST_F(RegistrationFree, TheManifestMakesTheClassCreatableByIdentifierAndByProgId) {
  const ActiveManifest manifest(ManifestBeside(OcxPath()));
  ASSERT_TRUE(manifest.active()) << "the manifest beside the library does not activate";

  EXPECT_TRUE(SamePath(CreatingLibrary(activex::kControlClass.id), OcxPath()));
  // Wine answers a ProgID with an alias of the class identifier that the context maps to the
  // class; what counts is that creating it gives the control.
  for (const wchar_t* progId : {L"Kovra_Double.KovraDouble", L"Kovra_Double.KovraDouble.1"}) {
    CLSID found{};
    ASSERT_EQ(::CLSIDFromProgID(progId, &found), S_OK)
        << testing::PrintToString(std::wstring(progId));
    EXPECT_TRUE(SamePath(CreatingLibrary(found), OcxPath()))
        << testing::PrintToString(std::wstring(progId));
  }
  DWORD status = 0;
  ASSERT_EQ(::OleRegGetMiscStatus(activex::kControlClass.id, DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, 0x20191u);  // site first, active when visible, inside-out, no links, recompose

  ComPtr<ITypeLib> library;
  ASSERT_EQ(::LoadRegTypeLib(activex::kLibraryId, 1, 0, 0x0409, library.Put()), S_OK);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_TRUE(attributes->wLibFlags & LIBFLAG_FCONTROL);
  library->ReleaseTLibAttr(attributes);
}

TEST_F(RegistrationFree, ThePagesAreCreatableThroughTheManifest) {
  const ActiveManifest manifest(ManifestBeside(OcxPath()));
  ASSERT_TRUE(manifest.active());
  for (const activex::PageIdentity& page : activex::kPages) {
    ComPtr<IPropertyPage> object;
    EXPECT_EQ(::CoCreateInstance(page.pageClass.id, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IPropertyPage, object.PutVoid()),
              S_OK);
  }
}

}  // namespace
}  // namespace kovra::ocx_test
