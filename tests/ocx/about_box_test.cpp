// The About box through the control's Acerca, as a design environment opens it: a modal dialog
// with no owner, its caption, the version line read from the library's own version resource,
// Arial texts, the product picture kept centred when the box is resized, an OK button showing
// its tick beside its caption and closing the box, a fresh box on every call, and nothing of
// the system's left behind once it has gone.
#include <algorithm>
#include <vector>

#include "platform/win32/gdi_objects.h"
#include "resources/product_picture.h"
#include "tests/ocx/about_box_driver.h"
#include "tests/ocx/process_resources.h"
#include "tests/ocx/resource_expectations.h"

namespace kovra::ocx_test {
namespace {

using AboutBox = AboutBoxTest;

// The pixels of a window's client area as the screen shows them, row by row.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  bool Holds(COLORREF colour) const {
    return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
  }
};

Capture CaptureClient(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  Capture capture{client.right, client.bottom, {}};
  void* bits = nullptr;
  const win32::GdiObject bitmap = win32::CreateColourBitmap(capture.width, capture.height, &bits);
  HDC screen = ::GetDC(window);
  {
    const win32::MemoryDC memory(screen);
    const win32::Selection selected(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, capture.width, capture.height, screen, 0, 0, SRCCOPY);
  }
  ::ReleaseDC(window, screen);
  const auto* dib = static_cast<const DWORD*>(bits);
  for (int i = 0; i < capture.width * capture.height; ++i) {
    // A DIB's pixel holds blue in its low byte, a COLORREF red.
    const DWORD p = dib[i];
    capture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  return capture;
}

// The colour of the OK tick's strokes, as the resources draw it.
COLORREF TickColour() {
  const Bitmap tick = resources::DrawOkMark();
  const Rgb background = tick.pixels.front();
  const auto stroke =
      std::find_if(tick.pixels.begin(), tick.pixels.end(), [&](Rgb p) { return p != background; });
  return stroke != tick.pixels.end() ? static_cast<COLORREF>(*stroke) : CLR_INVALID;
}

TEST_F(AboutBox, AcercaTwiceShowsAFreshBoxEachTimeWithTheLibrarysVersionLine) {
  ASSERT_EQ(Acerca(), S_OK);
  ASSERT_EQ(Acerca(), S_OK);
  ASSERT_EQ(boxes_.Recorded().size(), 2u);
  for (const win32::RecordedMessageBox& box : boxes_.Recorded()) {
    EXPECT_EQ(box.title, L"About Control KovraDouble");
    EXPECT_EQ(box.text, L"Version: 1.0.1\nKovra Controls\nActiveX Controls.");
  }
}

TEST_F(AboutBox, HasNoOwnerArialTextsThePictureAndAnOkButtonShowingItsTick) {
  HWND owner = reinterpret_cast<HWND>(1);
  std::wstring versionFace;
  std::wstring linkFace;
  COLORREF pictureCorner = CLR_INVALID;
  HWND ok = nullptr;
  LONG_PTR okStyle = 0;
  std::wstring okFace;
  Capture okFaceUp;
  Capture okPressed;
  ASSERT_EQ(AcercaActing([&](HWND dialog) {
              owner = ::GetWindow(dialog, GW_OWNER);
              versionFace = FaceOf(ChildWithText(dialog, L"Static", L"Version: 1.0.1"));
              linkFace = FaceOf(ChildWithText(dialog, L"Static", L"ActiveX Controls."));
              HDC dc = ::GetDC(dialog);
              pictureCorner = ::GetPixel(dc, 2, 2);
              ::ReleaseDC(dialog, dc);
              ok = ChildWithText(dialog, L"Button", L"OK");
              if (ok == nullptr) return;
              okStyle = ::GetWindowLongPtrW(ok, GWL_STYLE);
              okFace = FaceOf(ok);
              okFaceUp = CaptureClient(ok);
              ::SendMessageW(ok, BM_SETSTATE, TRUE, 0);
              ::UpdateWindow(ok);
              okPressed = CaptureClient(ok);
              ::SendMessageW(ok, BM_SETSTATE, FALSE, 0);
            }),
            S_OK);
  ASSERT_NE(shown_, nullptr);
  EXPECT_FALSE(::IsWindow(shown_));
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(versionFace, L"Arial");
  EXPECT_EQ(linkFace, L"Arial");
  // The product picture fills the box: its corner is not the plain face of a dialog.
  EXPECT_NE(pictureCorner, ::GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(pictureCorner, CLR_INVALID);
  ASSERT_NE(ok, nullptr) << "no button captioned OK";
  EXPECT_EQ(okStyle & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(okFace, L"Arial");
  // The tick shows on the raised face and on the pressed one, whose edges are drawn anew.
  EXPECT_TRUE(okFaceUp.Holds(TickColour()));
  EXPECT_TRUE(okPressed.Holds(TickColour()));
  EXPECT_NE(okFaceUp.pixels, okPressed.pixels);
  EXPECT_TRUE(okFaceUp.Holds(::GetSysColor(COLOR_BTNFACE)));
  EXPECT_TRUE(boxes_.Recorded().empty());
}

TEST_F(AboutBox, EnterPressesOkWhichClosesTheBox) {
  bool visibleBefore = false;
  bool visibleAfter = true;
  ASSERT_EQ(AcercaActing([&](HWND dialog) {
              visibleBefore = ::IsWindowVisible(dialog) != FALSE;
              // The key as the box's modal loop hands it to the dialog manager.
              MSG enter{::GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
              ::IsDialogMessageW(dialog, &enter);
              visibleAfter = ::IsWindowVisible(dialog) != FALSE;
            }),
            S_OK);
  EXPECT_TRUE(visibleBefore);
  EXPECT_FALSE(visibleAfter);
}

TEST_F(AboutBox, OpeningAndClosingTheBoxLeavesNoWindowOrGdiObjectBehind) {
  const auto paintEverything = [](HWND dialog) {
    ::RedrawWindow(dialog, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  // The first box of the process may leave the system's caches filled (the picture reader's).
  ASSERT_EQ(AcercaActing(paintEverything), S_OK);
  PumpMessages();
  const ProcessResources before = MeasureProcessResources();
  ASSERT_EQ(AcercaActing(paintEverything), S_OK);
  ASSERT_EQ(AcercaActing(paintEverything), S_OK);
  PumpMessages();
  const ProcessResources after = MeasureProcessResources();
  ExpectSameHandles(before, after);
  EXPECT_GT(before.gdiObjects, 0) << "the process's GDI objects cannot be counted";
}

// The picture's corners, just inside and just outside it, where the box shows it.
struct PictureCorners {
  COLORREF topLeftInside;
  COLORREF topLeftOutside;
  COLORREF bottomRightInside;
  COLORREF bottomRightOutside;
};

constexpr int kInside = 3;
constexpr int kOutside = 3;

PictureCorners CornersAt(const Capture& box, RECT picture) {
  const auto at = [&](int x, int y) -> COLORREF {
    if (x < 0 || y < 0 || x >= box.width || y >= box.height) return CLR_INVALID;
    return box.pixels[static_cast<std::size_t>(y * box.width + x)];
  };
  return {at(picture.left + kInside, picture.top + kInside),
          at(picture.left - kOutside, picture.top - kOutside),
          at(picture.right - 1 - kInside, picture.bottom - 1 - kInside),
          at(picture.right - 1 + kOutside, picture.bottom - 1 + kOutside)};
}

TEST_F(AboutBox, AResizedBoxShowsThePictureCentredAndItsControlsWhereTheyWere) {
  constexpr int kWider = 160;
  constexpr int kTaller = 90;
  RECT designed{};
  RECT resized{};
  Capture before;
  Capture after;
  RECT okBefore{};
  RECT okAfter{};
  ASSERT_EQ(AcercaActing([&](HWND dialog) {
              ::GetClientRect(dialog, &designed);
              before = CaptureClient(dialog);
              HWND ok = ChildWithText(dialog, L"Button", L"OK");
              ::GetWindowRect(ok, &okBefore);
              ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&okBefore), 2);
              RECT frame{};
              ::GetWindowRect(dialog, &frame);
              ::SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + kWider,
                             frame.bottom - frame.top + kTaller,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
              ::UpdateWindow(dialog);
              ::GetClientRect(dialog, &resized);
              after = CaptureClient(dialog);
              ::GetWindowRect(ok, &okAfter);
              ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&okAfter), 2);
            }),
            S_OK);
  // As designed, the picture fills the inner area.
  ASSERT_EQ(resized.right, designed.right + kWider);
  ASSERT_EQ(resized.bottom, designed.bottom + kTaller);
  const PictureCorners designedCorners = CornersAt(before, designed);
  const int left = (resized.right - designed.right) / 2;
  const int top = (resized.bottom - designed.bottom) / 2;
  const PictureCorners centred =
      CornersAt(after, {left, top, left + designed.right, top + designed.bottom});
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(centred.topLeftInside, designedCorners.topLeftInside);
  EXPECT_EQ(centred.bottomRightInside, designedCorners.bottomRightInside);
  EXPECT_EQ(centred.topLeftOutside, face);
  EXPECT_EQ(centred.bottomRightOutside, face);
  EXPECT_NE(centred.topLeftInside, face);
  // The box's code centres the picture alone; its controls keep their places.
  EXPECT_EQ(okAfter.left, okBefore.left);
  EXPECT_EQ(okAfter.top, okBefore.top);
}

}  // namespace
}  // namespace kovra::ocx_test
