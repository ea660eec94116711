#include "tools/container/screenshot.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/handles.h"

namespace kovra::container {
namespace {

// The pixels of `area` of the device context `screen`, which shows the screen, as a BMP file.
bool WriteArea(HDC screen, const RECT& area, const std::wstring& path) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return false;
  void* bits = nullptr;
  const win32::GdiObject bitmap = win32::CreateColourBitmap(width, height, &bits);
  const win32::MemoryDC canvas(nullptr);
  if (bitmap.get() == nullptr || canvas.get() == nullptr) return false;
  {
    const win32::Selection picture(canvas.get(), bitmap.get());
    if (!::BitBlt(canvas.get(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      return false;
    }
  }
  ::GdiFlush();
  // BMP rows: bottom-up, 3 bytes a pixel, padded to 4 bytes.
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
  const auto* source = static_cast<const unsigned char*>(bits);
  for (int y = 0; y < height; ++y) {
    char* row = pixels.data() + static_cast<std::size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = source + (static_cast<std::size_t>(y) * width + x) * 4;
      row[x * 3] = static_cast<char>(p[0]);
      row[x * 3 + 1] = static_cast<char>(p[1]);
      row[x * 3 + 2] = static_cast<char>(p[2]);
    }
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(pixels.size());
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + info.biSizeImage;
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file.write(reinterpret_cast<const char*>(&header), sizeof header);
  file.write(reinterpret_cast<const char*>(&info), sizeof info);
  file.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(file);
}

}  // namespace

bool WriteScreenshot(HWND window, const std::wstring& path) {
  RECT client{};
  ::GetClientRect(window, &client);
  HDC dc = ::GetDC(window);
  const bool written = WriteArea(dc, client, path);
  ::ReleaseDC(window, dc);
  return written;
}

bool WriteWindowScreenshot(HWND window, const std::wstring& path) {
  RECT area{};
  ::GetWindowRect(window, &area);
  const win32::ScreenDC screen;
  return WriteArea(screen.get(), area, path);
}

}  // namespace kovra::container
