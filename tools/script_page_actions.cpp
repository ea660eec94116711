// The script actions of design time: the control's property pages as the design environment
// drives them (loaded from the script's control, edited, applied, shown, checked), and the About
// box as the headless platform shows it, with the clicks and resizes a user makes while it is
// open and the shell's answer to the web link.
#include <sstream>

#include "base/number_text.h"
#include "pages/property_page.h"
#include "platform/headless/headless_platform.h"
#include "tools/script_runner.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

constexpr std::pair<FormElementKind, const char*> kKindWords[] = {
    {FormElementKind::Label, "label"},     {FormElementKind::LinkLabel, "link"},
    {FormElementKind::TextBox, "text"},    {FormElementKind::ComboBox, "combo"},
    {FormElementKind::CheckBox, "check"},  {FormElementKind::Button, "button"},
    {FormElementKind::Picture, "picture"},
};

std::string KindWord(FormElementKind kind) {
  for (const auto& [k, word] : kKindWords) {
    if (k == kind) return word;
  }
  return "?";
}

// What a box holds, as `page … show` prints it and `page … expect` compares it: a text box's
// text, a check box's Value, a combo box's ListIndex.
std::wstring Holding(const FormElement& e) {
  switch (e.kind) {
    case FormElementKind::CheckBox:
    case FormElementKind::ComboBox:
      return std::to_wstring(e.value);
    default:
      return e.caption;
  }
}

// "Label1 label "Version: 1.0.1" at 360,1875 2700x255 Arial 9 bold".
std::string ElementLine(const FormElement& e) {
  std::ostringstream line;
  line << ToUtf8(e.name) << " " << KindWord(e.kind);
  if (e.kind == FormElementKind::CheckBox || e.kind == FormElementKind::ComboBox) {
    line << " " << e.value;
  }
  if (!e.caption.empty()) line << " " << Quoted(e.caption);
  if (!e.picture.empty()) line << " with " << ToUtf8(e.picture);
  line << " at " << e.bounds.left << "," << e.bounds.top << " " << e.bounds.width << "x"
       << e.bounds.height;
  if (e.tabIndex >= 0) line << " tab " << e.tabIndex;
  if (e.font != Font{}) {
    line << " " << ToUtf8(e.font.name) << " " << ToUtf8(GeneralNumberText(e.font.size, L'.'))
         << (e.font.bold ? " bold" : "") << (e.font.underline ? " underline" : "");
  }
  return line.str();
}

std::string IssueLine(const pages::PageIssue& issue) {
  static constexpr const char* kWhat[] = {"cannot be read", "has no list item", "left as stored",
                                          "refused"};
  std::string line = ToUtf8(issue.property) + " " + kWhat[static_cast<int>(issue.kind)];
  if (!issue.detail.empty()) line += " (" + ToUtf8(issue.detail) + ")";
  return line;
}

}  // namespace

pages::PropertyPage& ScriptRunner::PageNamed(const std::wstring& name) {
  const pages::PageDefinition* definition = pages::FindPage(name);
  if (definition == nullptr) throw ScriptError("no page " + ToUtf8(name));
  auto& page = pages_[std::wstring(definition->className)];
  if (!page) {
    page = std::make_unique<pages::PropertyPage>(*definition,
                                                 ProbeSeparators(Platform().Get().GetLocale()));
  }
  return *page;
}

void ScriptRunner::Page(const Arguments& args) {
  // page PAGE load|apply|show | type BOX TEXT | click BOX | choose BOX INDEX | expect BOX WHAT
  pages::PropertyPage& page = PageNamed(args[0]);
  const std::wstring& action = args[1];
  const auto box = [&](std::size_t needed) -> const std::wstring& {
    if (args.size() < needed + 3) throw ScriptError("too few arguments");
    return args[2];
  };
  std::vector<pages::PageIssue> issues;
  if (action == L"load") {
    if (!pageTarget_) pageTarget_ = std::make_unique<pages::ControlTarget>(Control());
    pages::PageTarget* selection[] = {pageTarget_.get()};
    issues = page.SelectionChanged(selection);
  } else if (action == L"apply") {
    issues = page.ApplyChanges();
  } else if (action == L"type") {
    page.TypeText(box(1), Local(args[3]));
  } else if (action == L"click") {
    page.ClickCheckBox(box(0));
  } else if (action == L"choose") {
    page.ChooseItem(box(1), ScriptInt(args[3]));
  } else if (action == L"show") {
    out_ << "  page " << Quoted(std::wstring(page.Definition().caption)) << ", changed "
         << ToUtf8(TruthText(page.Changed())) << "\n";
    for (const FormElement& e : page.Form().elements) out_ << "    " << ElementLine(e) << "\n";
  } else if (action == L"expect") {
    const std::wstring& name = box(1);
    const std::wstring actual =
        name == L"changed" ? TruthText(page.Changed()) : Holding(page.Control(name));
    if (actual != Local(args[3])) {
      Fail("expected " + ToUtf8(name) + " " + Quoted(Local(args[3])) + ", got " + Quoted(actual));
    }
  } else {
    throw ScriptError("page PAGE load|apply|show|type|click|choose|expect");
  }
  for (const pages::PageIssue& issue : issues) out_ << "  " << IssueLine(issue) << "\n";
}

void ScriptRunner::About(const Arguments& args) {
  // about [click ELEMENT | resize WIDTH HEIGHT]…: Acerca, with what the user does meanwhile.
  auto* headless = dynamic_cast<headless::HeadlessPlatform*>(&Platform().Get());
  if (headless == nullptr) throw ScriptError("only the headless About box can be scripted");
  headless::HeadlessForms& forms = headless->forms;
  forms.user = [&](headless::HeadlessFormWindow& box) {
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (args[i] == L"click" && i + 1 < args.size()) {
        box.Click(args[++i]);
      } else if (args[i] == L"resize" && i + 2 < args.size()) {
        box.Resize({ScriptInt(args[i + 1]), ScriptInt(args[i + 2])});
        i += 2;
      } else {
        throw ScriptError("about [click ELEMENT | resize WIDTH HEIGHT]...");
      }
    }
  };
  const std::size_t shown = forms.forms.size();
  const std::size_t asked = forms.shellRequests.size();
  try {
    Control().Invoke(L"Acerca");
  } catch (...) {
    forms.user = nullptr;
    throw;
  }
  forms.user = nullptr;
  for (std::size_t i = shown; i < forms.forms.size(); ++i) {
    const headless::ShownForm& form = forms.forms[i];
    out_ << "  form " << Quoted(form.shown.caption) << (form.owner == 0 ? ", no owner" : "")
         << ", inner " << form.shown.inner.width << "x" << form.shown.inner.height << "\n";
    for (const FormElement& e : form.shown.elements) out_ << "    " << ElementLine(e) << "\n";
    if (form.left != form.shown) {
      out_ << "  as it was left:\n";
      for (const FormElement& e : form.left.elements) out_ << "    " << ElementLine(e) << "\n";
    }
  }
  for (std::size_t i = asked; i < forms.shellRequests.size(); ++i) {
    const headless::ShellRequest& r = forms.shellRequests[i];
    out_ << "  shell " << ToUtf8(r.verb) << " " << Quoted(r.file) << "\n";
  }
}

void ScriptRunner::Shell(const Arguments& args) {
  // shell RESULT [ERROR "DESCRIPTION"]: what the headless shell answers from now on.
  auto* headless = dynamic_cast<headless::HeadlessPlatform*>(&Platform().Get());
  if (headless == nullptr) throw ScriptError("only the headless shell can be told what to answer");
  ShellOutcome& answer = headless->forms.shellAnswer;
  answer.result = ScriptInt(args[0]);
  answer.errorNumber = args.size() > 1 ? ScriptInt(args[1]) : 0;
  answer.errorDescription = args.size() > 2 ? args[2] : std::wstring();
}

}  // namespace kovra::tools
