#include "tools/container/dialog_pictures.h"

#include <prsht.h>

#include <memory>
#include <utility>

#include "tools/container/dialog_visit.h"
#include "tools/container/property_frame.h"
#include "tools/container/screenshot.h"

namespace kovra::container {
namespace {

// Long enough for the display to show what the box painted last.
constexpr UINT kPaintPause = 300;

std::wstring TitleOf(HWND window) {
  std::wstring title(256, L'\0');
  title.resize(static_cast<std::size_t>(::GetWindowTextW(window, title.data(), 256)));
  return title;
}

struct Pictures {
  std::vector<std::wstring> files;
  std::function<void(const std::wstring&)> told;
  std::size_t taken = 0;
  bool tabShown = false;
};

}  // namespace

void PictureNextDialog(win32::MessageBoxRecorder& recorder, std::vector<std::wstring> files,
                       std::function<void(const std::wstring&)> told) {
  auto state = std::make_shared<Pictures>(Pictures{std::move(files), std::move(told)});
  VisitNextDialog(
      recorder,
      [state](HWND dialog) {
        Pictures& p = *state;
        const bool frame = IsPropertyFrame(dialog);
        // A frame's next tab first, pictured on the next visit once it has painted.
        if (frame && !p.tabShown && p.taken < p.files.size()) {
          p.tabShown = ShowFrameTab(dialog, static_cast<int>(p.taken));
          if (p.tabShown) return true;
        }
        if (p.taken < p.files.size()) {
          const std::wstring& file = p.files[p.taken++];
          const bool written = WriteWindowScreenshot(dialog, file);
          p.told((written ? L"picture of \"" : L"no picture of \"") + TitleOf(dialog) + L"\": " +
                 file);
          p.tabShown = false;
          if (frame && p.taken < p.files.size()) return true;
        }
        if (frame) {
          PressFrameButton(dialog, PSBTN_CANCEL);
        } else {
          ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return false;
      },
      kPaintPause);
}

}  // namespace kovra::container
