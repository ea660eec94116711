// The control's events and property notifications as a client's sinks receive them: keys typed
// into the control's EDIT arrive at every connected sink with their arguments by reference, a
// sink's answer goes back into the control (a refused key is not inserted), and sinks may
// disconnect, or give up the last reference to the control, while they handle an event.
#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <vector>

#include "activex/com_object.h"
#include "activex/identifiers.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/event_recorder.h"

namespace kovra::ocx_test {
namespace {

using activex::Answers;
using activex::ComObject;
using activex::InterfaceEntry;
using activex::MakeObject;

// The events the tests watch, by dispatch identifier.
constexpr DISPID kChange = 1;
constexpr DISPID kKeyDown = 4;
constexpr DISPID kKeyPress = 5;
constexpr DISPID kKeyUp = 6;

// A client's property notification sink: the identifiers it was told of, in order.
class NotifySink final : public ComObject<NotifySink, IPropertyNotifySink> {
 public:
  std::vector<DISPID> changed;
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
    changed.push_back(id);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

// An object that is no sink of either kind.
class Stranger final : public ComObject<Stranger, IPersist> {
 public:
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
};

ComPtr<IConnectionPoint> PointOf(IUnknown* control, const IID& iid) {
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()))) {
    container->FindConnectionPoint(iid, point.Put());
  }
  return point;
}

DWORD Connect(IUnknown* control, const IID& iid, IUnknown* sink) {
  DWORD cookie = 0;
  const ComPtr<IConnectionPoint> point = PointOf(control, iid);
  if (point) point->Advise(sink, &cookie);
  return cookie;
}

HWND EditOf(IDispatch* control) {
  const Outcome handle = Get(control, L"hWnd");
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle.value.get().lVal));
}

// One key as the user types it: key-down, the character, key-up.
void TypeKey(HWND edit, wchar_t character) {
  const auto key = static_cast<WPARAM>(::VkKeyScanW(character) & 0xFF);
  const auto scan = static_cast<LPARAM>(::MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
  ::SendMessageW(edit, WM_KEYDOWN, key, 1 | (scan << 16));
  ::SendMessageW(edit, WM_CHAR, character, 1 | (scan << 16));
  ::SendMessageW(edit, WM_KEYUP, key, 1 | (scan << 16) | (LPARAM{3} << 30));
}

void Type(HWND edit, const wchar_t* text) {
  for (const wchar_t* c = text; *c != L'\0'; ++c) TypeKey(edit, *c);
}

class Events : public ::testing::Test {
 protected:
  void SetUp() override {
    control_ = NewControl();
    ASSERT_TRUE(control_);
    edit_ = EditOf(control_.get());
    ASSERT_TRUE(::IsWindow(edit_));
    ::SetFocus(edit_);
  }
  void TearDown() override { PumpMessages(); }

  ComPtr<IDispatch> control_;
  HWND edit_ = nullptr;
};

TEST_F(Events, EverySinkHearsTheKeysAndARefusedKeyIsNotInserted) {
  ComPtr<EventRecorder> refusing = MakeObject<EventRecorder>();
  ComPtr<EventRecorder> counting = MakeObject<EventRecorder>();
  refusing->onEvent = [](DISPID id, DISPPARAMS& parameters) {
    if (id != kKeyPress) return;
    ASSERT_EQ(parameters.cArgs, 1u);
    ASSERT_EQ(parameters.rgvarg[0].vt, VT_I2 | VT_BYREF);
    if (*parameters.rgvarg[0].piVal == L'5') *parameters.rgvarg[0].piVal = 0;
  };
  std::vector<VARTYPE> keyPressTypes;
  counting->onEvent = [&](DISPID id, DISPPARAMS& parameters) {
    if (id == kKeyPress) keyPressTypes.push_back(parameters.rgvarg[0].vt);
  };
  ASSERT_NE(Connect(control_.get(), activex::kEventInterface.id, refusing.get()), 0u);
  ASSERT_NE(Connect(control_.get(), activex::kEventInterface.id, counting.get()), 0u);

  Type(edit_, L"152");
  for (EventRecorder* sink : {refusing.get(), counting.get()}) {
    EXPECT_EQ(sink->Count(kKeyDown), 3);
    EXPECT_EQ(sink->Count(kKeyPress), 3);
    EXPECT_EQ(sink->Count(kKeyUp), 3);
    EXPECT_GE(sink->Count(kChange), 2);
  }
  EXPECT_EQ(keyPressTypes, std::vector<VARTYPE>(3, VT_I2 | VT_BYREF));
  const std::wstring value = Text(control_.get(), L"Value");
  EXPECT_EQ(value.find(L'5'), std::wstring::npos) << testing::PrintToString(value);
  EXPECT_NE(value.find(L"12"), std::wstring::npos) << testing::PrintToString(value);

  const int changes = counting->Count(kChange);
  ASSERT_EQ(Put(control_.get(), L"Value", Value(L"7")).result, S_OK);
  EXPECT_GT(counting->Count(kChange), changes);
}

TEST_F(Events, SinksMayDisconnectThemselvesAndOthersWhileTheyHandleAnEvent) {
  ComPtr<EventRecorder> leaving = MakeObject<EventRecorder>();
  ComPtr<EventRecorder> staying = MakeObject<EventRecorder>();
  ComPtr<EventRecorder> dropped = MakeObject<EventRecorder>();
  const ComPtr<IConnectionPoint> point = PointOf(control_.get(), activex::kEventInterface.id);
  DWORD leavingCookie = 0;
  DWORD staysCookie = 0;
  DWORD droppedCookie = 0;
  ASSERT_EQ(point->Advise(leaving.get(), &leavingCookie), S_OK);
  ASSERT_EQ(point->Advise(staying.get(), &staysCookie), S_OK);
  ASSERT_EQ(point->Advise(dropped.get(), &droppedCookie), S_OK);
  leaving->onEvent = [&](DISPID id, DISPPARAMS&) {
    if (id == kKeyPress) {
      EXPECT_EQ(point->Unadvise(leavingCookie), S_OK);
    }
  };
  staying->onEvent = [&](DISPID id, DISPPARAMS&) {
    if (id == kKeyPress && droppedCookie != 0) {
      EXPECT_EQ(point->Unadvise(droppedCookie), S_OK);
      droppedCookie = 0;
    }
  };
  leaving.Reset();  // the connection holds the only reference it has now

  Type(edit_, L"12");
  EXPECT_EQ(staying->Count(kKeyPress), 2);
  // The sink dropped during the first key had the event already on its way to it.
  EXPECT_EQ(dropped->Count(kKeyPress), 1);
  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(point->EnumConnections(connections.Put()), S_OK);
  CONNECTDATA data[4] = {};
  ULONG fetched = 0;
  EXPECT_EQ(connections->Next(4, data, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 1u);
  EXPECT_EQ(data[0].dwCookie, staysCookie);
  data[0].pUnk->Release();
}

TEST_F(Events, ASinkMayLetGoOfTheLastReferenceToTheControlInsideAHandler) {
  ComPtr<EventRecorder> sink = MakeObject<EventRecorder>();
  ASSERT_NE(Connect(control_.get(), activex::kEventInterface.id, sink.get()), 0u);
  IDispatch* last = control_.Detach();
  sink->onEvent = [&](DISPID id, DISPPARAMS&) {
    if (id == kKeyPress && last != nullptr) std::exchange(last, nullptr)->Release();
  };
  Type(edit_, L"34");  // the control's own code runs on after the handler, its window too
  EXPECT_EQ(last, nullptr);
  EXPECT_EQ(sink->Count(kKeyUp), 2);
  PumpMessages();  // back in the message loop, the control goes
  EXPECT_FALSE(::IsWindow(edit_));
  EXPECT_EQ(LibraryCanUnloadNow(), S_OK);
}

TEST_F(Events, PropertyChangesReachTheNotifySinksWithTheMembersIdentifiers) {
  ComPtr<NotifySink> first = MakeObject<NotifySink>();
  ComPtr<NotifySink> second = MakeObject<NotifySink>();
  ASSERT_NE(Connect(control_.get(), IID_IPropertyNotifySink, first.get()), 0u);
  ASSERT_NE(Connect(control_.get(), IID_IPropertyNotifySink, second.get()), 0u);
  ASSERT_EQ(Put(control_.get(), L"DecimalPlaces", Value(short{3})).result, S_OK);
  ASSERT_EQ(Put(control_.get(), L"Value", Value(L"8")).result, S_OK);
  ASSERT_EQ(Put(control_.get(), L"LinkItem", Value(L"x")).result, S_OK);
  ASSERT_EQ(Put(control_.get(), L"hWnd", Value(1L)).result, DISP_E_EXCEPTION);  // no change
  const std::vector<DISPID> expected{0x68030016, DISPID_VALUE, 0x68030029};
  EXPECT_EQ(first->changed, expected);
  EXPECT_EQ(second->changed, expected);
  EXPECT_EQ(PointOf(control_.get(), activex::kEventInterface.id)
                ->Advise(MakeObject<NotifySink>().get(), nullptr),
            E_POINTER);
}

TEST_F(Events, TheConnectionPointsAreFoundAndEnumeratedAndRefuseStrangers) {
  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(control_->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), S_OK);
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(points.Put()), S_OK);
  std::vector<IID> interfaces;
  IConnectionPoint* point = nullptr;
  while (points->Next(1, &point, nullptr) == S_OK) {
    IID iid{};
    point->GetConnectionInterface(&iid);
    interfaces.push_back(iid);
    ComPtr<IConnectionPointContainer> owner;
    EXPECT_EQ(point->GetConnectionPointContainer(owner.Put()), S_OK);
    EXPECT_EQ(owner.As<IUnknown>(), control_.As<IUnknown>());
    point->Release();
  }
  ASSERT_EQ(interfaces.size(), 2u);
  EXPECT_TRUE(::IsEqualIID(interfaces[0], activex::kEventInterface.id));
  EXPECT_TRUE(::IsEqualIID(interfaces[1], IID_IPropertyNotifySink));

  ComPtr<IConnectionPoint> none;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, none.Put()), CONNECT_E_NOCONNECTION);
  const ComPtr<IConnectionPoint> events = PointOf(control_.get(), activex::kEventInterface.id);
  DWORD cookie = 1;
  EXPECT_EQ(events->Advise(MakeObject<Stranger>().get(), &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(cookie, 0u);
  EXPECT_EQ(events->Unadvise(999), CONNECT_E_NOCONNECTION);

  ComPtr<IProvideClassInfo2> info;
  ASSERT_EQ(control_->QueryInterface(IID_IProvideClassInfo2, info.PutVoid()), S_OK);
  GUID source{};
  ASSERT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
  EXPECT_TRUE(::IsEqualGUID(source, activex::kEventInterface.id));
  ComPtr<ITypeInfo> type;
  ASSERT_EQ(info->GetClassInfo(type.Put()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(type->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  EXPECT_TRUE(::IsEqualGUID(attributes->guid, activex::kControlClass.id));
  type->ReleaseTypeAttr(attributes);
}

}  // namespace
}  // namespace kovra::ocx_test
