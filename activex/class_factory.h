// The class factory the library hands out for each creatable class, and the lookup behind
// DllGetClassObject.
#pragma once

#include <objbase.h>

#include "activex/com_object.h"

namespace kovra::activex {

// Makes a new instance of a class and asks it for `iid`; fills `out` or leaves it null.
using Creator = HRESULT (*)(REFIID iid, void** out);

class ClassFactory final : public ComObject<ClassFactory, IClassFactory> {
 public:
  explicit ClassFactory(Creator create) : create_(create) {}

  // A new instance; aggregation is not offered (CLASS_E_NOAGGREGATION).
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  // Keeps the library loaded while locked, whether or not any object lives.
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  Creator create_;
};

// DllGetClassObject: a factory for a class this library serves, asked for `iid`;
// CLASS_E_CLASSNOTAVAILABLE for any other class and for those not creatable yet.
HRESULT GetClassObject(REFCLSID classId, REFIID iid, void** out);

}  // namespace kovra::activex
