#include "activex/persist_facets.h"

#include "activex/automation_error.h"
#include "activex/binary_form.h"
#include "activex/com_error.h"
#include "activex/control_object.h"
#include "activex/control_persistence.h"
#include "activex/host_property_bag.h"
#include "activex/identifiers.h"

namespace kovra::activex {
namespace {

// The stream of a storage that holds the binary form.
constexpr const wchar_t* kContents = L"Contents";

HRESULT ClassOf(CLSID* id) {
  if (id == nullptr) return E_POINTER;
  *id = kControlClass.id;
  return S_OK;
}

HRESULT DirtyAnswer(const ControlObject& object) { return object.Dirty() ? S_OK : S_FALSE; }

void SaveToStream(ControlObject& object, IStream* stream, bool clearDirty) {
  WriteBinaryForm(SaveControl(object), stream);
  if (clearDirty) object.MarkClean();
}

void LoadFromStream(ControlObject& object, IStream* stream) {
  SavedProperties saved = ReadBinaryForm(stream);
  LoadControl(object, saved);
}

}  // namespace

HRESULT STDMETHODCALLTYPE PropertyBagFacet::GetClassID(CLSID* id) { return ClassOf(id); }

HRESULT STDMETHODCALLTYPE PropertyBagFacet::InitNew() { return InitNewControl(object_); }

HRESULT STDMETHODCALLTYPE PropertyBagFacet::Load(IPropertyBag* bag, IErrorLog* log) {
  if (bag == nullptr) return E_POINTER;
  return Reported([&] {
    SavedProperties saved = ReadHostBag(bag, log, object_.Fonts());
    LoadControl(object_, saved);
  });
}

HRESULT STDMETHODCALLTYPE PropertyBagFacet::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (bag == nullptr) return E_POINTER;
  return Reported([&] {
    WriteHostBag(bag, SaveControl(object_), object_.Fonts());
    if (clearDirty) object_.MarkClean();
  });
}

HRESULT STDMETHODCALLTYPE StreamFacet::GetClassID(CLSID* id) { return ClassOf(id); }

HRESULT STDMETHODCALLTYPE StreamFacet::IsDirty() { return DirtyAnswer(object_); }

HRESULT STDMETHODCALLTYPE StreamFacet::Load(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  return Reported([&] { LoadFromStream(object_, stream); });
}

HRESULT STDMETHODCALLTYPE StreamFacet::Save(IStream* stream, BOOL clearDirty) {
  if (stream == nullptr) return E_POINTER;
  return Reported([&] { SaveToStream(object_, stream, clearDirty != FALSE); });
}

HRESULT STDMETHODCALLTYPE StreamFacet::GetSizeMax(ULARGE_INTEGER* size) {
  if (size == nullptr) return E_POINTER;
  size->QuadPart = 0;
  return Reported([&] { size->QuadPart = BinaryFormSize(SaveControl(object_)); });
}

HRESULT STDMETHODCALLTYPE StreamFacet::InitNew() { return InitNewControl(object_); }

HRESULT STDMETHODCALLTYPE StorageFacet::GetClassID(CLSID* id) { return ClassOf(id); }

HRESULT STDMETHODCALLTYPE StorageFacet::IsDirty() { return DirtyAnswer(object_); }

HRESULT STDMETHODCALLTYPE StorageFacet::InitNew(IStorage* storage) {
  if (storage == nullptr) return E_POINTER;
  return InitNewControl(object_);
}

HRESULT STDMETHODCALLTYPE StorageFacet::Load(IStorage* storage) {
  if (storage == nullptr) return E_POINTER;
  return Reported([&] {
    ComPtr<IStream> stream;
    ThrowIfFailed(
        storage->OpenStream(kContents, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Put()));
    LoadFromStream(object_, stream.get());
  });
}

HRESULT STDMETHODCALLTYPE StorageFacet::Save(IStorage* storage, BOOL sameAsLoad) {
  if (storage == nullptr) return E_POINTER;
  return Reported([&] {
    ComPtr<IStream> stream;
    ThrowIfFailed(storage->CreateStream(
        kContents, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream.Put()));
    // Saved into the storage it came from, the control is clean; otherwise once SaveCompleted
    // says the new storage is its own.
    SaveToStream(object_, stream.get(), sameAsLoad != FALSE);
  });
}

HRESULT STDMETHODCALLTYPE StorageFacet::SaveCompleted(IStorage*) {
  object_.MarkClean();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StorageFacet::HandsOffStorage() { return S_OK; }

}  // namespace kovra::activex
