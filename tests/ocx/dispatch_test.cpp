// The control as late-bound clients reach it through IDispatch: names and identifiers, the
// default member, let and set, named and by-reference arguments, Automation coercions, errors
// with their Automation numbers, and no VARIANT a client can send that breaks it.
#include <gtest/gtest.h>
#include <olectl.h>

#include <array>
#include <cstring>

#include "activex/identifiers.h"
#include "core/member_table.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {
namespace {

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    control_ = NewControl();
    ASSERT_TRUE(control_);
  }

  ComPtr<IDispatch> control_;
  win32::MessageBoxRecorder boxes_;  // a refused value's message is answered at once
};

TEST_F(Dispatch, NamesInAnyCaseAndIdentifiersReachTheSameMember) {
  EXPECT_EQ(IdOf(control_.get(), L"decimalplaces"), 0x68030016);
  EXPECT_EQ(IdOf(control_.get(), L"VALUE"), DISPID_VALUE);
  EXPECT_EQ(IdOf(control_.get(), L"Acerca"), -552);
  ASSERT_EQ(Put(control_.get(), L"DECIMALPLACES", Value(short{3})).result, S_OK);
  const Outcome byId = Invoke(control_.get(), 0x68030016, DISPATCH_PROPERTYGET);
  ASSERT_EQ(byId.result, S_OK);
  EXPECT_EQ(byId.value.get().vt, VT_I2);
  EXPECT_EQ(byId.value.get().iVal, 3);
}

TEST_F(Dispatch, TheDefaultMemberIsValue) {
  ASSERT_EQ(Put(control_.get(), L"Value", Value(L"12.5")).result, S_OK);
  const Outcome read = Invoke(control_.get(), DISPID_VALUE, DISPATCH_PROPERTYGET);
  ASSERT_EQ(read.result, S_OK);
  EXPECT_EQ(read.value.get().vt, VT_BSTR);
  EXPECT_STREQ(read.value.get().bstrVal, L"12.5");
  // Script engines ask with both flags when they cannot tell a call from a read.
  const Outcome both = Invoke(control_.get(), DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD);
  EXPECT_EQ(both.result, S_OK);
}

TEST_F(Dispatch, TheFontIsSetByReferenceAndStaysTheSameObject) {
  FONTDESC description{sizeof(FONTDESC),
                       const_cast<LPOLESTR>(L"Tahoma"),
                       {},
                       FW_NORMAL,
                       DEFAULT_CHARSET,
                       FALSE,
                       FALSE,
                       FALSE};
  description.cySize.int64 = 120000;  // 12 points
  ComPtr<IFont> font;
  ASSERT_EQ(::OleCreateFontIndirect(&description, IID_IFont, font.PutVoid()), S_OK);
  ASSERT_EQ(PutRef(control_.get(), L"Font", Object(font.get())).result, S_OK);

  const Outcome read = Get(control_.get(), L"Font");
  ASSERT_EQ(read.result, S_OK);
  ASSERT_EQ(read.value.get().vt, VT_DISPATCH);
  ComPtr<IUnknown> given = font.As<IUnknown>();
  ComPtr<IUnknown> back;
  read.value.get().pdispVal->QueryInterface(IID_IUnknown, back.PutVoid());
  EXPECT_EQ(given, back);
  EXPECT_EQ(Text(control_.get(), L"FontSize"), L"12");

  // A change made in the object is the control's font's change; and the other way round.
  ASSERT_EQ(font->put_Bold(TRUE), S_OK);
  EXPECT_EQ(Text(control_.get(), L"FontBold"), L"True");
  ASSERT_EQ(Put(control_.get(), L"FontItalic", Boolean(true)).result, S_OK);
  ASSERT_EQ(Get(control_.get(), L"Font").result, S_OK);  // brings the object up to date
  BOOL italic = FALSE;
  font->get_Italic(&italic);
  EXPECT_TRUE(italic);

  // The font is an object: assigning it by value is not offered, and Nothing is no font.
  const Outcome let = Put(control_.get(), L"Font", Object(font.get()));
  EXPECT_EQ(let.result, DISP_E_EXCEPTION);
  EXPECT_EQ(let.scode, ControlError(438));
  const Outcome nothing = PutRef(control_.get(), L"Font", Object(nullptr));
  EXPECT_EQ(nothing.result, DISP_E_EXCEPTION);
  EXPECT_EQ(nothing.scode, ControlError(380));
}

TEST_F(Dispatch, TheMouseIconKeepsTheStandardPictureItWasGiven) {
  PICTDESC description{};
  description.cbSizeofstruct = sizeof(description);
  description.picType = PICTYPE_ICON;
  description.icon.hicon = ::LoadIconW(nullptr, IDI_APPLICATION);
  ComPtr<IPictureDisp> picture;
  ASSERT_EQ(::OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, picture.PutVoid()),
            S_OK);
  ASSERT_EQ(PutRef(control_.get(), L"MouseIcon", Object(picture.get())).result, S_OK);
  const Outcome read = Get(control_.get(), L"MouseIcon");
  ASSERT_EQ(read.result, S_OK);
  ASSERT_EQ(read.value.get().vt, VT_DISPATCH);
  EXPECT_EQ(read.value.get().pdispVal, static_cast<IDispatch*>(picture.get()));

  ASSERT_EQ(PutRef(control_.get(), L"MouseIcon", Object(nullptr)).result, S_OK);
  const Outcome none = Get(control_.get(), L"MouseIcon");
  EXPECT_EQ(none.value.get().vt, VT_DISPATCH);
  EXPECT_EQ(none.value.get().pdispVal, nullptr);
  // A font is no picture.
  ComPtr<IDispatch> font;
  ASSERT_EQ(Get(control_.get(), L"Font")
                .value.get()
                .pdispVal->QueryInterface(IID_IDispatch, font.PutVoid()),
            S_OK);
  EXPECT_EQ(PutRef(control_.get(), L"MouseIcon", Object(font.get())).result, DISP_E_TYPEMISMATCH);
}

TEST_F(Dispatch, ArgumentsByNameByPositionAndInTheWrongNumber) {
  const DISPID linkExecute = IdOf(control_.get(), L"LinkExecute");
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"LinkExecute"), const_cast<LPOLESTR>(L"command")};
  DISPID ids[2] = {};
  ASSERT_EQ(control_->GetIDsOfNames(IID_NULL, names, 2, LOCALE_USER_DEFAULT, ids), S_OK);
  EXPECT_EQ(ids[0], linkExecute);
  EXPECT_EQ(ids[1], 0);

  // The method is reached either way: no link partner answers it (282).
  const ComVariant command = Value(L"[open]");
  const Outcome named = Invoke(control_.get(), linkExecute, DISPATCH_METHOD, {command.get()}, {0});
  EXPECT_EQ(named.result, DISP_E_EXCEPTION);
  EXPECT_EQ(named.scode, ControlError(282));
  EXPECT_EQ(Call(control_.get(), L"LinkExecute", {command.get()}).scode, ControlError(282));

  EXPECT_EQ(Call(control_.get(), L"LinkExecute").result, DISP_E_PARAMNOTOPTIONAL);
  EXPECT_EQ(Call(control_.get(), L"LinkExecute", {command.get(), command.get()}).result,
            DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(Invoke(control_.get(), linkExecute, DISPATCH_METHOD, {command.get()}, {7}).result,
            DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(Call(control_.get(), L"Refresh", {command.get()}).result, DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(
      Invoke(control_.get(), IdOf(control_.get(), L"Value"), DISPATCH_PROPERTYGET, {command.get()})
          .result,
      DISP_E_BADPARAMCOUNT);
  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"LinkExecute"), const_cast<LPOLESTR>(L"Topic")};
  EXPECT_EQ(control_->GetIDsOfNames(IID_NULL, unknown, 2, LOCALE_USER_DEFAULT, ids),
            DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids[1], DISPID_UNKNOWN);
}

TEST_F(Dispatch, ValuesArriveByReferenceAndInEveryAutomationType) {
  short places = 4;
  VARIANT byReference;
  byReference.vt = VT_I2 | VT_BYREF;
  byReference.piVal = &places;
  DISPID put = DISPID_PROPERTYPUT;
  ASSERT_EQ(Invoke(control_.get(), IdOf(control_.get(), L"DecimalPlaces"), DISPATCH_PROPERTYPUT,
                   {byReference}, {put})
                .result,
            S_OK);
  EXPECT_EQ(Text(control_.get(), L"DecimalPlaces"), L"4");

  ComVariant inner = Value(L"3");
  VARIANT variantReference;
  variantReference.vt = VT_VARIANT | VT_BYREF;
  variantReference.pvarVal = const_cast<VARIANT*>(&inner.get());
  ASSERT_EQ(Invoke(control_.get(), IdOf(control_.get(), L"DecimalPlaces"), DISPATCH_PROPERTYPUT,
                   {variantReference}, {put})
                .result,
            S_OK);
  EXPECT_EQ(Text(control_.get(), L"DecimalPlaces"), L"3");

  // A colour with the top bit set, sent unsigned, reads back as the same 32 bits.
  ComVariant colour;
  colour.Put()->vt = VT_UI4;
  const_cast<VARIANT&>(colour.get()).ulVal = 0x80000005u;
  ASSERT_EQ(Put(control_.get(), L"BackColor", colour).result, S_OK);
  const Outcome back = Get(control_.get(), L"BackColor");
  EXPECT_EQ(back.value.get().vt, VT_I4);
  EXPECT_EQ(static_cast<unsigned long>(back.value.get().lVal), 0x80000005ul);

  ComVariant currency;
  currency.Put()->vt = VT_CY;
  const_cast<VARIANT&>(currency.get()).cyVal.int64 = 25000;  // 2.5
  ASSERT_EQ(Put(control_.get(), L"MaxValue", currency).result, S_OK);
  EXPECT_EQ(Get(control_.get(), L"MaxValue").value.get().dblVal, 2.5);

  ComVariant decimal;
  ASSERT_EQ(::VarDecFromR8(-7.25, &const_cast<VARIANT&>(decimal.get()).decVal), S_OK);
  const_cast<VARIANT&>(decimal.get()).vt = VT_DECIMAL;
  ASSERT_EQ(Put(control_.get(), L"MinValue", decimal).result, S_OK);
  EXPECT_EQ(Get(control_.get(), L"MinValue").value.get().dblVal, -7.25);

  ComVariant wide;
  wide.Put()->vt = VT_I8;
  const_cast<VARIANT&>(wide.get()).llVal = 40;
  ASSERT_EQ(Put(control_.get(), L"SelLength", wide).result, S_OK);
  EXPECT_EQ(Text(control_.get(), L"SelLength"), L"40");

  // Another object stands for its default value: the control's own Value.
  ComPtr<IDispatch> other = NewControl();
  ASSERT_EQ(Put(other.get(), L"Value", Value(L"7")).result, S_OK);
  ASSERT_EQ(Put(control_.get(), L"ButtonSpinIncrement", Object(other.get())).result, S_OK);
  EXPECT_EQ(Text(control_.get(), L"ButtonSpinIncrement"), L"7");
}

TEST_F(Dispatch, TheControlsErrorsArriveWithTheirAutomationNumbersAndDescriptions) {
  struct Case {
    const wchar_t* name;
    ComVariant value;
    int number;
  };
  const Case cases[] = {
      {L"Value", Value(L"abc"), 13},
      {L"Appearance", Value(70000L), 6},
      {L"hWnd", Value(1L), 383},
      {L"LinkMode", Value(short{1}), 282},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    const Outcome outcome = Put(control_.get(), c.name, c.value);
    EXPECT_EQ(outcome.result, DISP_E_EXCEPTION);
    EXPECT_EQ(outcome.scode, ControlError(c.number));
    EXPECT_FALSE(outcome.description.empty());
    EXPECT_EQ(outcome.source, L"Kovra_Double.KovraDouble");
    EXPECT_EQ(TakeErrorDescription(), outcome.description);
  }
  EXPECT_EQ(Put(control_.get(), L"Value", Value(L"abc")).description, L"Type mismatch");
  EXPECT_EQ(IdOf(control_.get(), L"NoSuchMember"), DISPID_UNKNOWN);
  EXPECT_EQ(Invoke(control_.get(), 0x12345, DISPATCH_PROPERTYGET).result, DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Invoke(control_.get(), IdOf(control_.get(), L"Value"), DISPATCH_METHOD).result,
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Invoke(control_.get(), IdOf(control_.get(), L"Refresh"), DISPATCH_PROPERTYPUT,
                   {Value(1L).get()})
                .result,
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Put(control_.get(), L"DecimalPlaces", Value(L"2")).result, S_OK);

  ComPtr<ISupportErrorInfo> supports;
  ASSERT_EQ(control_->QueryInterface(IID_ISupportErrorInfo, supports.PutVoid()), S_OK);
  EXPECT_EQ(supports->InterfaceSupportsErrorInfo(activex::kControlInterface.id), S_OK);
  EXPECT_EQ(supports->InterfaceSupportsErrorInfo(IID_IPersistStreamInit), S_FALSE);
}

TEST_F(Dispatch, ARefusedValueShowsTheMessageAndTheCallerGetsNoError) {
  ASSERT_EQ(Put(control_.get(), L"WinBorderWidth", Value(short{0})).result, S_OK);
  ASSERT_EQ(boxes_.Recorded().size(), 1u);
  EXPECT_EQ(boxes_.Recorded()[0].text, L"The property  value is not valid    ");
  EXPECT_EQ(Text(control_.get(), L"WinBorderWidth"), L"1");
}

// Every VARIANT type, by value, by reference and as an array, sent to every member: each call
// is carried out or refused with a result, and the control still works afterwards.
TEST_F(Dispatch, NoVariantACallerSendsBreaksTheControl) {
  alignas(16) std::array<unsigned char, 64> zeros{};
  std::vector<VARIANT> forms;
  for (VARTYPE type = 0; type <= VT_VERSIONED_STREAM; ++type) {
    for (const VARTYPE flags :
         {VARTYPE{0}, VARTYPE{VT_BYREF}, VARTYPE{VT_ARRAY}, VARTYPE{VT_ARRAY | VT_BYREF}}) {
      VARIANT form;
      std::memset(&form, 0, sizeof(form));
      form.vt = static_cast<VARTYPE>(type | flags);
      if ((flags & VT_BYREF) != 0) form.byref = zeros.data();
      forms.push_back(form);
    }
  }
  VARIANT reserved{};
  reserved.vt = VT_RESERVED | VT_I2;
  forms.push_back(reserved);
  VARIANT nullReference{};
  nullReference.vt = VT_BSTR | VT_BYREF;  // a reference to nowhere
  forms.push_back(nullReference);

  DISPID put = DISPID_PROPERTYPUT;
  for (const Member& member : Members()) {
    const DISPID id = member.dispatchId;
    for (const VARIANT& form : forms) {
      for (const WORD flags :
           {WORD{DISPATCH_PROPERTYPUT}, WORD{DISPATCH_PROPERTYPUTREF}, WORD{DISPATCH_METHOD}}) {
        if (member.controlMethod == ControlMethod::About) continue;  // a modal box per call
        const Outcome outcome = flags == DISPATCH_METHOD
                                    ? Invoke(control_.get(), id, flags, {form})
                                    : Invoke(control_.get(), id, flags, {form}, {put});
        const HRESULT r = outcome.result;
        EXPECT_TRUE(r == S_OK || r == DISP_E_TYPEMISMATCH || r == DISP_E_EXCEPTION ||
                    r == DISP_E_MEMBERNOTFOUND || r == DISP_E_BADPARAMCOUNT)
            << "member " << testing::PrintToString(std::wstring(member.name)) << " vt " << form.vt
            << " flags " << flags << " result " << std::hex << r;
      }
    }
  }
  ASSERT_EQ(Put(control_.get(), L"DecimalPlaces", Value(short{2})).result, S_OK);
  ASSERT_EQ(Put(control_.get(), L"MaxValue", Value(1000.0)).result, S_OK);
  ASSERT_EQ(Put(control_.get(), L"Value", Value(L"5")).result, S_OK);
  EXPECT_EQ(Text(control_.get(), L"Value"), L"5");
}

}  // namespace
}  // namespace kovra::ocx_test
