// A control made by the library under test, held as a client holds it, and the late-bound calls
// the tests make on it. The library is loaded once for the whole test program and stays loaded,
// so that no test's object outlives its code.
#pragma once

#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "activex/com_ptr.h"
#include "activex/com_values.h"

namespace kovra::ocx_test {

using activex::Bstr;
using activex::ComPtr;
using activex::ComVariant;

// The library's DllCanUnloadNow.
HRESULT LibraryCanUnloadNow();
// A new control, asked for IDispatch (empty when the library cannot make one).
ComPtr<IDispatch> NewControl();
// The library's class factory for `classId` (empty when it has none).
ComPtr<IClassFactory> FactoryOf(const CLSID& classId);

// VARIANT values for calls.
ComVariant Value(short v);
ComVariant Value(long v);
ComVariant Value(double v);
ComVariant Value(const wchar_t* text);
ComVariant Boolean(bool v);
ComVariant Object(IUnknown* object);  // VT_DISPATCH when the object has IDispatch

// The outcome of one IDispatch::Invoke.
struct Outcome {
  HRESULT result = E_FAIL;
  ComVariant value;
  SCODE scode = 0;           // EXCEPINFO.scode for DISP_E_EXCEPTION
  std::wstring description;  // EXCEPINFO.bstrDescription
  std::wstring source;       // EXCEPINFO.bstrSource
  UINT argumentError = ~0u;
};

// The dispatch identifier of `name`, or DISPID_UNKNOWN.
DISPID IdOf(IDispatch* control, const wchar_t* name);
// Invoke with `arguments` in call order, the first `named.size()` of them named by the
// identifiers in `named`, the others by position.
Outcome Invoke(IDispatch* control, DISPID id, WORD flags, std::vector<VARIANT> arguments = {},
               std::vector<DISPID> named = {});
Outcome Get(IDispatch* control, const wchar_t* name);
Outcome Put(IDispatch* control, const wchar_t* name, const ComVariant& value);
Outcome PutRef(IDispatch* control, const wchar_t* name, const ComVariant& value);
Outcome Call(IDispatch* control, const wchar_t* name, std::vector<VARIANT> arguments = {});

// A property read as a text (VariantChangeType to VT_BSTR in the user's locale); "<error>"
// when it cannot be read.
std::wstring Text(IDispatch* control, const wchar_t* name);

// The description in the thread's error information (GetErrorInfo), which taking it clears.
std::wstring TakeErrorDescription();

// The result a control error number takes: 0x800A0000 + number.
constexpr HRESULT ControlError(int number) {
  return static_cast<HRESULT>(0x800A0000u | static_cast<unsigned>(number));
}

// Runs the thread's message loop until nothing is waiting.
void PumpMessages();

}  // namespace kovra::ocx_test
