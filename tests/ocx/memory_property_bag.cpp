#include "tests/ocx/memory_property_bag.h"

#include <oleauto.h>

#include <algorithm>

namespace kovra::ocx_test {

void MemoryPropertyBag::Set(const std::wstring& name, const activex::ComVariant& value) {
  for (auto& [key, kept] : values_) {
    if (key == name) {
      kept = value;
      return;
    }
  }
  values_.emplace_back(name, value);
}

void MemoryPropertyBag::Remove(const std::wstring& name) {
  std::erase_if(values_, [&](const auto& entry) { return entry.first == name; });
}

const activex::ComVariant* MemoryPropertyBag::Find(const std::wstring& name) const {
  for (const auto& [key, value] : values_) {
    if (key == name) return &value;
  }
  return nullptr;
}

std::vector<std::wstring> MemoryPropertyBag::Names() const {
  std::vector<std::wstring> names;
  for (const auto& entry : values_) names.push_back(entry.first);
  return names;
}

HRESULT STDMETHODCALLTYPE MemoryPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
  if (name == nullptr || value == nullptr) return E_POINTER;
  const activex::ComVariant* kept = Find(name);
  if (kept == nullptr) return E_INVALIDARG;
  const VARTYPE asked = value->vt;
  VARIANT* source = const_cast<VARIANT*>(&kept->get());
  // Objects and the types a bag keeps as they are come back unconverted.
  if (asked == VT_EMPTY || asked == source->vt) return ::VariantCopy(value, source);
  if ((asked == VT_DISPATCH || asked == VT_UNKNOWN) &&
      (source->vt == VT_DISPATCH || source->vt == VT_UNKNOWN)) {
    return ::VariantCopy(value, source);
  }
  ::VariantInit(value);
  return ::VariantChangeType(value, source, 0, asked);
}

HRESULT STDMETHODCALLTYPE MemoryPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
  if (name == nullptr || value == nullptr) return E_POINTER;
  activex::ComVariant copy;
  const HRESULT result = ::VariantCopy(copy.Put(), value);
  if (FAILED(result)) return result;
  written.emplace_back(name, copy);
  Set(name, copy);
  return S_OK;
}

}  // namespace kovra::ocx_test
