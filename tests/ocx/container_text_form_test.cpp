// The container's own property bag: a control on a form saves into it as the readable text
// form, and loading that text back gives the control the properties it saved, its font
// included, whatever was changed in between.
#include <gtest/gtest.h>
#include <olectl.h>

#include <string>

#include "tests/ocx/container_support.h"
#include "tests/ocx/control_client.h"
#include "tools/container/text_form_bag.h"

namespace kovra::ocx_test {
namespace {

ComPtr<IFont> FontOf(IDispatch* control) {
  const Outcome font = Get(control, L"Font");
  ComPtr<IFont> object;
  if (font.value.get().vt == VT_DISPATCH && font.value.get().pdispVal != nullptr) {
    font.value.get().pdispVal->QueryInterface(IID_IFont, object.PutVoid());
  }
  return object;
}

bool IsBold(IDispatch* control) {
  BOOL bold = FALSE;
  const ComPtr<IFont> font = FontOf(control);
  return font && SUCCEEDED(font->get_Bold(&bold)) && bold != FALSE;
}

TEST(Container, PropertiesComeBackFromTheirTextForm) {
  const auto made = FormOf(1);
  IDispatch* control = made->Automation(0);
  ASSERT_NE(control, nullptr);
  ASSERT_EQ(Put(control, L"DecimalPlaces", Value(short{3})).result, S_OK);
  ASSERT_EQ(Put(control, L"Value", Value(1234.5)).result, S_OK);
  ASSERT_EQ(Put(control, L"BackColor", Value(long{0xFF})).result, S_OK);
  const ComPtr<IFont> font = FontOf(control);
  ASSERT_TRUE(font);
  ASSERT_EQ(font->put_Bold(TRUE), S_OK);
  PumpMessages();

  const std::wstring text = container::SaveAsText(made->Control(0));
  EXPECT_NE(text.find(L"DecimalPlaces = 3\n"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"BackColor = 255&\n"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L", True, False, False, False)\n"), std::wstring::npos) << text;

  ASSERT_EQ(Put(control, L"DecimalPlaces", Value(short{1})).result, S_OK);
  ASSERT_EQ(Put(control, L"Value", Value(7.0)).result, S_OK);
  ASSERT_EQ(Put(control, L"BackColor", Value(long{0xFF00})).result, S_OK);
  ASSERT_EQ(FontOf(control)->put_Bold(FALSE), S_OK);
  PumpMessages();
  ASSERT_EQ(Text(control, L"DecimalPlaces"), L"1");

  container::LoadFromText(made->Control(0), text);
  PumpMessages();
  EXPECT_EQ(Text(control, L"DecimalPlaces"), L"3");
  EXPECT_EQ(Text(control, L"Value"), L"1234.5");
  EXPECT_EQ(Text(control, L"BackColor"), L"255");
  EXPECT_TRUE(IsBold(control));
  // Saving again gives the same text.
  EXPECT_EQ(container::SaveAsText(made->Control(0)), text);
}

TEST(Container, TextThatIsNotOfTheFormLeavesTheControlAsItWas) {
  const auto made = FormOf(1);
  IDispatch* control = made->Automation(0);
  ASSERT_EQ(Put(control, L"DecimalPlaces", Value(short{4})).result, S_OK);
  EXPECT_THROW(container::LoadFromText(made->Control(0), L"DecimalPlaces 3\n"),
               std::invalid_argument);
  EXPECT_EQ(Text(control, L"DecimalPlaces"), L"4");
}

}  // namespace
}  // namespace kovra::ocx_test
