// The dual interface as a compiled client calls it: `_KovraDouble` declared here by hand, slot
// by slot in interface order (each property's get before its let or set, each method where it
// stands), with the C++ types a compiler gives the library's types. Every slot is called and its
// effect read back through IDispatch by name, so that a slot out of place, or a parameter type
// that differs from the library's, shows as the wrong property changing or a value garbled.
#include <gtest/gtest.h>
#include <olectl.h>

#include <functional>

#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {

// Outside the unnamed namespace: a compiler that saw every class of the interface in this file
// would take its functions, implemented elsewhere, for pure ones that can never be called.
// clang-format off
struct IKovraDouble : public IDispatch {
virtual HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ForeColor(OLE_COLOR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ForeColor(OLE_COLOR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Font(IFontDisp** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE putref_Font(IFontDisp* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Appearance(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Appearance(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE Refresh() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Alignment(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Alignment(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HideSelection(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LinkItem(BSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_LinkItem(BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LinkMode(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_LinkMode(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LinkTimeout(short* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_LinkTimeout(short value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LinkTopic(BSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_LinkTopic(BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OLEDragMode(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OLEDragMode(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OLEDropMode(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OLEDropMode(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RightToLeft(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_RightToLeft(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SelLength(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_SelLength(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SelStart(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_SelStart(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WinBorderWidth(short* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WinBorderWidth(short value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WinBorderColor(OLE_COLOR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WinBorderColor(OLE_COLOR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WinBorderEffect(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WinBorderEffect(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WinBorderOverColor(OLE_COLOR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WinBorderOverColor(OLE_COLOR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontOverEffect(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontOverEffect(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontOverColor(OLE_COLOR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontOverColor(OLE_COLOR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Border3DStyle(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Border3DStyle(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE LinkExecute(BSTR command) = 0;
  virtual HRESULT STDMETHODCALLTYPE LinkPoke() = 0;
  virtual HRESULT STDMETHODCALLTYPE LinkRequest() = 0;
  virtual HRESULT STDMETHODCALLTYPE LinkSend() = 0;
  virtual HRESULT STDMETHODCALLTYPE OLEDrag() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Edit3DOption(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Edit3DOption(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Value(BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MaxValue(double* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MaxValue(double value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MinValue(double* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MinValue(double value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DecimalPlaces(short* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_DecimalPlaces(short value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_UseSeparator(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_UseSeparator(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MousePointer(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MousePointer(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MouseIcon(IPictureDisp** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE putref_MouseIcon(IPictureDisp* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_XPGetTheme(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_XPGetTheme(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WinTheme(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WinTheme(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WinBorderColorOption(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WinBorderColorOption(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ButtonSpin(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ButtonSpin(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ButtonSpinArrowColor(OLE_COLOR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ButtonSpinArrowColor(OLE_COLOR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Edit3DColor(OLE_COLOR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Edit3DColor(OLE_COLOR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ButtonSpinIncrement(double* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ButtonSpinIncrement(double value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ButtonSpinMax(double* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ButtonSpinMax(double value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ButtonSpinMin(double* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ButtonSpinMin(double value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ButtonSpinEdit(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ButtonSpinEdit(long value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Locked(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Locked(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE Acerca() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_hWnd(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_chWnd(long* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontUnderline(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontUnderline(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontStrikethru(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontStrikethru(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontSize(float* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontSize(float value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontName(BSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontName(BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontItalic(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontItalic(VARIANT_BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FontBold(VARIANT_BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FontBold(VARIANT_BOOL value) = 0;
};
// clang-format on

namespace {

class EarlyBound : public ::testing::Test {
 protected:
  void SetUp() override {
    late_ = NewControl();
    ASSERT_TRUE(late_);
    ASSERT_EQ(late_->QueryInterface(activex::kControlInterface.id, control_.PutVoid()), S_OK);
  }

  // Puts `value` through the vtable, then reads the property back by name through IDispatch
  // and through the vtable's getter.
  template <typename T>
  void RoundTrip(const wchar_t* name, HRESULT (STDMETHODCALLTYPE IKovraDouble::*put)(T),
                 HRESULT (STDMETHODCALLTYPE IKovraDouble::*get)(T*), T value,
                 const wchar_t* expected) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
    ASSERT_EQ((control_.get()->*put)(value), S_OK);
    EXPECT_EQ(Text(late_.get(), name), expected);
    T back{};
    ASSERT_EQ((control_.get()->*get)(&back), S_OK);
    EXPECT_EQ(back, value);
  }

  // The same for a text property.
  void RoundTripText(const wchar_t* name, HRESULT (STDMETHODCALLTYPE IKovraDouble::*put)(BSTR),
                     HRESULT (STDMETHODCALLTYPE IKovraDouble::*get)(BSTR*), const wchar_t* value) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
    const Bstr text(value);
    ASSERT_EQ((control_.get()->*put)(text.get()), S_OK);
    EXPECT_EQ(Text(late_.get(), name), value);
    Bstr back;
    ASSERT_EQ((control_.get()->*get)(back.Put()), S_OK);
    EXPECT_EQ(back.view(), value);
  }

  ComPtr<IDispatch> late_;
  ComPtr<IKovraDouble> control_;
  win32::MessageBoxRecorder boxes_;
};

TEST_F(EarlyBound, TheDualInterfaceIsTheDispatchInterface) {
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(control_->QueryInterface(IID_IDispatch, dispatch.PutVoid()), S_OK);
  EXPECT_EQ(dispatch.get(), static_cast<IDispatch*>(control_.get()));
}

TEST_F(EarlyBound, EveryPropertySlotReachesItsOwnProperty) {
  using I = IKovraDouble;
  const VARIANT_BOOL yes = VARIANT_TRUE;
  RoundTrip<OLE_COLOR>(L"BackColor", &I::put_BackColor, &I::get_BackColor, 0x112233, L"1122867");
  RoundTrip<OLE_COLOR>(L"ForeColor", &I::put_ForeColor, &I::get_ForeColor, 0x80000012,
                       L"-2147483630");
  RoundTrip<VARIANT_BOOL>(L"Enabled", &I::put_Enabled, &I::get_Enabled, VARIANT_FALSE, L"False");
  RoundTrip<long>(L"Appearance", &I::put_Appearance, &I::get_Appearance, 1, L"1");
  RoundTrip<long>(L"Alignment", &I::put_Alignment, &I::get_Alignment, 2, L"2");
  RoundTripText(L"LinkItem", &I::put_LinkItem, &I::get_LinkItem, L"item");
  RoundTrip<long>(L"LinkMode", &I::put_LinkMode, &I::get_LinkMode, 0, L"0");
  RoundTrip<short>(L"LinkTimeout", &I::put_LinkTimeout, &I::get_LinkTimeout, 77, L"77");
  RoundTripText(L"LinkTopic", &I::put_LinkTopic, &I::get_LinkTopic, L"topic");
  RoundTrip<long>(L"OLEDragMode", &I::put_OLEDragMode, &I::get_OLEDragMode, 1, L"1");
  RoundTrip<long>(L"OLEDropMode", &I::put_OLEDropMode, &I::get_OLEDropMode, 2, L"2");
  RoundTrip<VARIANT_BOOL>(L"RightToLeft", &I::put_RightToLeft, &I::get_RightToLeft, yes, L"True");
  RoundTrip<long>(L"SelLength", &I::put_SelLength, &I::get_SelLength, 1, L"1");
  RoundTrip<long>(L"SelStart", &I::put_SelStart, &I::get_SelStart, 2, L"2");
  RoundTrip<short>(L"WinBorderWidth", &I::put_WinBorderWidth, &I::get_WinBorderWidth, 3, L"3");
  RoundTrip<OLE_COLOR>(L"WinBorderColor", &I::put_WinBorderColor, &I::get_WinBorderColor, 0x123456,
                       L"1193046");
  RoundTrip<VARIANT_BOOL>(L"WinBorderEffect", &I::put_WinBorderEffect, &I::get_WinBorderEffect, yes,
                          L"True");
  RoundTrip<OLE_COLOR>(L"WinBorderOverColor", &I::put_WinBorderOverColor,
                       &I::get_WinBorderOverColor, 0x654321, L"6636321");
  RoundTrip<VARIANT_BOOL>(L"FontOverEffect", &I::put_FontOverEffect, &I::get_FontOverEffect, yes,
                          L"True");
  RoundTrip<OLE_COLOR>(L"FontOverColor", &I::put_FontOverColor, &I::get_FontOverColor, 0xFE,
                       L"254");
  RoundTrip<long>(L"Border3DStyle", &I::put_Border3DStyle, &I::get_Border3DStyle, 6, L"6");
  RoundTrip<long>(L"Edit3DOption", &I::put_Edit3DOption, &I::get_Edit3DOption, 1, L"1");
  RoundTrip<double>(L"MaxValue", &I::put_MaxValue, &I::get_MaxValue, 5000.25, L"5000.25");
  RoundTrip<double>(L"MinValue", &I::put_MinValue, &I::get_MinValue, -250.5, L"-250.5");
  RoundTripText(L"Value", &I::put_Value, &I::get_Value, L"42.5");
  RoundTrip<short>(L"DecimalPlaces", &I::put_DecimalPlaces, &I::get_DecimalPlaces, 3, L"3");
  RoundTrip<VARIANT_BOOL>(L"UseSeparator", &I::put_UseSeparator, &I::get_UseSeparator, yes,
                          L"True");
  RoundTrip<long>(L"MousePointer", &I::put_MousePointer, &I::get_MousePointer, 99, L"99");
  RoundTrip<long>(L"XPGetTheme", &I::put_XPGetTheme, &I::get_XPGetTheme, 1, L"1");
  RoundTrip<long>(L"WinTheme", &I::put_WinTheme, &I::get_WinTheme, 2, L"2");
  RoundTrip<long>(L"WinBorderColorOption", &I::put_WinBorderColorOption,
                  &I::get_WinBorderColorOption, 1, L"1");
  RoundTrip<double>(L"ButtonSpinMax", &I::put_ButtonSpinMax, &I::get_ButtonSpinMax, 90.0, L"90");
  RoundTrip<double>(L"ButtonSpinMin", &I::put_ButtonSpinMin, &I::get_ButtonSpinMin, 10.0, L"10");
  RoundTrip<VARIANT_BOOL>(L"ButtonSpin", &I::put_ButtonSpin, &I::get_ButtonSpin, yes, L"True");
  RoundTrip<OLE_COLOR>(L"ButtonSpinArrowColor", &I::put_ButtonSpinArrowColor,
                       &I::get_ButtonSpinArrowColor, 0x00A0B0C0, L"10531008");
  RoundTrip<OLE_COLOR>(L"Edit3DColor", &I::put_Edit3DColor, &I::get_Edit3DColor, 0x00C0C0C0,
                       L"12632256");
  RoundTrip<double>(L"ButtonSpinIncrement", &I::put_ButtonSpinIncrement,
                    &I::get_ButtonSpinIncrement, 0.5, L"0.5");
  RoundTrip<long>(L"ButtonSpinEdit", &I::put_ButtonSpinEdit, &I::get_ButtonSpinEdit, 1, L"1");
  RoundTrip<VARIANT_BOOL>(L"Locked", &I::put_Locked, &I::get_Locked, yes, L"True");
  RoundTrip<VARIANT_BOOL>(L"FontUnderline", &I::put_FontUnderline, &I::get_FontUnderline, yes,
                          L"True");
  RoundTrip<VARIANT_BOOL>(L"FontStrikethru", &I::put_FontStrikethru, &I::get_FontStrikethru, yes,
                          L"True");
  RoundTrip<float>(L"FontSize", &I::put_FontSize, &I::get_FontSize, 14.25f, L"14.25");
  RoundTripText(L"FontName", &I::put_FontName, &I::get_FontName, L"Tahoma");
  RoundTrip<VARIANT_BOOL>(L"FontItalic", &I::put_FontItalic, &I::get_FontItalic, yes, L"True");
  RoundTrip<VARIANT_BOOL>(L"FontBold", &I::put_FontBold, &I::get_FontBold, yes, L"True");
  // The spin range holds the text: 42.5 lies within 10..90.
  EXPECT_EQ(Text(late_.get(), L"Value"), L"42.5");
  EXPECT_TRUE(boxes_.Recorded().empty());
}

TEST_F(EarlyBound, ReadOnlySlotsObjectSlotsAndMethods) {
  VARIANT_BOOL hidden = VARIANT_FALSE;
  ASSERT_EQ(control_->get_HideSelection(&hidden), S_OK);
  EXPECT_EQ(hidden, VARIANT_TRUE);
  long edit = 0;
  long surface = 0;
  ASSERT_EQ(control_->get_hWnd(&edit), S_OK);
  ASSERT_EQ(control_->get_chWnd(&surface), S_OK);
  EXPECT_NE(edit, surface);
  wchar_t className[16] = {};
  ::GetClassNameW(reinterpret_cast<HWND>(static_cast<LONG_PTR>(edit)), className, 16);
  EXPECT_STREQ(className, L"Edit");
  EXPECT_TRUE(::IsWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(surface))));

  IFontDisp* font = nullptr;
  ASSERT_EQ(control_->get_Font(&font), S_OK);
  ASSERT_NE(font, nullptr);
  ComPtr<IFontDisp> held = ComPtr<IFontDisp>::Adopt(font);
  ASSERT_EQ(control_->putref_Font(held.get()), S_OK);
  IFontDisp* again = nullptr;
  ASSERT_EQ(control_->get_Font(&again), S_OK);
  EXPECT_EQ(ComPtr<IFontDisp>::Adopt(again).As<IUnknown>(), held.As<IUnknown>());

  IPictureDisp* icon = reinterpret_cast<IPictureDisp*>(1);
  ASSERT_EQ(control_->get_MouseIcon(&icon), S_OK);
  EXPECT_EQ(icon, nullptr);
  ASSERT_EQ(control_->putref_MouseIcon(nullptr), S_OK);

  EXPECT_EQ(control_->Refresh(), S_OK);
  EXPECT_EQ(control_->OLEDrag(), S_OK);
  for (const auto link :
       {&IKovraDouble::LinkPoke, &IKovraDouble::LinkRequest, &IKovraDouble::LinkSend}) {
    EXPECT_EQ((control_.get()->*link)(), ControlError(282));
  }
  const Bstr command(L"[open]");
  EXPECT_EQ(control_->LinkExecute(command.get()), ControlError(282));
  EXPECT_EQ(control_->Acerca(), S_OK);
  ASSERT_EQ(boxes_.Recorded().size(), 1u);
  EXPECT_EQ(boxes_.Recorded()[0].title, L"About Control KovraDouble");
}

TEST_F(EarlyBound, FailuresAreControlResultsWithErrorInformation) {
  const Bstr text(L"abc");
  EXPECT_EQ(control_->put_Value(text.get()), ControlError(13));
  EXPECT_EQ(TakeErrorDescription(), L"Type mismatch");
  EXPECT_EQ(control_->put_Appearance(70000), ControlError(6));
  EXPECT_EQ(TakeErrorDescription(), L"Overflow");
  EXPECT_EQ(control_->get_Value(nullptr), E_POINTER);
  // A refused value shows its message and is no failure for the caller.
  EXPECT_EQ(control_->put_DecimalPlaces(-1), S_OK);
  EXPECT_EQ(boxes_.Recorded().size(), 1u);
  short places = 0;
  ASSERT_EQ(control_->get_DecimalPlaces(&places), S_OK);
  EXPECT_EQ(places, 2);
}

}  // namespace
}  // namespace kovra::ocx_test
