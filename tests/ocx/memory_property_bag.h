// A host's property bag held in memory: it records every value the control writes, in order,
// and hands back what a test put in, converted to the type the control asks for as a host's
// bag does.
#pragma once

#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

#include "activex/com_object.h"
#include "activex/com_values.h"

namespace kovra::ocx_test {

class MemoryPropertyBag final : public activex::ComObject<MemoryPropertyBag, IPropertyBag> {
 public:
  // Every Write, in order.
  std::vector<std::pair<std::wstring, activex::ComVariant>> written;

  // The value the bag holds for `name` from now on.
  void Set(const std::wstring& name, const activex::ComVariant& value);
  void Remove(const std::wstring& name);
  const activex::ComVariant* Find(const std::wstring& name) const;
  // The names the bag holds, in the order they first came.
  std::vector<std::wstring> Names() const;

  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

 private:
  std::vector<std::pair<std::wstring, activex::ComVariant>> values_;
};

}  // namespace kovra::ocx_test
