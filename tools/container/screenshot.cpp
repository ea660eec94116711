#include "tools/container/screenshot.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/handles.h"
#include "resources/bmp_file.h"

namespace kovra::container {
namespace {

// The pixels of `area` of the device context `screen`, which shows the screen, as a BMP file.
bool WriteArea(HDC screen, const RECT& area, const std::wstring& path) {
  const std::optional<Bitmap> pixels = win32::CopyPixels(screen, area);
  if (!pixels) return false;
  const std::vector<std::uint8_t> bytes = resources::EncodeBmp(*pixels);
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
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
