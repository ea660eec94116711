#include "activex/class_factory.h"

#include "activex/com_error.h"
#include "activex/served_classes.h"

namespace kovra::activex {

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  return create_(iid, out);
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    module::Lock();
  } else {
    module::Unlock();
  }
  return S_OK;
}

HRESULT GetClassObject(REFCLSID classId, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  const ServedClass* served = FindServedClass(classId);
  if (served == nullptr || served->create == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
  return Guarded([&] { return MakeObject<ClassFactory>(served->create).CopyTo(iid, out); });
}

}  // namespace kovra::activex
