// The control's picture as a container draws it (IViewObject::Draw): into a memory bitmap it is
// the window's pixels on the screen, into a metafile played back the same, and out of place the
// same again. Needs a display (scripts/ocx-tests.sh runs it under a virtual X server).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/ocx/container_support.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {
namespace {

template <typename Paint>
std::vector<DWORD> PixelsOf(int width, int height, Paint paint) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  paint(dc);
  ::GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                            static_cast<const DWORD*>(bits) + width * height);
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  for (DWORD& p : pixels) p &= 0x00FFFFFF;
  return pixels;
}

std::vector<DWORD> Drawn(IViewObject* view, int width, int height) {
  return PixelsOf(width, height, [&](HDC dc) {
    const RECTL bounds{0, 0, width, height};
    EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr,
                         nullptr, 0),
              S_OK);
  });
}

void PaintNow(const Form& form) {
  ::RedrawWindow(form.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Where two pictures of `width` pixels a row differ: the count and the first few places.
std::string Differences(const std::vector<DWORD>& a, const std::vector<DWORD>& b, int width) {
  std::string places;
  int count = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (++count <= 8) {
      char line[96];
      std::snprintf(line, sizeof line, " (%d,%d) %06lx/%06lx", static_cast<int>(i) % width,
                    static_cast<int>(i) / width, static_cast<unsigned long>(a[i]),
                    static_cast<unsigned long>(b[i]));
      places += line;
    }
  }
  return std::to_string(count) + " pixels differ:" + places;
}

TEST(Container, DrawingIntoAMemoryContextGivesTheWindowsPixels) {
  const auto made = FormOf(1);
  Form& form = *made;
  IDispatch* control = form.Automation(0);
  ASSERT_EQ(Put(control, L"ButtonSpin", Boolean(true)).result, S_OK);
  ASSERT_EQ(Put(control, L"Value", Value(L"12.5")).result, S_OK);
  form.Pump();
  PaintNow(form);
  HWND window = form.ControlWindow(0);
  const SIZE size = ClientSize(window);
  const std::vector<DWORD> onScreen = PixelsOf(size.cx, size.cy, [&](HDC dc) {
    HDC screen = ::GetDC(window);
    ::BitBlt(dc, 0, 0, size.cx, size.cy, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(window, screen);
  });
  const auto view = ComPtr<IOleObject>(form.Control(0)).As<IViewObject>();
  const std::vector<DWORD> drawn = Drawn(view.get(), size.cx, size.cy);
  EXPECT_TRUE(drawn == onScreen) << Differences(drawn, onScreen, size.cx);

  // Into a metafile: played back, the same picture.
  // A frame of exactly the control's pixels, in the screen's hundredths of a millimetre.
  HDC screen = ::GetDC(nullptr);
  const RECT frame{
      0, 0, size.cx * ::GetDeviceCaps(screen, HORZSIZE) * 100 / ::GetDeviceCaps(screen, HORZRES),
      size.cy * ::GetDeviceCaps(screen, VERTSIZE) * 100 / ::GetDeviceCaps(screen, VERTRES)};
  ::ReleaseDC(nullptr, screen);
  HDC recorder = ::CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
  const RECTL bounds{0, 0, size.cx, size.cy};
  EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, recorder, &bounds, nullptr,
                       nullptr, 0),
            S_OK);
  HENHMETAFILE metafile = ::CloseEnhMetaFile(recorder);
  const std::vector<DWORD> played = PixelsOf(size.cx, size.cy, [&](HDC dc) {
    const RECT all{0, 0, size.cx, size.cy};
    ::PlayEnhMetaFile(dc, metafile, &all);
  });
  ::DeleteEnhMetaFile(metafile);
  EXPECT_TRUE(played == drawn) << Differences(played, drawn, size.cx);

  // Out of place, the control still draws itself.
  form.Control(0)->Close(OLECLOSE_NOSAVE);
  const std::vector<DWORD> inactive = Drawn(view.get(), size.cx, size.cy);
  EXPECT_TRUE(inactive == drawn) << Differences(inactive, drawn, size.cx);
}

}  // namespace
}  // namespace kovra::ocx_test
