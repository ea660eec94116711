#include "activex/standard_objects.h"

#include <cmath>
#include <memory>

#include "activex/com_error.h"
#include "activex/com_values.h"

namespace kovra::activex {
namespace {

// A standard font object measures in points as currency: 10000 units a point.
constexpr double kCurrencyUnits = 10000.0;

CY PointsAsCurrency(float points) {
  CY size{};
  size.int64 = std::llround(static_cast<double>(points) * kCurrencyUnits);
  return size;
}

// Deletes a picture of the core together with the reference to the standard object behind it.
struct PictureReleaser {
  IUnknown* object;
  void operator()(Picture* picture) const noexcept {
    delete picture;
    object->Release();
  }
};

}  // namespace

ComPtr<IFont> NewFontObject(const Font& font) {
  FONTDESC description{};
  description.cbSizeofstruct = sizeof(description);
  description.lpstrName = const_cast<LPOLESTR>(font.name.c_str());
  description.cySize = PointsAsCurrency(font.size);
  description.sWeight = static_cast<SHORT>(font.bold ? FW_BOLD : FW_NORMAL);
  description.sCharset = DEFAULT_CHARSET;
  description.fItalic = font.italic;
  description.fUnderline = font.underline;
  description.fStrikethrough = font.strikethrough;
  ComPtr<IFont> object;
  ThrowIfFailed(::OleCreateFontIndirect(&description, IID_IFont, object.PutVoid()));
  return object;
}

Font ReadFontObject(IFont* object) {
  Font font;
  Bstr name;
  ThrowIfFailed(object->get_Name(name.Put()));
  font.name = std::wstring(name.view());
  CY size{};
  ThrowIfFailed(object->get_Size(&size));
  font.size = static_cast<float>(static_cast<double>(size.int64) / kCurrencyUnits);
  BOOL flag = FALSE;
  ThrowIfFailed(object->get_Bold(&flag));
  font.bold = flag != FALSE;
  ThrowIfFailed(object->get_Italic(&flag));
  font.italic = flag != FALSE;
  ThrowIfFailed(object->get_Underline(&flag));
  font.underline = flag != FALSE;
  ThrowIfFailed(object->get_Strikethrough(&flag));
  font.strikethrough = flag != FALSE;
  return font;
}

void UpdateFontObject(IFont* object, const Font& font) {
  const Font now = ReadFontObject(object);
  if (now.name != font.name) {
    const Bstr name(font.name);
    ThrowIfFailed(object->put_Name(name.get()));
  }
  if (PointsAsCurrency(now.size).int64 != PointsAsCurrency(font.size).int64) {
    ThrowIfFailed(object->put_Size(PointsAsCurrency(font.size)));
  }
  if (now.bold != font.bold) ThrowIfFailed(object->put_Bold(font.bold));
  if (now.italic != font.italic) ThrowIfFailed(object->put_Italic(font.italic));
  if (now.underline != font.underline) ThrowIfFailed(object->put_Underline(font.underline));
  if (now.strikethrough != font.strikethrough) {
    ThrowIfFailed(object->put_Strikethrough(font.strikethrough));
  }
}

PictureRef PictureFrom(IUnknown* object) {
  ComPtr<IPicture> picture;
  if (object == nullptr || FAILED(object->QueryInterface(IID_IPicture, picture.PutVoid()))) {
    throw ComError(DISP_E_TYPEMISMATCH);
  }
  auto core = std::make_unique<Picture>(Picture{L"picture"});
  // From here the holder owns both; should it fail to be made, it runs the releaser at once.
  return PictureRef(core.release(), PictureReleaser{picture.Detach()});
}

ComPtr<IPictureDisp> PictureObject(const PictureRef& picture) {
  ComPtr<IPictureDisp> object;
  if (const auto* releaser = std::get_deleter<PictureReleaser>(picture)) {
    releaser->object->QueryInterface(IID_IPictureDisp, object.PutVoid());
  }
  return object;
}

}  // namespace kovra::activex
