// What a corpus case expects, read where a container and a user see it: the text, caret and
// selection of Text1's window and whether it is read-only, Value through IDispatch, where the
// focus is, the system clipboard, and what reached the container.
#include <algorithm>
#include <span>
#include <stdexcept>

#include "platform/win32/win32_clipboard.h"
#include "tools/container/corpus_case.h"
#include "tools/container/late_binding.h"
#include "tools/script_words.h"
#include "tools/utf8.h"

namespace kovra::container {
namespace {

using tools::ScriptError;

// The state behind the text that only a probe inside the control reads.
constexpr std::wstring_view kInside[] = {L"accepted", L"undo", L"undo-toggle", L"backspace-pending",
                                         L"saved-clipboard"};

struct Observation {
  std::wstring_view name;
  std::size_t words;
  bool isText;  // written in en-US form in expectations
};
constexpr Observation kObservations[] = {
    {L"text", 1, true},       {L"value", 1, true},      {L"caret", 1, false},
    {L"selection", 2, false}, {L"has-focus", 1, false}, {L"locked", 1, false},
    {L"clipboard", 1, true},
};

}  // namespace

std::vector<std::wstring> CorpusCase::Observe(const std::wstring& what) {
  if (what == L"text") return {Text1()};
  if (what == L"value") {
    activex::ComVariant value;
    const HRESULT read =
        InvokeByName(automation_.get(), L"Value", DISPATCH_PROPERTYGET, nullptr, value.Put());
    if (FAILED(read)) throw std::runtime_error("reading Value failed");
    return {TextOf(value.get())};
  }
  if (what == L"caret" || what == L"selection") {
    DWORD start = 0, end = 0;
    ::SendMessageW(Text1Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    if (what == L"caret") return {std::to_wstring(start)};
    return {std::to_wstring(start), std::to_wstring(end - start)};
  }
  if (what == L"has-focus") return {tools::TruthText(placed_ && form_->Focused() == 0)};
  if (what == L"locked") {
    const LONG_PTR style = ::GetWindowLongPtrW(Text1Window(), GWL_STYLE);
    return {tools::TruthText((style & ES_READONLY) != 0)};
  }
  if (what == L"clipboard") return {win32::Win32Clipboard().GetText()};
  throw ScriptError("nothing to observe called " + tools::ToUtf8(what));
}

void CorpusCase::Expect(const Words& args) {
  const std::wstring& what = args[0];
  const std::span<const std::wstring> expected(args.begin() + 1, args.end());
  if (what == L"events" || what == L"event-names") {
    const auto fresh = Take(eventsSeen_);
    if (std::string failure = tools::EventsMismatch(expected, fresh, what == L"event-names");
        !failure.empty()) {
      Fail(failure);
    }
    return;
  }
  if (what == L"message" || what == L"no-message") {
    if (what == L"message" && (expected.size() < 2 || expected.size() % 2 != 0)) {
      throw ScriptError("expect message ICON TEXT [ICON TEXT ...]");
    }
    Words boxes(expected.begin(), expected.end());
    for (std::size_t i = 1; i < boxes.size(); i += 2) boxes[i] = Local(boxes[i]);
    if (std::string failure = tools::MessagesMismatch(boxes, Take(messagesSeen_));
        !failure.empty()) {
      Fail(failure);
    }
    return;
  }
  if (std::find(std::begin(kInside), std::end(kInside), what) != std::end(kInside)) {
    throw CaseSkipped("expect " + tools::ToUtf8(what) +
                      " reads the control's inside, which only a probe sees");
  }
  for (const Observation& o : kObservations) {
    if (what != o.name) continue;
    if (expected.size() != o.words) {
      throw ScriptError("expect " + tools::ToUtf8(what) + " takes " + std::to_string(o.words) +
                        " word(s)");
    }
    Words want(expected.begin(), expected.end());
    if (o.isText) {
      for (std::wstring& word : want) word = Local(word);
    }
    try {
      if (std::string failure = tools::ObservationMismatch(what, want, Observe(what));
          !failure.empty()) {
        Fail(failure);
      }
    } catch (const std::runtime_error& e) {
      Fail("expected " + tools::ToUtf8(what) + " " + tools::Quoted(tools::JoinedWords(want)) +
           ", " + e.what());
    }
    return;
  }
  throw ScriptError(
      "expect events|event-names|message|no-message|text|value|caret|selection|"
      "has-focus|locked|clipboard");
}

}  // namespace kovra::container
