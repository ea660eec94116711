// The script actions on the control's public interface: properties and methods by name, with
// the coercions a late-bound client gets; mouse input on its windows; the pointer of the
// headless platform; and saving and loading the property bag in its readable form.
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/coercion.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/text_property_bag.h"
#include "testing/control_probe.h"
#include "tools/script_runner.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

// A script value: a bag literal (2, 2&, 1.5#, True, "text", Font(...)) or else plain text,
// which the property's coercion reads as an Automation client's text would be read.
Variant ScriptValue(const std::wstring& text) {
  try {
    return headless::TextPropertyBag::ParseValue(text);
  } catch (const std::invalid_argument&) {
    return text;
  }
}

float Coordinate(const std::wstring& text) {
  try {
    std::size_t used = 0;
    const float value = std::stof(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw std::runtime_error("not a coordinate: " + ToUtf8(text));
}

MouseAction ActionNamed(const std::wstring& name) {
  static const std::pair<std::wstring_view, MouseAction> kActions[] = {
      {L"down", MouseAction::Down},         {L"up", MouseAction::Up},
      {L"move", MouseAction::Move},         {L"click", MouseAction::Click},
      {L"dblclick", MouseAction::DblClick},
  };
  for (const auto& [word, action] : kActions) {
    if (word == name) return action;
  }
  throw std::runtime_error("mouse action down|up|move|click|dblclick");
}

}  // namespace

MouseSource& ScriptRunner::WindowNamed(const std::wstring& name) {
  KovraDouble& c = Control();
  if (name == L"up") return c.Up();
  if (name == L"down") return c.Down();
  if (name == L"frame") return c.UserControl();
  if (name == L"text") return c.Text1();
  throw std::runtime_error("window up|down|frame|text");
}

void ScriptRunner::Property(const Arguments& args) {
  // An object goes by reference (set), anything else by value (let), as a script would assign it.
  const Variant value = ScriptValue(Local(args[1]));
  const bool object =
      std::holds_alternative<FontRef>(value) || std::holds_alternative<PictureRef>(value);
  Control().PutProperty(args[0], value, object ? PutKind::Set : PutKind::Let);
}

void ScriptRunner::Get(const Arguments& args) {
  const std::wstring shown =
      ToText(Control().GetProperty(args[0]), probe::State(Control()).separators);
  if (args.size() < 2) {
    out_ << "  " << ToUtf8(args[0]) << " = " << ToUtf8(shown) << "\n";
  } else if (shown != Local(args[1])) {
    Fail("expected " + ToUtf8(args[0]) + " " + ToUtf8(Local(args[1])) + ", got " + ToUtf8(shown));
  }
}

void ScriptRunner::InvokeMethod(const Arguments& args) {
  std::vector<Variant> arguments;
  for (std::size_t i = 1; i < args.size(); ++i) arguments.push_back(ScriptValue(Local(args[i])));
  Control().Invoke(args[0], arguments);
}

void ScriptRunner::Mouse(const Arguments& args) {
  // mouse WINDOW ACTION [BUTTON [X Y [SHIFT]]]
  const auto number = [&](std::size_t i, float fallback) {
    return i < args.size() ? Coordinate(args[i]) : fallback;
  };
  WindowNamed(args[0]).DeliverMouse(ActionNamed(args[1]), static_cast<std::int16_t>(number(2, 0)),
                                    static_cast<std::int16_t>(number(5, 0)), number(3, 0),
                                    number(4, 0));
}

void ScriptRunner::PointerAt(const Arguments& args) {
  // pointer X Y [WINDOW]: where the headless pointer is and which window is under it.
  auto* headless = dynamic_cast<headless::HeadlessPlatform*>(&Platform().Get());
  if (headless == nullptr) throw std::runtime_error("only the headless pointer can be placed");
  headless->pointer.position = {static_cast<int>(Coordinate(args[0])),
                                static_cast<int>(Coordinate(args[1]))};
  headless->pointer.windowUnder = 0;
  if (args.size() > 2 && args[2] != L"none") {
    const std::wstring& w = args[2];
    KovraDouble& c = Control();
    headless->pointer.windowUnder = w == L"up"      ? c.Up().WindowHandle()
                                    : w == L"down"  ? c.Down().WindowHandle()
                                    : w == L"frame" ? c.UserControl().WindowHandle()
                                    : w == L"text"  ? c.Text1().WindowHandle()
                                                    : throw std::runtime_error("window?");
  }
}

void ScriptRunner::Save(const Arguments& args) {
  headless::TextPropertyBag bag;
  Control().WriteProperties(bag);
  const std::string text = ToUtf8(bag.Save());
  if (args.empty()) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) out_ << "  " << line << "\n";
    return;
  }
  std::ofstream file(ToUtf8(args[0]), std::ios::binary);
  if (!(file << text)) throw std::runtime_error("cannot write " + ToUtf8(args[0]));
}

void ScriptRunner::Load(const Arguments& args) {
  // A restored control: Initialize, then ReadProperties from the file in place of InitProperties.
  std::ifstream file(ToUtf8(args[0]), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + ToUtf8(args[0]));
  std::stringstream text;
  text << file.rdbuf();
  headless::TextPropertyBag bag = headless::TextPropertyBag::Load(FromUtf8(text.str()));
  PlaceControl();
  control_->ReadProperties(bag);
}

}  // namespace kovra::tools
