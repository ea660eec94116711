#include "activex/view_object_facet.h"

#include "activex/com_error.h"
#include "activex/control_object.h"
#include "activex/control_rendering.h"

namespace kovra::activex {

HRESULT STDMETHODCALLTYPE ViewObjectFacet::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC,
                                                HDC target, LPCRECTL bounds, LPCRECTL,
                                                BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT && aspect != DVASPECT_DOCPRINT) return DV_E_DVASPECT;
  if (target == nullptr || bounds == nullptr) return E_INVALIDARG;
  return Guarded([&] {
    const RECT place{bounds->left, bounds->top, bounds->right, bounds->bottom};
    return RenderControl(object_.Control(), target, place) ? S_OK : E_FAIL;
  });
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                                       LOGPALETTE** colours) {
  if (colours != nullptr) *colours = nullptr;
  return S_FALSE;  // no palette of its own
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::Freeze(DWORD, LONG, void*, DWORD* freeze) {
  if (freeze != nullptr) *freeze = 0;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE ViewObjectFacet::SetAdvise(DWORD aspects, DWORD flags,
                                                     IAdviseSink* sink) {
  sink_ = ComPtr<IAdviseSink>(sink);
  aspects_ = aspects;
  flags_ = flags;
  if (sink != nullptr && (flags & ADVF_PRIMEFIRST) != 0) Changed();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::GetAdvise(DWORD* aspects, DWORD* flags,
                                                     IAdviseSink** sink) {
  if (aspects != nullptr) *aspects = aspects_;
  if (flags != nullptr) *flags = flags_;
  if (sink != nullptr) {
    *sink = sink_.get();
    if (*sink != nullptr) (*sink)->AddRef();
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*,
                                                     LPSIZEL size) {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  return Guarded([&] {
    *size = object_.Embedded().Extent();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::GetRect(DWORD aspect, LPRECTL rect) {
  if (rect == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  return Guarded([&] {
    const SIZEL extent = object_.Embedded().Extent();
    *rect = {0, 0, extent.cx, extent.cy};
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::GetViewStatus(DWORD* status) {
  if (status == nullptr) return E_POINTER;
  *status = kViewStatus;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::QueryHitPoint(DWORD aspect, LPCRECT bounds,
                                                         POINT location, LONG, DWORD* result) {
  if (bounds == nullptr || result == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *result = ::PtInRect(bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::QueryHitRect(DWORD aspect, LPCRECT bounds,
                                                        LPCRECT location, LONG, DWORD* result) {
  if (bounds == nullptr || location == nullptr || result == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  RECT common{};
  *result = ::IntersectRect(&common, bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ViewObjectFacet::GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC,
                                                            DVEXTENTINFO*, LPSIZEL) {
  return E_NOTIMPL;  // any size the container gives suits the control
}

void ViewObjectFacet::Changed() {
  if (!sink_ || (aspects_ & DVASPECT_CONTENT) == 0) return;
  const ComPtr<IAdviseSink> sink = sink_;
  if ((flags_ & ADVF_ONLYONCE) != 0) sink_.Reset();
  sink->OnViewChange(DVASPECT_CONTENT, -1);
}

}  // namespace kovra::activex
