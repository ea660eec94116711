// IViewObjectEx (with IViewObject2 and IViewObject): the control drawn into a device context the
// container gives — a screen, a memory bitmap, a metafile or a printer — active or not, its
// extent, hit testing over its whole rectangle, and the advise sink that hears when its
// picture changes.
#pragma once

#include <ocidl.h>

#include "activex/com_ptr.h"
#include "activex/facet.h"

namespace kovra::activex {

// What the control's view is to a container: it paints every pixel of its rectangle, in solid
// colours (IViewObjectEx::GetViewStatus and IQuickActivate tell it alike).
inline constexpr DWORD kViewStatus = VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND;

class ViewObjectFacet final : public Facet<IViewObjectEx> {
 public:
  using Facet::Facet;

  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                                 HDC targetInfo, HDC target, LPCRECTL bounds,
                                 LPCRECTL metafileBounds, BOOL(STDMETHODCALLTYPE* go)(ULONG_PTR),
                                 ULONG_PTR goArgument) override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspectInfo,
                                        DVTARGETDEVICE* device, HDC targetInfo,
                                        LOGPALETTE** colours) override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspectInfo,
                                   DWORD* freeze) override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD freeze) override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                                      LPSIZEL size) override;
  HRESULT STDMETHODCALLTYPE GetRect(DWORD aspect, LPRECTL rect) override;
  HRESULT STDMETHODCALLTYPE GetViewStatus(DWORD* status) override;
  HRESULT STDMETHODCALLTYPE QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location,
                                          LONG closeHint, DWORD* result) override;
  HRESULT STDMETHODCALLTYPE QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location,
                                         LONG closeHint, DWORD* result) override;
  HRESULT STDMETHODCALLTYPE GetNaturalExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                                             HDC targetInfo, DVEXTENTINFO* info,
                                             LPSIZEL size) override;

  // Tells the advise sink that the picture changed (nothing without one).
  void Changed();
  // Lets the advise sink go (the object is ending).
  void DisconnectAll() noexcept { sink_.Reset(); }

 private:
  ComPtr<IAdviseSink> sink_;
  DWORD aspects_ = 0;
  DWORD flags_ = 0;
};

}  // namespace kovra::activex
