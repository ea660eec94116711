#include "platform/win32/form_picture.h"

#include <cstring>
#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

constexpr int kHimetricPerInch = 2540;

// The bytes of an RCDATA resource read by the system's picture reader (JPEG, GIF, BMP, ...).
IPicture* ReadData(HINSTANCE module, const std::wstring& name) {
  HRSRC found = ::FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return nullptr;
  const DWORD size = ::SizeofResource(module, found);
  const void* bytes = ::LockResource(::LoadResource(module, found));
  if (bytes == nullptr || size == 0) return nullptr;
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!memory) return nullptr;
  {
    const GlobalLockGuard<void> lock(memory.get());
    if (lock.get() == nullptr) return nullptr;
    std::memcpy(lock.get(), bytes, size);
  }
  IStream* stream = nullptr;
  // The stream frees the memory when it goes.
  if (FAILED(::CreateStreamOnHGlobal(memory.get(), TRUE, &stream))) return nullptr;
  memory.release();
  IPicture* picture = nullptr;
  const HRESULT read = ::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(&picture));
  stream->Release();
  return SUCCEEDED(read) ? picture : nullptr;
}

// A BITMAP resource as a picture object that owns the bitmap.
IPicture* ReadBitmap(HINSTANCE module, const std::wstring& name) {
  auto* bitmap = static_cast<HBITMAP>(
      ::LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return nullptr;
  PICTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.picType = PICTYPE_BITMAP;
  description.bmp.hbitmap = bitmap;
  IPicture* picture = nullptr;
  if (FAILED(::OleCreatePictureIndirect(&description, IID_IPicture, TRUE,
                                        reinterpret_cast<void**>(&picture)))) {
    ::DeleteObject(bitmap);
    return nullptr;
  }
  return picture;
}

}  // namespace

std::unique_ptr<FormPicture> FormPicture::Load(std::wstring_view name) {
  const std::wstring resource(name);
  if (resource.empty()) return nullptr;
  IPicture* picture = ReadData(ModuleInstance(), resource);
  if (picture == nullptr) picture = ReadBitmap(ModuleInstance(), resource);
  if (picture == nullptr) return nullptr;
  return std::unique_ptr<FormPicture>(new FormPicture(picture));
}

SIZE FormPicture::PixelSize() const {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  const ScreenDC screen;
  return {::MulDiv(width, ::GetDeviceCaps(screen.get(), LOGPIXELSX), kHimetricPerInch),
          ::MulDiv(height, ::GetDeviceCaps(screen.get(), LOGPIXELSY), kHimetricPerInch)};
}

void FormPicture::Draw(HDC dc, const RECT& place) const {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  // The source in HIMETRIC runs upwards: start at the bottom row and go up by the height.
  picture_->Render(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, 0,
                   height, width, -height, nullptr);
}

}  // namespace kovra::win32
