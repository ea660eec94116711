// Text1 as a drop target of the control on a form: with OLEDropMode manual, a text dragged from
// the process over the EDIT and dropped there raises OLEDragOver and OLEDragDrop, whose Effect
// the container's handler sets by reference and the drag's source receives. Needs a display
// (the cursor is placed over the EDIT). The OLEDrag method starts a drag that another control
// receives.
#include <gtest/gtest.h>
#include <ole2.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/ocx/container_support.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/event_recorder.h"

namespace kovra::ocx_test {
namespace {

// The text being dragged, as the source offers it.
class TextData final : public activex::ComObject<TextData, IDataObject> {
 public:
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (format->cfFormat != CF_UNICODETEXT || (format->tymed & TYMED_HGLOBAL) == 0) {
      return DV_E_FORMATETC;
    }
    const wchar_t text[] = L"42.5";
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    ::memcpy(::GlobalLock(memory), text, sizeof text);
    ::GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format->cfFormat == CF_UNICODETEXT ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
};

// A source whose button is released at once: the text drops where the cursor is.
class ReleasingSource final : public activex::ComObject<ReleasingSource, IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    return escape ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// The container's handlers: record the events and answer copy.
ComPtr<EventRecorder> DropHandler() {
  ComPtr<EventRecorder> handler = activex::MakeObject<EventRecorder>();
  handler->onEvent = [](DISPID id, DISPPARAMS& parameters) {
    constexpr DISPID kDragDrop = 11;
    constexpr DISPID kDragOver = 12;
    if (id == kDragDrop || id == kDragOver) {
      // Arguments come last first: Effect is the second of Data, Effect, Button, ...
      VARIANT& effect = parameters.rgvarg[parameters.cArgs - 2];
      if (effect.vt == (VT_I4 | VT_BYREF)) *effect.plVal = DROPEFFECT_COPY;
    }
  };
  return handler;
}

TEST(Container, AManualDropTargetRaisesTheDragEventsAndAnswersTheEffect) {
  ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));  // drag and drop needs OLE on the thread
  {
    const auto made = FormOf(1);
    Form& form = *made;
    IDispatch* control = form.Automation(0);
    ASSERT_EQ(Put(control, L"OLEDropMode", Value(short{1})).result, S_OK);
    ComPtr<EventRecorder> handler = DropHandler();
    ComPtr<IConnectionPoint> point;
    const DWORD cookie = Connect(control, handler.get(), point);

    RECT edit{};
    ::GetWindowRect(form.Text1Window(0), &edit);
    ::SetCursorPos((edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2);
    form.Pump();
    DWORD effect = DROPEFFECT_NONE;
    const ComPtr<TextData> data = activex::MakeObject<TextData>();
    const ComPtr<ReleasingSource> source = activex::MakeObject<ReleasingSource>();
    EXPECT_EQ(::DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_GE(handler->Count(12), 1);  // OLEDragOver
    EXPECT_EQ(handler->Count(11), 1);  // OLEDragDrop
    point->Unadvise(cookie);
  }
  ::OleUninitialize();
}

TEST(Container, OLEDragCarriesTheTextToAnotherControl) {
  ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  {
    const auto made = FormOf(2);
    Form& form = *made;
    IDispatch* source = form.Automation(0);
    IDispatch* target = form.Automation(1);
    ASSERT_EQ(Put(target, L"OLEDropMode", Value(short{1})).result, S_OK);
    ComPtr<EventRecorder> sourceEvents = DropHandler();
    ComPtr<EventRecorder> targetEvents = DropHandler();
    ComPtr<IConnectionPoint> sourcePoint;
    ComPtr<IConnectionPoint> targetPoint;
    const DWORD sourceCookie = Connect(source, sourceEvents.get(), sourcePoint);
    const DWORD targetCookie = Connect(target, targetEvents.get(), targetPoint);

    RECT edit{};
    ::GetWindowRect(form.Text1Window(1), &edit);
    ::SetCursorPos((edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2);
    form.Pump();
    // No mouse button is held: the drag drops at once where the cursor is.
    EXPECT_EQ(Call(source, L"OLEDrag").result, S_OK);
    EXPECT_EQ(sourceEvents->Count(14), 1);  // OLEStartDrag
    EXPECT_EQ(sourceEvents->Count(10), 1);  // OLECompleteDrag
    EXPECT_EQ(targetEvents->Count(11), 1);  // OLEDragDrop
    sourcePoint->Unadvise(sourceCookie);
    targetPoint->Unadvise(targetCookie);
  }
  ::OleUninitialize();
}

}  // namespace
}  // namespace kovra::ocx_test
