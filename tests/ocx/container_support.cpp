#include "tests/ocx/container_support.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "activex/identifiers.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {

std::unique_ptr<Form> FormOf(int count, const SitePolicy& policy) {
  auto form = std::make_unique<Form>(400, 20 + count * 40, L"Form", policy);
  for (int i = 0; i < count; ++i) {
    const ComPtr<IOleObject> control = NewControl().As<IOleObject>();
    EXPECT_EQ(form->Place(control, {10, 10 + i * 40, 130, 34 + i * 40}), i);
  }
  return form;
}

bool Logged(const std::vector<std::wstring>& log, const std::wstring& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return text;
}

RECT WindowPlace(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The pixels of `width` × `height` drawn by `paint` into a fresh 32-bit memory bitmap.
SIZE ClientSize(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right, r.bottom};
}

DWORD Connect(IDispatch* control, IDispatch* sink, ComPtr<IConnectionPoint>& point) {
  ComPtr<IConnectionPointContainer> points;
  control->QueryInterface(IID_IConnectionPointContainer, points.PutVoid());
  points->FindConnectionPoint(activex::kEventInterface.id, point.Put());
  DWORD cookie = 0;
  point->Advise(sink, &cookie);
  return cookie;
}

}  // namespace kovra::ocx_test
