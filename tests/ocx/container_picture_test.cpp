// The control on a form against the headless platform's picture of the same control: for the
// classic looks — the 3-D appearance in every border style and both colour options, with and
// without spin buttons, enabled or not — every pixel the control paints itself (its frame, the
// surface around Text1 and the spin buttons) is on the screen what the headless platform
// composes. Both sides take the system's colours, metrics and visual style. Text1 is the
// system's EDIT there, lettered in the system's fonts, so its rectangle is left out; the
// headless platform letters with a bitmap font of its own. Needs a display (scripts/ocx-tests.sh
// runs it under a virtual X server).
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <uxtheme.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control/kovra_double.h"
#include "control/property_access.h"
#include "core/member_table.h"
#include "platform/headless/headless_platform.h"
#include "platform/win32/gdi_objects.h"
#include "tests/ocx/container_support.h"
#include "tests/ocx/control_client.h"
#include "tools/control_picture.h"

namespace kovra::ocx_test {
namespace {

// One look: properties by name in the order they are written, each a number.
struct Look {
  std::string name;
  std::vector<std::pair<const wchar_t*, long>> properties;
};

std::vector<Look> ClassicLooks() {
  std::vector<Look> looks;
  for (long style = 0; style <= 7; ++style) {
    for (long option = 0; option <= 1; ++option) {
      for (const bool spin : {false, true}) {
        looks.push_back({"border style " + std::to_string(style) + ", colour option " +
                             std::to_string(option) + (spin ? ", spin buttons" : ""),
                         {{L"Appearance", 1},
                          {L"Border3DStyle", style},
                          {L"Edit3DOption", option},
                          {L"ButtonSpin", spin ? -1 : 0}}});
      }
    }
  }
  for (long option = 0; option <= 1; ++option) {
    looks.push_back(
        {"disabled, colour option " + std::to_string(option) + ", spin buttons",
         {{L"Appearance", 1}, {L"Edit3DOption", option}, {L"ButtonSpin", -1}, {L"Enabled", 0}}});
  }
  return looks;
}

// Shared by every look: colours of our own, so that no colour agrees by chance.
const std::vector<std::pair<const wchar_t*, long>> kColours{{L"BackColor", 0x00F0E0D0},
                                                            {L"Edit3DColor", 0x00C08060},
                                                            {L"ButtonSpinArrowColor", 0x00203040}};

// The place the container gives: taller than every minimum height the looks ask for, whatever
// the fonts, so that neither side grows.
constexpr RECT kPlace{10, 10, 130, 40};

// The control's window as the screen shows it.
Bitmap OnScreen(HWND window) {
  const SIZE size = ClientSize(window);
  HDC screen = ::GetDC(window);
  std::optional<Bitmap> pixels = win32::CopyPixels(screen, {0, 0, size.cx, size.cy});
  ::ReleaseDC(window, screen);
  return pixels ? *std::move(pixels) : Bitmap{};
}

// Whether the system draws with a visual style here, as the control asks it.
bool HasVisualStyle(HWND window) {
  HTHEME theme = ::OpenThemeData(window, L"Edit");
  if (theme == nullptr) return false;
  ::CloseThemeData(theme);
  return true;
}

// The same control on the headless platform, with the system's colours, metrics and style.
class HeadlessTwin {
 public:
  HeadlessTwin(int width, int height, bool visualStyle) {
    for (int i = 0; i < static_cast<int>(platform_.drawing.systemColours.size()); ++i) {
      platform_.drawing.systemColours[static_cast<std::size_t>(i)] = ::GetSysColor(i);
    }
    platform_.drawing.scrollArrowWidth = ::GetSystemMetrics(SM_CXHSCROLL);
    platform_.drawing.theme.visualStyle = visualStyle;
    control_.SetContainer(&platform_.container);
    control_.Initialize();
    control_.InitProperties();
    control_.UserControl().SetExtent(width, height);
  }
  void Put(const wchar_t* name, long value) {
    PutProperty(control_, *FindMember(name), Variant(static_cast<std::int32_t>(value)));
  }
  Bitmap Picture() { return tools::ComposeControlPicture(control_); }
  RECT Text1Place() const {
    const TextBox& box = control_.Text1();
    const auto at = [](float v) { return static_cast<LONG>(v); };
    return {at(box.Left()), at(box.Top()), at(box.Left() + box.Width()),
            at(box.Top() + box.Height())};
  }

 private:
  headless::HeadlessPlatform platform_;
  KovraDouble control_{platform_};
};

// Where two pictures differ outside `skipped`: the sizes, or the count of differing pixels and
// the first few.
std::string Differences(const Bitmap& screen, const Bitmap& headless, const RECT& skipped) {
  if (screen.width != headless.width || screen.height != headless.height) {
    return "the screen shows " + std::to_string(screen.width) + " x " +
           std::to_string(screen.height) + ", the headless picture is " +
           std::to_string(headless.width) + " x " + std::to_string(headless.height);
  }
  std::string places;
  int count = 0;
  for (int y = 0; y < screen.height; ++y) {
    for (int x = 0; x < screen.width; ++x) {
      const POINT at{x, y};
      if (::PtInRect(&skipped, at) != FALSE || screen.At(x, y) == headless.At(x, y)) continue;
      if (++count <= 8) {
        char line[64];
        std::snprintf(line, sizeof line, " (%d,%d) %06x/%06x", x, y,
                      static_cast<unsigned>(screen.At(x, y)),
                      static_cast<unsigned>(headless.At(x, y)));
        places += line;
      }
    }
  }
  return count == 0 ? std::string() : std::to_string(count) + " pixels differ:" + places;
}

TEST(Container, ClassicLooksOnTheScreenAreTheHeadlessPictures) {
  for (const Look& look : ClassicLooks()) {
    const auto made = FormOf(1);
    Form& form = *made;
    form.Move(0, kPlace);
    IDispatch* control = form.Automation(0);
    HWND window = form.ControlWindow(0);
    const SIZE size = ClientSize(window);
    HeadlessTwin twin(size.cx, size.cy, HasVisualStyle(window));
    for (const auto& list : {kColours, look.properties}) {
      for (const auto& [name, value] : list) {
        ASSERT_EQ(Put(control, name, Value(value)).result, S_OK) << look.name << ": " << name;
        twin.Put(name, value);
      }
    }
    form.Pump();
    ::RedrawWindow(form.Window(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Text1 stands in the same columns on both sides; its height follows its font.
    const RECT text1 = WindowPlace(form.Text1Window(0));
    const RECT twinText1 = twin.Text1Place();
    EXPECT_EQ(std::pair(text1.left, text1.right), std::pair(twinText1.left, twinText1.right))
        << look.name;
    RECT skipped{};
    ::UnionRect(&skipped, &text1, &twinText1);
    EXPECT_EQ(Differences(OnScreen(window), twin.Picture(), skipped), "") << look.name;
  }
}

}  // namespace
}  // namespace kovra::ocx_test
