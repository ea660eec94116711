#include "tools/script_journal.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>

#include "base/number_text.h"
#include "base/visit_helpers.h"
#include "core/events.h"
#include "tools/script_words.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

constexpr std::pair<std::wstring_view, MessageIcon> kIcons[] = {
    {L"Critical", MessageIcon::Critical},
    {L"Question", MessageIcon::Question},
    {L"Exclamation", MessageIcon::Exclamation},
    {L"Information", MessageIcon::Information},
};

std::wstring IconName(MessageIcon icon) {
  for (const auto& [name, value] : kIcons) {
    if (value == icon) return std::wstring(name);
  }
  return L"Unknown";
}

}  // namespace

std::wstring DescribeEvent(const headless::RaisedEvent& event) {
  std::wstring text(event::Name(event.dispatchId));
  for (std::size_t i = 0; i < event.arguments.size(); ++i) {
    text += i == 0 ? L'(' : L',';
    text += std::visit(
        [](const auto& v) {
          if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::wstring>) {
            return L"\"" + v + L"\"";
          } else {
            return GeneralNumberText(static_cast<double>(v), L'.');
          }
        },
        event.arguments[i]);
  }
  if (!event.arguments.empty()) text += L')';
  return text;
}

std::wstring EventWord(const JournalEntry& entry) {
  return std::visit(
      Overloaded{
          [](const headless::RaisedEvent& e) { return DescribeEvent(e); },
          [](const headless::ChangedProperty&) { return std::wstring(); },
          [](const headless::ShownMessage& m) { return L"Message(" + IconName(m.icon) + L")"; },
          [](const headless::ReportedError& e) {
            return L"Error(" + std::to_wstring(e.code) + L")";
          },
          [](const headless::CancelledValidation&) { return std::wstring(L"Validate(Cancel)"); },
      },
      entry);
}

std::string EventLine(const JournalEntry& entry) {
  return std::visit(
      Overloaded{
          [](const headless::RaisedEvent& e) { return "event " + ToUtf8(DescribeEvent(e)); },
          [](const headless::ChangedProperty& p) { return "property changed " + ToUtf8(p.name); },
          [](const headless::ShownMessage& m) {
            return "message " + ToUtf8(IconName(m.icon)) + " " + Quoted(m.title) + ": " +
                   Quoted(m.text);
          },
          [](const headless::ReportedError& e) {
            return "error " + std::to_string(e.code) + ": " + ToUtf8(e.description);
          },
          [](const headless::CancelledValidation&) {
            return std::string("the focus stays (Validate cancelled)");
          },
      },
      entry);
}

std::string EventsMismatch(std::span<const std::wstring> expected,
                           std::span<const JournalEntry> entries, bool namesOnly) {
  std::vector<std::wstring> actual;
  for (const JournalEntry& entry : entries) {
    std::wstring word = EventWord(entry);
    if (word.empty()) continue;
    // Names alone, for keys whose codes differ between locales.
    if (namesOnly) word = word.substr(0, word.find(L'('));
    actual.push_back(std::move(word));
  }
  const std::wstring want = JoinedWords(expected);
  const std::wstring got = JoinedWords(actual);
  if (got == want) return {};
  return "expected " + Quoted(want) + ", got " + Quoted(got);
}

std::string ObservationMismatch(std::wstring_view what, std::span<const std::wstring> expected,
                                std::span<const std::wstring> actual) {
  if (std::equal(expected.begin(), expected.end(), actual.begin(), actual.end())) return {};
  return "expected " + ToUtf8(what) + " " + Quoted(JoinedWords(expected)) + ", got " +
         Quoted(JoinedWords(actual));
}

std::string MessagesMismatch(std::span<const std::wstring> expected,
                             std::span<const JournalEntry> entries) {
  std::vector<std::wstring> want, got;
  for (std::size_t i = 0; i + 1 < expected.size(); i += 2) {
    want.push_back(expected[i] + L" " + kErrorTitle + L": " + expected[i + 1]);
  }
  for (const JournalEntry& entry : entries) {
    if (const auto* m = std::get_if<headless::ShownMessage>(&entry)) {
      got.push_back(IconName(m->icon) + L" " + m->title + L": " + m->text);
    }
  }
  if (got == want) return {};
  const auto listed = [](const std::vector<std::wstring>& boxes) {
    return boxes.empty() ? std::wstring(L"(none)") : JoinedWords(boxes, L" / ");
  };
  return "expected messages " + Quoted(listed(want)) + ", got " + Quoted(listed(got));
}

}  // namespace kovra::tools
