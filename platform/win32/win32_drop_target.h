// Text1 as an OLE drop target while its OLEDropMode is manual: what is dragged over the EDIT is
// offered to the box's owner as OLEDragOver (state 0 entering, 2 over, 1 leaving) and, when it is
// dropped, OLEDragDrop, each with the dragged text (format 1), the effect, the mouse button, the
// shift state and the place in the EDIT's client pixels, all by reference: the effect the owner
// leaves is the drop's answer. The box itself inserts nothing.
#pragma once

#include <ole2.h>

#include <atomic>
#include <functional>
#include <memory>

#include "platform/data_object.h"
#include "platform/text_box.h"

namespace kovra::win32 {

class DropTarget final : public IDropTarget {
 public:
  // `events` gives the box's receiver at the time of each notification (nullptr: none).
  DropTarget(HWND edit, std::function<TextBoxEvents*()> events);

  // The box lets the target go: a drag loop that still holds it reaches nothing from now on.
  void Forget() {
    events_ = nullptr;
    edit_ = nullptr;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  ~DropTarget() = default;
  // OLEDragOver with `state`; the effect the owner leaves goes to `effect`.
  void Over(DWORD keys, POINTL point, std::int16_t state, DWORD* effect);
  // Keeps what is dragged as the text of format 1 for the events.
  void Take(IDataObject* data);
  // Offers the drag at `point` (screen pixels) to the owner through `raise` and answers the
  // effect the owner leaves, within `allowed`; a failing handler refuses the drop.
  template <typename Raise>
  DWORD Offer(DWORD keys, POINTL point, DWORD allowed, Raise raise);

  std::atomic<ULONG> references_{1};
  HWND edit_;
  std::function<TextBoxEvents*()> events_;
  DataObject data_;  // what the current drag carries
  DWORD allowed_ = DROPEFFECT_NONE;
  DWORD keys_ = 0;
  POINTL point_{};
};

// The owner's reference to its drop target: letting it go makes the target forget the box
// first, since a drag loop may still hold the target after the registration is revoked.
struct ForgetAndRelease {
  void operator()(DropTarget* target) const {
    target->Forget();
    target->Release();
  }
};
using DropTargetRef = std::unique_ptr<DropTarget, ForgetAndRelease>;

}  // namespace kovra::win32
