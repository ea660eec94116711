#include "tools/container/corpus_case.h"

#include <cstdio>
#include <ostream>

#include "activex/com_values.h"
#include "core/events.h"
#include "platform/win32/win32_locale.h"
#include "tools/container/late_binding.h"
#include "tools/container/text_form_bag.h"
#include "tools/script_words.h"
#include "tools/utf8.h"

namespace kovra::container {
namespace {

using activex::ComVariant;
using tools::ScriptError;

// Where the two controls stand on the case's form: the one under test, and the one that takes
// the focus when it leaves.
constexpr RECT kTested{10, 10, 130, 34};
constexpr RECT kOther{10, 50, 130, 74};

// An Automation error of a control (FACILITY_CONTROL) as its error number.
constexpr HRESULT kControlErrors = static_cast<HRESULT>(0x800A0000u);

// One argument of an event, read through its reference, as the journal keeps it.
using EventArgument = decltype(headless::RaisedEvent::arguments)::value_type;

EventArgument ArgumentOf(const VARIANT& argument) {
  ComVariant value;
  ::VariantCopyInd(value.Put(), const_cast<VARIANT*>(&argument));
  const VARIANT& v = value.get();
  switch (v.vt) {
    case VT_I2:
      return v.iVal;
    case VT_BOOL:
      return static_cast<std::int16_t>(v.boolVal);
    case VT_I4:
      return static_cast<std::int32_t>(v.lVal);
    case VT_R4:
      return v.fltVal;
    case VT_R8:
      return static_cast<float>(v.dblVal);
    default:
      return TextOf(v);
  }
}

std::string Hex(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
  return text;
}

}  // namespace

CorpusCase::CorpusCase(const CLSID& controlClass, std::wostream& out)
    : out_(out), separators_(ProbeSeparators(win32::Win32Locale())), class_(controlClass) {
  boxes_.OnRecorded([this](const win32::RecordedMessageBox& box) {
    Record(headless::ShownMessage{box.text, box.title,
                                  box.icon.value_or(static_cast<MessageIcon>(0))});
  });
  form_ = std::make_unique<Form>(300, 100, L"KovraDouble corpus");
  if (const HRESULT made = ::CoCreateInstance(controlClass, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IOleObject, control_.PutVoid());
      FAILED(made) || !(automation_ = control_.As<IDispatch>())) {
    throw ScriptError("the control cannot be made (" + Hex(made) + ")");
  }
  events_ = std::make_unique<EventLog>(
      control_.get(), [this](DISPID id, DISPPARAMS& arguments) { Heard(id, arguments); });
}

CorpusCase::~CorpusCase() {
  events_.reset();
  form_.reset();
}

void CorpusCase::Load() {
  if (loaded_) return;
  loaded_ = true;
  // Without saved properties the container makes a new control, as a form designer does.
  if (!saved_.Entries().empty()) {
    LoadFromText(control_.get(), saved_.Save());
  } else if (const auto persist = control_.As<IPersistStreamInit>();
             !persist || FAILED(persist->InitNew())) {
    throw ScriptError("the control cannot be initialised");
  }
  // A new control starts with nothing to report.
  journal_.clear();
}

void CorpusCase::Place() {
  Load();
  if (placed_) return;
  placed_ = true;
  ComPtr<IOleObject> other;
  if (form_->Place(control_, kTested, true) != 0 ||
      FAILED(::CoCreateInstance(class_, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                other.PutVoid())) ||
      form_->Place(other, kOther) != 1) {
    throw ScriptError("the controls cannot be placed");
  }
}

void CorpusCase::Heard(DISPID id, DISPPARAMS& arguments) {
  headless::RaisedEvent event{static_cast<int>(id), {}};
  // Arguments come last first; the handler sets the first by reference.
  VARIANT* first = arguments.cArgs > 0 ? &arguments.rgvarg[arguments.cArgs - 1] : nullptr;
  if (handler_ && first != nullptr && first->vt == (VT_BYREF | VT_I2) &&
      event::Name(event.dispatchId) == handler_->event) {
    *first->piVal = handler_->value;
  }
  for (UINT i = arguments.cArgs; i > 0; --i) {
    event.arguments.push_back(ArgumentOf(arguments.rgvarg[i - 1]));
  }
  Record(std::move(event));
}

bool CorpusCase::Call(const std::wstring& name, WORD flags, VARIANT* argument, VARIANT* result) {
  EXCEPINFO exception{};
  const HRESULT called = InvokeByName(automation_.get(), name, flags, argument, result, &exception);
  form_->Pump();
  HRESULT error = called;
  std::wstring description;
  if (called == DISP_E_EXCEPTION) {
    error = exception.scode != S_OK ? exception.scode : kControlErrors | exception.wCode;
    if (exception.bstrDescription != nullptr) description = exception.bstrDescription;
  }
  ::SysFreeString(exception.bstrSource);
  ::SysFreeString(exception.bstrDescription);
  ::SysFreeString(exception.bstrHelpFile);
  if (SUCCEEDED(called)) return true;
  if (static_cast<HRESULT>(error & 0xFFFF0000) != kControlErrors) {
    throw ScriptError(tools::ToUtf8(name) + " failed with " + Hex(error));
  }
  // What a caller of the control gets, kept in order with the events.
  Record(headless::ReportedError{error & 0xFFFF, description});
  return false;
}

void CorpusCase::Put(const std::wstring& name, const VARIANT& value) {
  Call(name, DISPATCH_PROPERTYPUT, const_cast<VARIANT*>(&value), nullptr);
}

HWND CorpusCase::Text1Window() const {
  // The window a client reaches through the control's hWnd, placed or not.
  ComVariant handle;
  if (FAILED(
          InvokeByName(automation_.get(), L"hWnd", DISPATCH_PROPERTYGET, nullptr, handle.Put())) ||
      FAILED(::VariantChangeType(const_cast<VARIANT*>(&handle.get()),
                                 const_cast<VARIANT*>(&handle.get()), 0, VT_I4))) {
    throw ScriptError("the control names no window");
  }
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle.get().lVal));
}

std::wstring CorpusCase::Text1() const {
  HWND edit = Text1Window();
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring CorpusCase::Local(const std::wstring& text) const {
  return tools::WithSeparators(text, separators_);
}

void CorpusCase::Record(tools::JournalEntry entry) { journal_.push_back(std::move(entry)); }

std::vector<tools::JournalEntry> CorpusCase::Take(std::size_t& seen) {
  std::vector<tools::JournalEntry> fresh(journal_.begin() + static_cast<long>(seen),
                                         journal_.end());
  seen = journal_.size();
  return fresh;
}

}  // namespace kovra::container
