#include "tests/ocx/control_client.h"

#include <oleauto.h>

#include <iterator>

#include "activex/identifiers.h"
#include "tests/ocx/ocx_test_support.h"

namespace kovra::ocx_test {
namespace {

const LoadedOcx& Library() {
  static const LoadedOcx* library = new LoadedOcx(LoadOcx());  // never unloaded
  return *library;
}

ComVariant Make(VARTYPE type, auto assign) {
  ComVariant value;
  VARIANT* slot = value.Put();
  slot->vt = type;
  assign(*slot);
  return value;
}

}  // namespace

HRESULT LibraryCanUnloadNow() {
  return Library().canUnloadNow != nullptr ? Library().canUnloadNow() : E_FAIL;
}

ComPtr<IClassFactory> FactoryOf(const CLSID& classId) {
  ComPtr<IClassFactory> factory;
  if (Library().getClassObject != nullptr) {
    Library().getClassObject(classId, IID_IClassFactory, factory.PutVoid());
  }
  return factory;
}

ComPtr<IDispatch> NewControl() {
  ComPtr<IDispatch> control;
  const ComPtr<IClassFactory> factory = FactoryOf(activex::kControlClass.id);
  if (factory) factory->CreateInstance(nullptr, IID_IDispatch, control.PutVoid());
  return control;
}

ComVariant Value(short v) {
  return Make(VT_I2, [&](VARIANT& x) { x.iVal = v; });
}
ComVariant Value(long v) {
  return Make(VT_I4, [&](VARIANT& x) { x.lVal = v; });
}
ComVariant Value(double v) {
  return Make(VT_R8, [&](VARIANT& x) { x.dblVal = v; });
}
ComVariant Value(const wchar_t* text) {
  return Make(VT_BSTR, [&](VARIANT& x) { x.bstrVal = ::SysAllocString(text); });
}
ComVariant Boolean(bool v) {
  return Make(VT_BOOL, [&](VARIANT& x) { x.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE; });
}
ComVariant Object(IUnknown* object) {
  ComPtr<IDispatch> dispatch;
  if (object != nullptr) object->QueryInterface(IID_IDispatch, dispatch.PutVoid());
  return Make(VT_DISPATCH, [&](VARIANT& x) { x.pdispVal = dispatch.Detach(); });
}

DISPID IdOf(IDispatch* control, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

Outcome Invoke(IDispatch* control, DISPID id, WORD flags, std::vector<VARIANT> arguments,
               std::vector<DISPID> named) {
  // rgvarg holds the named arguments first, then the positional ones last first.
  const auto firstPositional = arguments.begin() + static_cast<std::ptrdiff_t>(named.size());
  std::vector<VARIANT> packed(arguments.begin(), firstPositional);
  packed.insert(packed.end(), arguments.rbegin(), std::make_reverse_iterator(firstPositional));
  DISPPARAMS parameters{packed.data(), named.data(), static_cast<UINT>(packed.size()),
                        static_cast<UINT>(named.size())};
  Outcome outcome;
  EXCEPINFO exception{};
  outcome.result = control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                   outcome.value.Put(), &exception, &outcome.argumentError);
  outcome.scode = exception.scode;
  outcome.description = Bstr::Adopt(exception.bstrDescription).view();
  outcome.source = Bstr::Adopt(exception.bstrSource).view();
  Bstr::Adopt(exception.bstrHelpFile);
  return outcome;
}

Outcome Get(IDispatch* control, const wchar_t* name) {
  return Invoke(control, IdOf(control, name), DISPATCH_PROPERTYGET);
}

Outcome Put(IDispatch* control, const wchar_t* name, const ComVariant& value) {
  DISPID put = DISPID_PROPERTYPUT;
  return Invoke(control, IdOf(control, name), DISPATCH_PROPERTYPUT, {value.get()}, {put});
}

Outcome PutRef(IDispatch* control, const wchar_t* name, const ComVariant& value) {
  DISPID put = DISPID_PROPERTYPUT;
  return Invoke(control, IdOf(control, name), DISPATCH_PROPERTYPUTREF, {value.get()}, {put});
}

Outcome Call(IDispatch* control, const wchar_t* name, std::vector<VARIANT> arguments) {
  return Invoke(control, IdOf(control, name), DISPATCH_METHOD, std::move(arguments));
}

std::wstring Text(IDispatch* control, const wchar_t* name) {
  Outcome read = Get(control, name);
  if (FAILED(read.result)) return L"<error>";
  ComVariant text;
  if (FAILED(::VariantChangeType(text.Put(), const_cast<VARIANT*>(&read.value.get()),
                                 VARIANT_ALPHABOOL, VT_BSTR))) {
    return L"<error>";
  }
  return std::wstring(text.get().bstrVal, ::SysStringLen(text.get().bstrVal));
}

std::wstring TakeErrorDescription() {
  ComPtr<IErrorInfo> info;
  if (::GetErrorInfo(0, info.Put()) != S_OK || !info) return {};
  Bstr description;
  info->GetDescription(description.Put());
  return std::wstring(description.view());
}

void PumpMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace kovra::ocx_test
