// Persistence of the control object in the three forms containers use: a host's own property
// bag (IPersistPropertyBag: the keys by name), a stream and a storage (IPersistStreamInit,
// IPersistStorage: the library's binary form, in the storage's stream "Contents"). Every load
// reads and checks the whole store before it applies anything; IsDirty answers whether a
// property changed since the last load or save that cleared it.
#pragma once

#include <ocidl.h>

#include "activex/facet.h"

namespace kovra::activex {

class PropertyBagFacet final : public Facet<IPersistPropertyBag> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
};

class StreamFacet final : public Facet<IPersistStreamInit> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
  HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
};

class StorageFacet final : public Facet<IPersistStorage> {
 public:
  using Facet::Facet;
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Load(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL sameAsLoad) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE HandsOffStorage() override;
};

}  // namespace kovra::activex
