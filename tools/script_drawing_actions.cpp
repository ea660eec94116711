// The script actions for the control's looks: sizing and refreshing it, painting a spin button
// in a state, the hover frame, switching the headless visual style, and pictures.
#include <filesystem>
#include <stdexcept>

#include "frame/themed_frame.h"
#include "platform/headless/headless_platform.h"
#include "testing/control_probe.h"
#include "tools/script_runner.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

int WholeNumber(const std::wstring& text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw std::runtime_error("not a whole number: " + ToUtf8(text));
}

headless::HeadlessPlatform& Headless(kovra::Platform& platform) {
  auto* headless = dynamic_cast<headless::HeadlessPlatform*>(&platform);
  if (headless == nullptr) throw std::runtime_error("only the headless platform can do this");
  return *headless;
}

}  // namespace

void ScriptRunner::Resize(const Arguments& args) {
  Control().UserControl().SetExtent(WholeNumber(args[0]), WholeNumber(args[1]));
}

void ScriptRunner::RefreshAll(const Arguments& /*args*/) { Control().UserControl_Resize(); }

void ScriptRunner::Paint(const Arguments& args) {
  // "paint up 2": PaintUpButton with the pressed state.
  auto state = static_cast<std::uint8_t>(WholeNumber(args[1]));
  if (args[0] == L"up") {
    Control().PaintUpButton(state);
  } else if (args[0] == L"down") {
    Control().PaintDownButton(state);
  } else {
    throw std::runtime_error("paint up|down STATE");
  }
}

void ScriptRunner::HoverFrame(const Arguments& /*args*/) {
  KovraDouble& control = Control();
  kovra::Platform& platform = control.GetPlatform();
  DrawHoverFrame(probe::State(control).properties,
                 {control.UserControl(), control.Text1(), platform.GetDrawing(), control.Site()});
  control.Refresh();
}

void ScriptRunner::Theme(const Arguments& args) {
  // "theme off": no visual style; "theme nolibrary": as if uxtheme.dll could not be loaded.
  headless::HeadlessPlatform& headless = Headless(Platform().Get());
  if (args[0] == L"on" || args[0] == L"off") {
    headless.drawing.theme.visualStyle = args[0] == L"on";
  } else if (args[0] == L"nolibrary") {
    headless.system.themeLibraryAvailable = false;
    probe::State(Control()).themeLibraryAvailable = false;
  } else {
    throw std::runtime_error("theme on|off|nolibrary");
  }
}

void ScriptRunner::Align(const Arguments& args) {
  static const std::pair<std::wstring_view, std::int16_t> kAlignments[] = {
      {L"left", 0}, {L"right", 1}, {L"center", 2}};
  for (const auto& [name, value] : kAlignments) {
    if (args[0] == name) {
      Control().Text1().SetAlignment(value);
      return;
    }
  }
  Control().Text1().SetAlignment(static_cast<std::int16_t>(WholeNumber(args[0])));
}

void ScriptRunner::Picture(const Arguments& args) {
  // "picture out/x.png 3 \"caption\"": the control enlarged three times.
  const std::string path = ToUtf8(args[0]);
  const int zoom = args.size() > 1 ? WholeNumber(args[1]) : 1;
  const Bitmap picture = Enlarged(ComposeControlPicture(Control()), zoom);
  const std::wstring caption =
      args.size() > 2 ? args[2] : std::filesystem::path(args[0]).stem().wstring();
  pictures_.push_back({picture, caption});
  if (writePicture_) writePicture_(path, picture);
  if (echo_) {
    out_ << "  picture " << path << ": " << picture.width << " x " << picture.height << "\n";
  }
}

void ScriptRunner::Sheet(const Arguments& args) {
  // "sheet docs/gallery.png 4": every picture since the last sheet, four to a row.
  const std::string path = ToUtf8(args[0]);
  const Bitmap sheet = ComposeSheet(pictures_, WholeNumber(args[1]));
  if (writePicture_) writePicture_(path, sheet);
  if (echo_) {
    out_ << "  sheet " << path << ": " << pictures_.size() << " pictures, " << sheet.width << " x "
         << sheet.height << "\n";
  }
  pictures_.clear();
}

}  // namespace kovra::tools
