#include "platform/win32/win32_drag_source.h"

#include <shlobj.h>

#include <atomic>

#include "platform/win32/win32_clipboard.h"

namespace kovra::win32 {
namespace {

// Reference counting for the two small objects of a drag, which live on the drag's stack frame
// and are never freed through Release.
template <typename Interface>
class StackObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (::IsEqualGUID(iid, IID_IUnknown) || ::IsEqualGUID(iid, __uuidof(Interface))) {
      AddRef();
      *out = static_cast<Interface*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }

 private:
  std::atomic<ULONG> references_{1};
};

class TextData final : public StackObject<IDataObject> {
 public:
  explicit TextData(std::wstring text) : text_(std::move(text)) {}
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    UniqueGlobal memory = GlobalText(text_);
    if (!memory) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory.release();  // the receiver frees it
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format != nullptr && format->cfFormat == CF_UNICODETEXT &&
                   (format->tymed & TYMED_HGLOBAL) != 0
               ? S_OK
               : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out != nullptr) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return ::SHCreateStdEnumFmtEtc(1, &format, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::wstring text_;
};

class Source final : public StackObject<IDropSource> {
 public:
  explicit Source(TextBoxEvents* events) : events_(events) {}
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & (MK_LBUTTON | MK_RBUTTON)) == 0 ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    auto shown = static_cast<std::int32_t>(effect);
    std::int16_t defaultCursors = -1;  // True
    if (events_ != nullptr) {
      try {
        events_->Text1_OLEGiveFeedback(shown, defaultCursors);
      } catch (...) {
        defaultCursors = -1;
      }
    }
    return defaultCursors != 0 ? DRAGDROP_S_USEDEFAULTCURSORS : S_OK;
  }

 private:
  TextBoxEvents* events_;
};

}  // namespace

void RunTextDrag(const std::wstring& text, TextBoxEvents* events) {
  DataObject data;
  data.data[1] = text;
  std::int32_t allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  if (events != nullptr) events->Text1_OLEStartDrag(data, allowed);
  TextData offered(text);
  Source source(events);
  DWORD effect = DROPEFFECT_NONE;
  if (FAILED(::DoDragDrop(&offered, &source, static_cast<DWORD>(allowed), &effect))) {
    effect = DROPEFFECT_NONE;
  }
  auto completed = static_cast<std::int32_t>(effect);
  if (events != nullptr) events->Text1_OLECompleteDrag(completed);
}

}  // namespace kovra::win32
