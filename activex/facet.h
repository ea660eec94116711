// One interface of the control object, implemented in a class of its own. A facet has no
// identity of its own: QueryInterface, AddRef and Release are the object's, so that every
// interface is answered from the object's one table and keeps the whole object alive.
#pragma once

#include <objbase.h>

namespace kovra::activex {

class ControlObject;

// The object's IUnknown (its identity).
IUnknown& IdentityOf(ControlObject& object);

template <typename Interface>
class Facet : public Interface {
 public:
  explicit Facet(ControlObject& object) : object_(object) {}
  Facet(const Facet&) = delete;
  Facet& operator=(const Facet&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) final {
    return IdentityOf(object_).QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() final { return IdentityOf(object_).AddRef(); }
  ULONG STDMETHODCALLTYPE Release() final { return IdentityOf(object_).Release(); }

 protected:
  ControlObject& object_;
};

}  // namespace kovra::activex
