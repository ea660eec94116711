#include "platform/win32/win32_drop_target.h"

#include <string>

#include "platform/win32/mouse_messages.h"
#include "platform/win32/win32_clipboard.h"

namespace kovra::win32 {
namespace {

// The plain text a data object offers; empty when it has none.
std::wstring DraggedText(IDataObject* data) {
  if (data == nullptr) return {};
  FORMATETC format{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return {};
  std::wstring text = TextOfGlobal(medium.hGlobal).value_or(L"");
  ::ReleaseStgMedium(&medium);
  return text;
}

std::int16_t ShiftOf(DWORD keys) {
  std::int16_t shift = 0;
  if ((keys & MK_SHIFT) != 0) shift |= shift_state::Shift;
  if ((keys & MK_CONTROL) != 0) shift |= shift_state::Ctrl;
  if ((keys & MK_ALT) != 0) shift |= shift_state::Alt;
  return shift;
}

}  // namespace

DropTarget::DropTarget(HWND edit, std::function<TextBoxEvents*()> events)
    : edit_(edit), events_(std::move(events)) {}

HRESULT STDMETHODCALLTYPE DropTarget::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (::IsEqualGUID(iid, IID_IUnknown) || ::IsEqualGUID(iid, IID_IDropTarget)) {
    AddRef();
    *out = static_cast<IDropTarget*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DropTarget::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

template <typename Raise>
DWORD DropTarget::Offer(DWORD keys, POINTL point, DWORD allowed, Raise raise) {
  auto answer = static_cast<std::int32_t>(allowed);
  POINT place{point.x, point.y};
  ::ScreenToClient(edit_, &place);
  std::int16_t button = ButtonsHeld(keys);
  std::int16_t shift = ShiftOf(keys);
  auto x = static_cast<float>(place.x);
  auto y = static_cast<float>(place.y);
  if (TextBoxEvents* events = events_ ? events_() : nullptr) {
    try {
      raise(*events, answer, button, shift, x, y);
    } catch (...) {
      answer = DROPEFFECT_NONE;
    }
  }
  return static_cast<DWORD>(answer) & allowed;
}

void DropTarget::Over(DWORD keys, POINTL point, std::int16_t state, DWORD* effect) {
  keys_ = keys;
  point_ = point;
  *effect = Offer(keys, point, allowed_,
                  [&](TextBoxEvents& events, std::int32_t& answer, std::int16_t& button,
                      std::int16_t& shift, float& x, float& y) {
                    events.Text1_OLEDragOver(data_, answer, button, shift, x, y, state);
                  });
}

void DropTarget::Take(IDataObject* data) {
  data_.data.clear();
  if (std::wstring text = DraggedText(data); !text.empty()) data_.data[1] = std::move(text);
}

HRESULT STDMETHODCALLTYPE DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                                DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  Take(data);
  allowed_ = *effect;
  Over(keys, point, 0, effect);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  allowed_ = *effect;
  Over(keys, point, 2, effect);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragLeave() {
  DWORD ignored = 0;
  Over(keys_, point_, 1, &ignored);
  data_.data.clear();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::Drop(IDataObject* data, DWORD keys, POINTL point,
                                           DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  Take(data);
  *effect = Offer(
      keys, point, *effect,
      [&](TextBoxEvents& events, std::int32_t& answer, std::int16_t& button, std::int16_t& shift,
          float& x, float& y) { events.Text1_OLEDragDrop(data_, answer, button, shift, x, y); });
  data_.data.clear();
  return S_OK;
}

}  // namespace kovra::win32
