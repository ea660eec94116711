#include "tests/ocx/persistence_support.h"

#include <gtest/gtest.h>

namespace kovra::ocx_test {

const std::array<std::wstring_view, 42> kSavedKeys{L"BackColor",
                                                   L"ForeColor",
                                                   L"Enabled",
                                                   L"Font",
                                                   L"Appearance",
                                                   L"Alignment",
                                                   L"LinkItem",
                                                   L"LinkMode",
                                                   L"LinkTimeout",
                                                   L"LinkTopic",
                                                   L"MouseIcon",
                                                   L"OLEDragMode",
                                                   L"OLEDropMode",
                                                   L"RightToLeft",
                                                   L"SelLength",
                                                   L"SelStart",
                                                   L"WinBorderWidth",
                                                   L"WinBorderColor",
                                                   L"WinBorderEffect",
                                                   L"WinBorderOverColor",
                                                   L"FontOverEffect",
                                                   L"FontOverColor",
                                                   L"Border3DStyle",
                                                   L"Edit3DOption",
                                                   L"MaxValue",
                                                   L"MinValue",
                                                   L"DecimalPlaces",
                                                   L"UseSeparator",
                                                   L"MousePointer",
                                                   L"MouseIcon",
                                                   L"XPGetTheme",
                                                   L"WinTheme",
                                                   L"WinBorderColorOption",
                                                   L"ButtonSpin",
                                                   L"ButtonSpinArrowColor",
                                                   L"Edit3DColor",
                                                   L"ButtonSpinIncrement",
                                                   L"ButtonSpinMax",
                                                   L"ButtonSpinMin",
                                                   L"ButtonSpinEdit",
                                                   L"Locked",
                                                   L"Value"};

ComPtr<IFont> NewFont(const wchar_t* name, int points, bool bold) {
  FONTDESC description{};
  description.cbSizeofstruct = sizeof(description);
  description.lpstrName = const_cast<LPOLESTR>(name);
  description.cySize.int64 = points * 10000LL;
  description.sWeight = static_cast<SHORT>(bold ? FW_BOLD : FW_NORMAL);
  description.sCharset = DEFAULT_CHARSET;
  ComPtr<IFont> font;
  ::OleCreateFontIndirect(&description, IID_IFont, font.PutVoid());
  return font;
}

ComPtr<IPictureDisp> NewIconPicture() {
  PICTDESC description{};
  description.cbSizeofstruct = sizeof(description);
  description.picType = PICTYPE_ICON;
  description.icon.hicon = ::LoadIconW(nullptr, IDI_APPLICATION);
  ComPtr<IPictureDisp> picture;
  ::OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, picture.PutVoid());
  return picture;
}

void GiveDistinctValues(IDispatch* control) {
  struct Setting {
    const wchar_t* name;
    ComVariant value;
  };
  const Setting settings[] = {
      {L"BackColor", Value(0x00102030L)},
      {L"ForeColor", Value(0x00405060L)},
      {L"Enabled", Boolean(false)},
      {L"Appearance", Value(short{1})},
      {L"Alignment", Value(short{1})},
      {L"LinkItem", Value(L"R1C1")},
      {L"LinkTimeout", Value(short{75})},
      {L"LinkTopic", Value(L"Sheet|Book")},
      {L"OLEDragMode", Value(short{1})},
      {L"OLEDropMode", Value(short{2})},
      {L"RightToLeft", Boolean(true)},
      {L"SelLength", Value(1L)},
      {L"SelStart", Value(2L)},
      {L"WinBorderWidth", Value(short{4})},
      {L"WinBorderColor", Value(0x00AA00L)},
      {L"WinBorderEffect", Boolean(true)},
      {L"WinBorderOverColor", Value(0x0000BBL)},
      {L"FontOverEffect", Boolean(true)},
      {L"FontOverColor", Value(0x00CC00L)},
      {L"Border3DStyle", Value(short{5})},
      {L"Edit3DOption", Value(short{1})},
      {L"MaxValue", Value(98765.5)},
      {L"MinValue", Value(-1234.25)},
      {L"DecimalPlaces", Value(short{3})},
      {L"UseSeparator", Boolean(true)},
      {L"MousePointer", Value(99L)},
      {L"XPGetTheme", Value(short{1})},
      {L"WinTheme", Value(short{2})},
      {L"WinBorderColorOption", Value(short{1})},
      {L"ButtonSpinArrowColor", Value(0x00123456L)},
      {L"Edit3DColor", Value(0x00654321L)},
      {L"ButtonSpinIncrement", Value(2.5)},
      {L"ButtonSpinMax", Value(500.0)},
      {L"ButtonSpinMin", Value(-50.0)},
      {L"ButtonSpinEdit", Value(short{1})},
      {L"Value", Value(L"321.125")},
      {L"ButtonSpin", Boolean(true)},
      {L"Locked", Boolean(true)},
  };
  for (const Setting& setting : settings) {
    EXPECT_EQ(Put(control, setting.name, setting.value).result, S_OK)
        << testing::PrintToString(std::wstring(setting.name));
  }
  EXPECT_EQ(PutRef(control, L"Font", Object(NewFont(L"Tahoma", 12, true).get())).result, S_OK);
  EXPECT_EQ(PutRef(control, L"MouseIcon", Object(NewIconPicture().get())).result, S_OK);
}

std::vector<std::byte> SavedForm(IUnknown* control) {
  ComPtr<IPersistStreamInit> persist;
  ComPtr<IStream> stream;
  if (FAILED(control->QueryInterface(IID_IPersistStreamInit, persist.PutVoid())) ||
      FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put())) ||
      FAILED(persist->Save(stream.get(), FALSE))) {
    return {};
  }
  ULARGE_INTEGER end{};
  stream->Seek({}, STREAM_SEEK_CUR, &end);
  std::vector<std::byte> bytes(static_cast<std::size_t>(end.QuadPart));
  stream->Seek({}, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  bytes.resize(read);
  return bytes;
}

HRESULT LoadForm(IUnknown* control, std::span<const std::byte> form) {
  ComPtr<IPersistStreamInit> persist;
  ComPtr<IStream> stream;
  HRESULT result = control->QueryInterface(IID_IPersistStreamInit, persist.PutVoid());
  if (SUCCEEDED(result)) result = ::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put());
  if (SUCCEEDED(result) && !form.empty()) {
    result = stream->Write(form.data(), static_cast<ULONG>(form.size()), nullptr);
  }
  if (SUCCEEDED(result)) result = stream->Seek({}, STREAM_SEEK_SET, nullptr);
  return SUCCEEDED(result) ? persist->Load(stream.get()) : result;
}

}  // namespace kovra::ocx_test
