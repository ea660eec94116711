#include "tools/container/container_script.h"

#include <olectl.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

#include "activex/com_values.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tools/container/dialog_pictures.h"
#include "tools/container/event_log.h"
#include "tools/container/form.h"
#include "tools/container/late_binding.h"
#include "tools/container/screenshot.h"
#include "tools/container/text_form_bag.h"
#include "tools/script_words.h"
#include "tools/utf8.h"

namespace kovra::container {
namespace {

using activex::ComVariant;
using tools::ScriptError;
using Words = std::vector<std::wstring>;

struct NamedKey {
  const wchar_t* name;
  UINT key;
};
constexpr NamedKey kKeys[] = {
    {L"Tab", VK_TAB},
    {L"Enter", VK_RETURN},
    {L"Escape", VK_ESCAPE},
    {L"Home", VK_HOME},
    {L"End", VK_END},
    {L"Left", VK_LEFT},
    {L"Right", VK_RIGHT},
    {L"Up", VK_UP},
    {L"Down", VK_DOWN},
    {L"Delete", VK_DELETE},
    {L"Back", VK_BACK},
    {L"Insert", VK_INSERT},
    {L"C", 'C'},
    {L"V", 'V'},
    {L"X", 'X'},
    {L"Z", 'Z'},
};

RECT Place(const Words& w, std::size_t first) {
  const int x = tools::ScriptInt(w.at(first));
  const int y = tools::ScriptInt(w.at(first + 1));
  return {x, y, x + tools::ScriptInt(w.at(first + 2)), y + tools::ScriptInt(w.at(first + 3))};
}

class Player {
 public:
  explicit Player(std::wostream& out) : out_(out) {
    boxes_.OnRecorded([this](const win32::RecordedMessageBox& box) {
      std::wstring text = box.text;
      for (wchar_t& c : text) {
        if (c == L'\n' || c == L'\r') c = L' ';
      }
      Log(L"message box \"" + box.title + L"\": " + text);
    });
  }

  void Run(const Words& w) {
    const std::wstring& action = w.at(0);
    if (action == L"form") {
      form_ =
          std::make_unique<container::Form>(tools::ScriptInt(w.at(1)), tools::ScriptInt(w.at(2)),
                                            w.size() > 3 ? w[3] : L"kovra-container");
    } else if (action == L"control") {
      PlaceControl(w.at(1), w.at(2), Place(w, 3));
    } else if (action == L"set") {
      ComVariant value = TextArgument(w.at(3));
      Check(InvokeByName(Automation(w.at(1)), w.at(2), DISPATCH_PROPERTYPUT,
                         const_cast<VARIANT*>(&value.get()), nullptr));
      Form().Pump();
    } else if (action == L"get") {
      ComVariant value;
      Check(InvokeByName(Automation(w.at(1)), w.at(2), DISPATCH_PROPERTYGET, nullptr, value.Put()));
      out_ << w[1] << L"." << w[2] << L" = " << TextOf(value.get()) << L"\n";
    } else if (action == L"call") {
      Check(InvokeByName(Automation(w.at(1)), w.at(2), DISPATCH_METHOD, nullptr, nullptr));
      Form().Pump();
    } else if (action == L"ambient") {
      SetAmbient(w.at(1), w.at(2), w.at(3));
    } else if (action == L"log") {
      Form().AddLog(Place(w, 1));
    } else if (action == L"button") {
      const std::wstring control = w.at(6);
      const std::wstring method = w.at(7);
      buttons_[w.at(1)] = [this, control, method] {
        Log(L"button: " + control + L"." + method);
        Check(InvokeByName(Automation(control), method, DISPATCH_METHOD, nullptr, nullptr));
      };
      Form().AddButton(w[1], Place(w, 2), buttons_[w[1]]);
    } else if (action == L"press") {
      buttons_.at(w.at(1))();
      Form().Pump();
    } else if (action == L"properties") {
      ShowProperties(w.at(1));
    } else if (action == L"capture") {
      PictureNextDialog(boxes_, Words(w.begin() + 1, w.end()),
                        [this](const std::wstring& line) { Log(line); });
    } else if (action == L"focus") {
      Form().Activate(Index(w.at(1)));
    } else if (action == L"select") {
      const int start = tools::ScriptInt(w.at(2));
      ::SendMessageW(Form().Text1Window(Index(w.at(1))), EM_SETSEL, static_cast<WPARAM>(start),
                     static_cast<LPARAM>(start + tools::ScriptInt(w.at(3))));
    } else if (action == L"type") {
      Form().Type(w.at(1));
    } else if (action == L"key") {
      PressNamedKey(w);
    } else if (action == L"tab") {
      Form().PressKey(VK_TAB);
    } else if (action == L"click") {
      const int i = Index(w.at(1));
      POINT point{Form().Site(i).place.left + tools::ScriptInt(w.at(2)),
                  Form().Site(i).place.top + tools::ScriptInt(w.at(3))};
      Form().Click(point);
    } else if (action == L"resize") {
      const int i = Index(w.at(1));
      RECT place = Form().Site(i).place;
      place.right = place.left + tools::ScriptInt(w.at(2));
      place.bottom = place.top + tools::ScriptInt(w.at(3));
      Form().Move(i, place);
    } else if (action == L"save" || action == L"load") {
      SaveOrLoad(action == L"save", w.at(1), w.at(2));
    } else if (action == L"pixel") {
      const int i = Index(w.at(1));
      HDC dc = ::GetDC(Form().ControlWindow(i));
      const COLORREF colour = ::GetPixel(dc, tools::ScriptInt(w.at(2)), tools::ScriptInt(w.at(3)));
      ::ReleaseDC(Form().ControlWindow(i), dc);
      wchar_t text[16];
      ::wsprintfW(text, L"%06X", static_cast<unsigned>(colour));
      out_ << w[1] << L" pixel " << w[2] << L"," << w[3] << L" = &H" << text << L"\n";
    } else if (action == L"screenshot") {
      Form().Pump();
      ::RedrawWindow(Form().Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      if (!WriteScreenshot(Form().Window(), w.at(1))) throw ScriptError("cannot write the picture");
      out_ << L"screenshot " << w[1] << L"\n";
    } else {
      throw ScriptError("unknown action");
    }
  }

 private:
  container::Form& Form() {
    if (!form_) throw ScriptError("no form yet (form WIDTH HEIGHT first)");
    return *form_;
  }

  int Index(const std::wstring& name) const {
    const auto found = names_.find(name);
    if (found == names_.end()) throw ScriptError("no control of that name");
    return found->second;
  }

  IDispatch* Automation(const std::wstring& name) {
    IDispatch* dispatch = Form().Automation(Index(name));
    if (dispatch == nullptr) throw ScriptError("the control has no IDispatch");
    return dispatch;
  }

  void Check(HRESULT result) {
    if (FAILED(result)) {
      wchar_t text[16];
      ::wsprintfW(text, L"%08X", static_cast<unsigned>(result));
      throw ScriptError("the call failed with 0x" + tools::ToUtf8(text));
    }
  }

  void PlaceControl(const std::wstring& name, const std::wstring& classText, const RECT& place) {
    const CLSID id = ClassNamed(classText);
    ComPtr<IOleObject> control;
    Check(::CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, control.PutVoid()));
    const int index = Form().Place(control, place);
    if (index < 0) throw ScriptError("the control cannot be placed");
    names_[name] = index;
    logs_.push_back(std::make_unique<EventLog>(control.get(), name,
                                               [this](const std::wstring& line) { Log(line); }));
  }

  // The site's ambient UserMode (True/False) or Font (a face name), or its extender's
  // ToolTipText; the control hears of an ambient change.
  void SetAmbient(const std::wstring& name, const std::wstring& property,
                  const std::wstring& value) {
    const int i = Index(name);
    SitePolicy& policy = Form().Site(i).policy;
    DISPID changed = DISPID_UNKNOWN;
    if (property == L"UserMode") {
      policy.userMode = tools::ScriptBoolean(value) != 0;
      changed = DISPID_AMBIENT_USERMODE;
    } else if (property == L"Font") {
      policy.fontName = value;
      changed = DISPID_AMBIENT_FONT;
    } else if (property == L"ToolTipText") {
      policy.toolTipText = value;
    } else {
      throw ScriptError("ambient UserMode|Font|ToolTipText");
    }
    if (const auto control = ComPtr<IOleObject>(Form().Control(i)).As<IOleControl>()) {
      control->OnAmbientPropertyChange(changed);
    }
    Form().Pump();
  }

  // The container's Properties verb: the control shows its property pages in a modal frame.
  void ShowProperties(const std::wstring& name) {
    const int i = Index(name);
    Log(L"properties: " + name);
    RECT place = Form().Site(i).place;
    Check(Form().Control(i)->DoVerb(OLEIVERB_PROPERTIES, nullptr, &Form().Site(i), 0,
                                    Form().Window(), &place));
    Form().Pump();
  }

  void PressNamedKey(const Words& w) {
    const std::wstring held = w.size() > 2 ? w[2] : L"";
    const int modifiers = held == L"shift" ? 1 : held == L"ctrl" ? 2 : held == L"alt" ? 4 : 0;
    for (const NamedKey& key : kKeys) {
      if (w.at(1) == key.name) return Form().PressKey(key.key, modifiers);
    }
    throw ScriptError("unknown key");
  }

  // The control's properties through its property bag, in the text form, in a UTF-8 file.
  void SaveOrLoad(bool save, const std::wstring& name, const std::wstring& file) {
    IOleObject* control = Form().Control(Index(name));
    const std::filesystem::path path(file);
    if (save) {
      std::ofstream written(path, std::ios::binary);
      written << tools::ToUtf8(SaveAsText(control));
      if (!written.flush()) throw ScriptError("cannot write the file");
    } else {
      std::ifstream read(path, std::ios::binary);
      if (!read) throw ScriptError("cannot read the file");
      std::ostringstream text;
      text << read.rdbuf();
      LoadFromText(control, tools::FromUtf8(text.str()));
    }
    Form().Pump();
    out_ << (save ? L"saved " : L"loaded ") << name << L" " << file << L"\n";
  }

  void Log(const std::wstring& line) {
    out_ << L"  " << line << L"\n";
    if (form_) form_->Log(line);
  }

  std::wostream& out_;
  win32::MessageBoxRecorder boxes_;
  std::unique_ptr<container::Form> form_;
  std::map<std::wstring, int> names_;
  std::map<std::wstring, std::function<void()>> buttons_;
  std::vector<std::unique_ptr<EventLog>> logs_;
};

}  // namespace

int PlayScript(const std::wstring& path, std::wostream& out) {
  std::ifstream file{std::filesystem::path(path)};
  if (!file) {
    out << L"cannot read " << path << L"\n";
    return 1;
  }
  Player player(out);
  std::string line;
  int failures = 0;
  for (int number = 1; std::getline(file, line); ++number) {
    const Words words = tools::SplitScriptLine(tools::FromUtf8(line));
    if (words.empty()) continue;
    try {
      player.Run(words);
    } catch (const std::exception& e) {
      out << L"line " << number << L": " << tools::FromUtf8(e.what()) << L"\n";
      ++failures;
    }
  }
  return failures;
}

}  // namespace kovra::container
