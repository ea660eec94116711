// The control saved and loaded as containers do it: the host's property bag with the keys in
// their order and types, the library's binary form in a stream and in a storage, the container
// protocol (InitNew, IsDirty, GetSizeMax), and stores that cannot be loaded, which are refused
// with a result that says why and leave the control as it was.
#include <gtest/gtest.h>
#include <ocidl.h>

#include <cmath>
#include <limits>
#include <string>

#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/memory_property_bag.h"
#include "tests/ocx/persistence_support.h"

namespace kovra::ocx_test {
namespace {

using activex::MakeObject;

// The properties a round trip must bring back, read as texts.
const wchar_t* const kCompared[] = {L"BackColor",       L"ForeColor",
                                    L"Enabled",         L"Appearance",
                                    L"Alignment",       L"LinkItem",
                                    L"LinkMode",        L"LinkTimeout",
                                    L"LinkTopic",       L"OLEDragMode",
                                    L"OLEDropMode",     L"RightToLeft",
                                    L"SelLength",       L"SelStart",
                                    L"WinBorderWidth",  L"WinBorderColor",
                                    L"WinBorderEffect", L"WinBorderOverColor",
                                    L"FontOverEffect",  L"FontOverColor",
                                    L"Border3DStyle",   L"Edit3DOption",
                                    L"MaxValue",        L"MinValue",
                                    L"DecimalPlaces",   L"UseSeparator",
                                    L"MousePointer",    L"XPGetTheme",
                                    L"WinTheme",        L"WinBorderColorOption",
                                    L"ButtonSpin",      L"ButtonSpinArrowColor",
                                    L"Edit3DColor",     L"ButtonSpinIncrement",
                                    L"ButtonSpinMax",   L"ButtonSpinMin",
                                    L"ButtonSpinEdit",  L"Locked",
                                    L"Value",           L"FontName",
                                    L"FontSize",        L"FontBold",
                                    L"FontItalic",      L"FontUnderline",
                                    L"FontStrikethru"};

void ExpectSameProperties(IDispatch* expected, IDispatch* actual) {
  for (const wchar_t* name : kCompared) {
    EXPECT_EQ(Text(actual, name), Text(expected, name))
        << testing::PrintToString(std::wstring(name));
  }
  const Outcome icon = Get(actual, L"MouseIcon");
  EXPECT_EQ(icon.value.get().vt, VT_DISPATCH);
  EXPECT_EQ(icon.value.get().pdispVal != nullptr,
            Get(expected, L"MouseIcon").value.get().pdispVal != nullptr);
}

template <typename Interface>
ComPtr<Interface> As(IUnknown* object, const IID& iid) {
  ComPtr<Interface> asked;
  object->QueryInterface(iid, asked.PutVoid());
  return asked;
}

class Persistence : public ::testing::Test {
 protected:
  void SetUp() override {
    control_ = NewControl();
    ASSERT_TRUE(control_);
  }

  // A bag holding everything a control with distinct values writes.
  ComPtr<MemoryPropertyBag> FullBag() {
    ComPtr<IDispatch> source = NewControl();
    GiveDistinctValues(source.get());
    ComPtr<MemoryPropertyBag> bag = MakeObject<MemoryPropertyBag>();
    EXPECT_EQ(
        As<IPersistPropertyBag>(source.get(), IID_IPersistPropertyBag)->Save(bag.get(), TRUE, TRUE),
        S_OK);
    return bag;
  }

  HRESULT LoadBag(IPropertyBag* bag) {
    return As<IPersistPropertyBag>(control_.get(), IID_IPersistPropertyBag)->Load(bag, nullptr);
  }

  ComPtr<IDispatch> control_;
  win32::MessageBoxRecorder boxes_;
};

TEST_F(Persistence, TheHostsBagReceivesTheKeysInOrderWithTheirTypes) {
  const auto persist = As<IPersistPropertyBag>(control_.get(), IID_IPersistPropertyBag);
  ASSERT_EQ(persist->InitNew(), S_OK);
  ComPtr<MemoryPropertyBag> bag = MakeObject<MemoryPropertyBag>();
  ASSERT_EQ(persist->Save(bag.get(), TRUE, TRUE), S_OK);
  ASSERT_EQ(bag->written.size(), kSavedKeys.size());
  for (std::size_t i = 0; i < kSavedKeys.size(); ++i) {
    EXPECT_EQ(bag->written[i].first, kSavedKeys[i]) << i;
  }
  const auto typeOf = [&](std::size_t i) { return bag->written[i].second.get().vt; };
  EXPECT_EQ(typeOf(0), VT_I4);        // BackColor
  EXPECT_EQ(typeOf(2), VT_BOOL);      // Enabled
  EXPECT_EQ(typeOf(3), VT_DISPATCH);  // Font
  EXPECT_NE(bag->written[3].second.get().pdispVal, nullptr);
  EXPECT_EQ(typeOf(4), VT_I2);         // Appearance
  EXPECT_EQ(typeOf(6), VT_BSTR);       // LinkItem
  EXPECT_EQ(typeOf(10), VT_DISPATCH);  // MouseIcon: none
  EXPECT_EQ(bag->written[10].second.get().pdispVal, nullptr);
  EXPECT_EQ(typeOf(14), VT_I4);  // SelLength
  EXPECT_EQ(typeOf(24), VT_R8);  // MaxValue
  EXPECT_EQ(typeOf(28), VT_I4);  // MousePointer
  EXPECT_EQ(typeOf(41), VT_BSTR);
  EXPECT_STREQ(bag->written[41].second.get().bstrVal, L"0.00");
}

TEST_F(Persistence, EveryValueComesBackFromABagAStreamAndAStorage) {
  GiveDistinctValues(control_.get());

  ComPtr<MemoryPropertyBag> bag = MakeObject<MemoryPropertyBag>();
  ASSERT_EQ(
      As<IPersistPropertyBag>(control_.get(), IID_IPersistPropertyBag)->Save(bag.get(), TRUE, TRUE),
      S_OK);
  ComPtr<IDispatch> fromBag = NewControl();
  ASSERT_EQ(
      As<IPersistPropertyBag>(fromBag.get(), IID_IPersistPropertyBag)->Load(bag.get(), nullptr),
      S_OK);
  ExpectSameProperties(control_.get(), fromBag.get());

  const std::vector<std::byte> form = SavedForm(control_.get());
  ASSERT_FALSE(form.empty());
  ComPtr<IDispatch> fromStream = NewControl();
  ASSERT_EQ(LoadForm(fromStream.get(), form), S_OK);
  ExpectSameProperties(control_.get(), fromStream.get());
  EXPECT_EQ(SavedForm(fromStream.get()), form);

  ComPtr<ILockBytes> bytes;
  ComPtr<IStorage> storage;
  ASSERT_EQ(::CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.Put()), S_OK);
  ASSERT_EQ(::StgCreateDocfileOnILockBytes(
                bytes.get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.Put()),
            S_OK);
  const auto saving = As<IPersistStorage>(control_.get(), IID_IPersistStorage);
  ASSERT_EQ(saving->Save(storage.get(), FALSE), S_OK);
  ASSERT_EQ(saving->SaveCompleted(nullptr), S_OK);
  ComPtr<IDispatch> fromStorage = NewControl();
  ASSERT_EQ(As<IPersistStorage>(fromStorage.get(), IID_IPersistStorage)->Load(storage.get()), S_OK);
  ExpectSameProperties(control_.get(), fromStorage.get());
}

TEST_F(Persistence, TheContainerProtocolOfInitNewIsDirtyAndSizes) {
  const auto stream = As<IPersistStreamInit>(control_.get(), IID_IPersistStreamInit);
  CLSID id{};
  ASSERT_EQ(stream->GetClassID(&id), S_OK);
  EXPECT_TRUE(::IsEqualGUID(id, activex::kControlClass.id));
  ASSERT_EQ(stream->InitNew(), S_OK);
  EXPECT_EQ(stream->InitNew(), E_UNEXPECTED);
  EXPECT_EQ(stream->IsDirty(), S_FALSE);
  ASSERT_EQ(Put(control_.get(), L"UseSeparator", Boolean(true)).result, S_OK);
  EXPECT_EQ(stream->IsDirty(), S_OK);
  EXPECT_EQ(As<IPersistStorage>(control_.get(), IID_IPersistStorage)->IsDirty(), S_OK);

  ULARGE_INTEGER size{};
  ASSERT_EQ(stream->GetSizeMax(&size), S_OK);
  const std::vector<std::byte> form = SavedForm(control_.get());  // saves without clearing
  EXPECT_EQ(size.QuadPart, form.size());
  EXPECT_EQ(stream->IsDirty(), S_OK);

  // A stream may go on after the form with the container's own data, which loading leaves.
  ComPtr<IStream> shared;
  ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, shared.Put()), S_OK);
  ASSERT_EQ(stream->Save(shared.get(), TRUE), S_OK);
  EXPECT_EQ(stream->IsDirty(), S_FALSE);
  ASSERT_EQ(shared->Write("tail", 4, nullptr), S_OK);
  ASSERT_EQ(shared->Seek({}, STREAM_SEEK_SET, nullptr), S_OK);
  ComPtr<IDispatch> other = NewControl();
  ASSERT_EQ(As<IPersistStreamInit>(other.get(), IID_IPersistStreamInit)->Load(shared.get()), S_OK);
  char tail[4] = {};
  ULONG read = 0;
  ASSERT_EQ(shared->Read(tail, 4, &read), S_OK);
  EXPECT_EQ(std::string(tail, read), "tail");
  EXPECT_EQ(Text(other.get(), L"UseSeparator"), L"True");
  // A loaded control is unchanged, and a container does not give it its defaults as well.
  const auto loaded = As<IPersistStreamInit>(other.get(), IID_IPersistStreamInit);
  EXPECT_EQ(loaded->IsDirty(), S_FALSE);
  EXPECT_EQ(loaded->InitNew(), E_UNEXPECTED);
}

TEST_F(Persistence, BagValuesTheControlCannotTakeAreRefusedAndTheControlStaysAsItWas) {
  const auto nan = std::numeric_limits<double>::quiet_NaN();
  const auto infinity = std::numeric_limits<double>::infinity();
  ComVariant array;
  {
    VARIANT* slot = array.Put();
    slot->vt = VT_ARRAY | VT_I4;
    slot->parray = ::SafeArrayCreateVector(VT_I4, 0, 3);
  }
  struct Case {
    const wchar_t* key;
    ComVariant value;
    HRESULT expected;
  };
  const Case cases[] = {
      {L"MaxValue", Value(nan), ControlError(380)},
      {L"MinValue", Value(-infinity), ControlError(380)},
      {L"LinkItem", Value(std::wstring(70000, L'x').c_str()), ControlError(380)},
      {L"Font", Object(nullptr), ControlError(380)},
      {L"BackColor", Value(L"abc"), ControlError(13)},
      {L"Appearance", Value(70000L), ControlError(6)},
      {L"LinkMode", Value(short{1}), ControlError(282)},
      {L"Font", Value(L"Arial"), DISP_E_TYPEMISMATCH},
      {L"MouseIcon", Value(L"hand.cur"), DISP_E_TYPEMISMATCH},
      {L"Value", array, DISP_E_TYPEMISMATCH},
  };
  GiveDistinctValues(control_.get());
  const std::vector<std::byte> before = SavedForm(control_.get());
  ASSERT_FALSE(before.empty());
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.key)));
    ComPtr<MemoryPropertyBag> bag = FullBag();
    bag->Set(c.key, c.value);
    EXPECT_EQ(LoadBag(bag.get()), c.expected);
    // The control's own refusals say what they refused.
    EXPECT_EQ(TakeErrorDescription().empty(), HRESULT_FACILITY(c.expected) != FACILITY_CONTROL);
    EXPECT_EQ(SavedForm(control_.get()), before);
  }
}

TEST_F(Persistence, BagValuesLoadingStoresUncheckedAreTakenAsTheyAre) {
  ComPtr<MemoryPropertyBag> bag = FullBag();
  bag->Set(L"DecimalPlaces", Value(short{32767}));
  bag->Set(L"WinBorderWidth", Value(short{0}));
  bag->Remove(L"LinkTopic");
  ASSERT_EQ(LoadBag(bag.get()), S_OK);
  EXPECT_EQ(Text(control_.get(), L"DecimalPlaces"), L"32767");
  EXPECT_EQ(Text(control_.get(), L"WinBorderWidth"), L"0");
  EXPECT_EQ(Text(control_.get(), L"LinkTopic"), L"");  // missing: the default
  EXPECT_EQ(Text(control_.get(), L"Value"), L"321.125");
  EXPECT_TRUE(boxes_.Recorded().empty());
  // The text with 32767 decimals saves and loads again.
  const std::vector<std::byte> form = SavedForm(control_.get());
  ASSERT_FALSE(form.empty());
  ComPtr<IDispatch> other = NewControl();
  EXPECT_EQ(LoadForm(other.get(), form), S_OK);
}

TEST_F(Persistence, StreamsThatAreNotAWholeFormAreRefusedWithAResultThatSaysWhy) {
  GiveDistinctValues(control_.get());
  const std::vector<std::byte> good = SavedForm(control_.get());
  ASSERT_GT(good.size(), 8u);
  ComPtr<IDispatch> target = NewControl();
  GiveDistinctValues(target.get());
  ASSERT_EQ(Put(target.get(), L"Value", Value(L"17")).result, S_OK);
  const std::vector<std::byte> before = SavedForm(target.get());

  std::vector<std::byte> form = good;
  form[0] = std::byte{'X'};
  EXPECT_EQ(LoadForm(target.get(), form), STG_E_INVALIDHEADER);
  form = good;
  form[4] = std::byte{2};  // a later version
  EXPECT_EQ(LoadForm(target.get(), form), STG_E_OLDDLL);
  form = good;
  form[6] = std::byte{41};  // a count that is not the control's
  EXPECT_EQ(LoadForm(target.get(), form), STG_E_DOCFILECORRUPT);
  form = good;
  form[8] = std::byte{4};  // BackColor tagged as a Double
  EXPECT_EQ(LoadForm(target.get(), form), STG_E_DOCFILECORRUPT);
  EXPECT_EQ(SavedForm(target.get()), before);

  // Every shorter form ends too early.
  for (std::size_t length = 0; length < good.size(); ++length) {
    const HRESULT result = LoadForm(target.get(), std::span(good).first(length));
    ASSERT_EQ(result, HRESULT_FROM_WIN32(ERROR_HANDLE_EOF)) << length << " " << std::hex << result;
  }
  EXPECT_EQ(SavedForm(target.get()), before);
  EXPECT_EQ(LoadForm(target.get(), good), S_OK);
  EXPECT_EQ(SavedForm(target.get()), good);
}

}  // namespace
}  // namespace kovra::ocx_test
