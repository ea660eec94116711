// KovraDouble.ocx as the system loads it: its class factories, the classes it serves and those
// it does not serve yet, and when it lets itself be unloaded.
#include <gtest/gtest.h>
#include <objbase.h>
#include <objsafe.h>
#include <ocidl.h>

#include "activex/com_ptr.h"
#include "activex/identifiers.h"
#include "tests/ocx/ocx_test_support.h"

namespace kovra::ocx_test {
namespace {

using activex::ComPtr;

class LibraryModule : public ::testing::Test {
 protected:
  void SetUp() override {
    ocx_ = LoadOcx();
    ASSERT_TRUE(ocx_.module) << "cannot load " << testing::PrintToString(OcxPath());
    ASSERT_NE(ocx_.getClassObject, nullptr);
    ASSERT_NE(ocx_.canUnloadNow, nullptr);
    ASSERT_NE(ocx_.install, nullptr);
  }

  ComPtr<IClassFactory> Factory(const GUID& classId) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(ocx_.getClassObject(classId, IID_IClassFactory, factory.PutVoid()), S_OK);
    return factory;
  }

  LoadedOcx ocx_;
};

TEST_F(LibraryModule, TheControlClassCreatesControlsWithOneIdentityAcrossTheirInterfaces) {
  ComPtr<IClassFactory> factory = Factory(activex::kControlClass.id);
  ASSERT_TRUE(factory);
  ComPtr<IUnknown> control;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, control.PutVoid()), S_OK);
  const IID answered[] = {IID_IDispatch,
                          activex::kControlInterface.id,
                          IID_IConnectionPointContainer,
                          IID_IProvideClassInfo,
                          IID_IProvideClassInfo2,
                          IID_ISupportErrorInfo,
                          IID_IPersist,
                          IID_IPersistPropertyBag,
                          IID_IPersistStreamInit,
                          IID_IPersistStorage,
                          IID_IOleObject,
                          IID_IOleInPlaceObject,
                          IID_IOleWindow,
                          IID_IOleInPlaceActiveObject,
                          IID_IOleControl,
                          IID_IViewObject,
                          IID_IViewObject2,
                          IID_IViewObjectEx,
                          IID_IQuickActivate,
                          IID_ISpecifyPropertyPages,
                          IID_IObjectSafety};
  for (const IID& iid : answered) {
    ComPtr<IUnknown> asked;
    ASSERT_EQ(control->QueryInterface(iid, asked.PutVoid()), S_OK);
    EXPECT_EQ(asked.As<IUnknown>(), control);  // every interface leads back to one object
  }

  ComPtr<IDispatch> dispatch;
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, dispatch.PutVoid()), S_OK);
  ComPtr<IClassFactory> notAControl;
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, notAControl.PutVoid()),
            E_NOINTERFACE);
  EXPECT_FALSE(notAControl);
}

TEST_F(LibraryModule, AggregationIsRefused) {
  ComPtr<IClassFactory> factory = Factory(activex::kControlClass.id);
  ASSERT_TRUE(factory);
  ComPtr<IUnknown> outer;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, outer.PutVoid()), S_OK);
  ComPtr<IUnknown> inner;
  EXPECT_EQ(factory->CreateInstance(outer.get(), IID_IUnknown, inner.PutVoid()),
            CLASS_E_NOAGGREGATION);
  EXPECT_FALSE(inner);
}

TEST_F(LibraryModule, ThePagesAreCreatableAndUnknownClassesAreNotAvailable) {
  for (const activex::PageIdentity& page : activex::kPages) {
    ComPtr<IClassFactory> factory = Factory(page.pageClass.id);
    ASSERT_TRUE(factory);
    ComPtr<IPropertyPage> made;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IPropertyPage, made.PutVoid()), S_OK);
    EXPECT_TRUE(made);
  }
  void* factory = reinterpret_cast<void*>(1);
  EXPECT_EQ(ocx_.getClassObject(activex::kControlInterface.id, IID_IClassFactory, &factory),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory, nullptr);
  EXPECT_EQ(ocx_.getClassObject(activex::kControlClass.id, IID_IDispatch, &factory), E_NOINTERFACE);
  EXPECT_EQ(factory, nullptr);
}

TEST_F(LibraryModule, UnloadsOnlyAfterTheLastObjectAndTheLastLockAreGone) {
  ASSERT_EQ(ocx_.canUnloadNow(), S_OK);
  ComPtr<IClassFactory> factory = Factory(activex::kControlClass.id);
  ASSERT_TRUE(factory);
  EXPECT_EQ(ocx_.canUnloadNow(), S_FALSE);  // a factory in a client's hand is code in use

  ComPtr<IUnknown> control;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, control.PutVoid()), S_OK);
  ASSERT_EQ(factory->LockServer(TRUE), S_OK);
  ComPtr<IClassFactory> otherFactory = Factory(activex::kControlClass.id);
  factory.Reset();
  control.Reset();
  EXPECT_EQ(ocx_.canUnloadNow(), S_FALSE);  // the lock and the second factory

  ASSERT_EQ(otherFactory->LockServer(FALSE), S_OK);
  EXPECT_EQ(ocx_.canUnloadNow(), S_FALSE);
  otherFactory.Reset();
  EXPECT_EQ(ocx_.canUnloadNow(), S_OK);
}

TEST_F(LibraryModule, DllInstallRefusesACommandItDoesNotKnow) {
  EXPECT_EQ(ocx_.install(TRUE, L"everyone"), E_INVALIDARG);
  EXPECT_EQ(ocx_.install(FALSE, L"users"), E_INVALIDARG);
}

}  // namespace
}  // namespace kovra::ocx_test
