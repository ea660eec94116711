#include <gtest/gtest.h>

#include "tests/ocx/memory_property_bag.h"
#include "tests/ocx/persistence_support.h"
namespace kovra::ocx_test {
static double Now() {
  LARGE_INTEGER c, f;
  QueryPerformanceCounter(&c);
  QueryPerformanceFrequency(&f);
  return double(c.QuadPart) / double(f.QuadPart) * 1000;
}
TEST(Timing, Loads) {
  ComPtr<IDispatch> c = NewControl();
  GiveDistinctValues(c.get());
  auto form = SavedForm(c.get());
  ComPtr<MemoryPropertyBag> bag = activex::MakeObject<MemoryPropertyBag>();
  ComPtr<IPersistPropertyBag> p;
  c->QueryInterface(IID_IPersistPropertyBag, p.PutVoid());
  p->Save(bag.get(), FALSE, TRUE);
  double t = Now();
  for (int i = 0; i < 200; ++i) LoadForm(c.get(), form);
  printf("stream load %.3f ms\n", (Now() - t) / 200);
  t = Now();
  for (int i = 0; i < 200; ++i) p->Load(bag.get(), nullptr);
  printf("bag load %.3f ms\n", (Now() - t) / 200);
  t = Now();
  for (int i = 0; i < 200; ++i) SavedForm(c.get());
  printf("save %.3f ms\n", (Now() - t) / 200);
  t = Now();
  for (int i = 0; i < 200; ++i) Put(c.get(), L"Value", Value(L"3"));
  printf("put value %.3f ms\n", (Now() - t) / 200);
  t = Now();
  for (int i = 0; i < 200; ++i) {
    ComPtr<IDispatch> d = NewControl();
    Get(d.get(), L"Value");
  }
  printf("create+use+destroy %.3f ms\n", (Now() - t) / 200);
  t = Now();
  for (int i = 0; i < 200; ++i) {
    ComPtr<IDispatch> d = NewControl();
  }
  printf("create+destroy %.3f ms\n", (Now() - t) / 200);
}
}  // namespace kovra::ocx_test
namespace kovra::ocx_test {
TEST(Timing, Raw) {
  double t = Now();
  for (int i = 0; i < 200; ++i) {
    HWND w = CreateWindowExW(0, L"EDIT", L"0.00", WS_POPUP, 0, 0, 100, 20, 0, 0, 0, 0);
    DestroyWindow(w);
  }
  printf("edit %.3f ms\n", (Now() - t) / 200);
  t = Now();
  for (int i = 0; i < 200; ++i) {
    LOGFONTW lf{};
    lf.lfHeight = -11;
    wcscpy(lf.lfFaceName, L"MS Sans Serif");
    HFONT f = CreateFontIndirectW(&lf);
    HDC dc = GetDC(0);
    HGDIOBJ o = SelectObject(dc, f);
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, o);
    ReleaseDC(0, dc);
    DeleteObject(f);
  }
  printf("font %.3f ms\n", (Now() - t) / 200);
  ComPtr<IDispatch> d = NewControl();
  Get(d.get(), L"Value");
  t = Now();
  for (int i = 0; i < 50; ++i) {
    Put(d.get(), L"BackColor", Value(255L));
  }
  printf("put backcolor (refresh) %.3f ms\n", (Now() - t) / 50);
  t = Now();
  for (int i = 0; i < 50; ++i) {
    Put(d.get(), L"LinkItem", Value(L"x"));
  }
  printf("put linkitem %.3f ms\n", (Now() - t) / 50);
  t = Now();
  for (int i = 0; i < 50; ++i) {
    Put(d.get(), L"MaxValue", Value(100.0));
  }
  printf("put maxvalue %.3f ms\n", (Now() - t) / 50);
}
}  // namespace kovra::ocx_test
namespace kovra::ocx_test {
TEST(Timing, Parts) {
  std::vector<ComPtr<IDispatch>> v;
  double t = Now();
  for (int i = 0; i < 50; ++i) {
    v.push_back(NewControl());
  }
  printf("create %.3f ms\n", (Now() - t) / 50);
  t = Now();
  for (auto& d : v) Get(d.get(), L"hWnd");
  printf("windows %.3f ms\n", (Now() - t) / 50);
  t = Now();
  for (auto& d : v) Get(d.get(), L"Value");
  printf("init+value %.3f ms\n", (Now() - t) / 50);
  t = Now();
  for (auto& d : v) Get(d.get(), L"Value");
  printf("value %.3f ms\n", (Now() - t) / 50);
  t = Now();
  v.clear();
  printf("destroy %.3f ms\n", (Now() - t) / 50);
}
}  // namespace kovra::ocx_test
#include "control/kovra_double.h"
#include "platform/win32/win32_platform.h"
namespace kovra::ocx_test {
TEST(Timing, Core) {
  win32::Win32Platform platform;
  double made = 0, init = 0, gone = 0, ctor = 0;
  for (int i = 0; i < 50; ++i) {
    double t = Now();
    auto c = std::make_unique<KovraDouble>(platform);
    c->Initialize();
    ctor += Now() - t;
    t = Now();
    c->Text1();
    made += Now() - t;
    t = Now();
    c->InitProperties();
    init += Now() - t;
    t = Now();
    c.reset();
    gone += Now() - t;
  }
  printf("ctor %.3f made %.3f init %.3f destroy %.3f\n", ctor / 50, made / 50, init / 50,
         gone / 50);
  double t = Now();
  for (int i = 0; i < 50; ++i) {
    auto s = platform.CreateControlSurface();
  }
  printf("surface %.3f\n", (Now() - t) / 50);
  auto s = platform.CreateControlSurface();
  t = Now();
  for (int i = 0; i < 50; ++i) {
    auto b = platform.CreateTextBox(*s);
  }
  printf("textbox %.3f\n", (Now() - t) / 50);
  t = Now();
  for (int i = 0; i < 50; ++i) {
    auto b = platform.CreatePictureSurface(*s);
  }
  printf("picture %.3f\n", (Now() - t) / 50);
  t = Now();
  for (int i = 0; i < 50; ++i) {
    auto b = platform.CreateTimer();
  }
  printf("timer %.3f\n", (Now() - t) / 50);
}
}  // namespace kovra::ocx_test
namespace kovra::ocx_test {
TEST(Timing, Keeper) {
  auto cycle = [] { ComPtr<IDispatch> d = NewControl(); Put(d.get(), L"Value", Value(L"12.5")); Get(d.get(), L"Font"); };
  double t = Now(); for (int i = 0; i < 50; ++i) cycle(); printf("alone %.3f ms\n", (Now() - t) / 50);
  ComPtr<IDispatch> keeper = NewControl(); Get(keeper.get(), L"Value");
  t = Now(); for (int i = 0; i < 50; ++i) cycle(); printf("with keeper %.3f ms\n", (Now() - t) / 50);
  t = Now(); for (int i = 0; i < 50; ++i) { ComPtr<IDispatch> d = NewControl(); Put(d.get(), L"Value", Value(L"12.5")); } printf("no font %.3f ms\n", (Now() - t) / 50);
}
}
namespace kovra::ocx_test {
TEST(Timing, Steps) {
  ComPtr<IDispatch> keeper = NewControl(); Get(keeper.get(), L"Value");
  double a = 0, b = 0, c = 0, d = 0, e = 0;
  for (int i = 0; i < 50; ++i) {
    double t = Now();
    ComPtr<IDispatch> x = NewControl(); a += Now() - t; t = Now();
    Get(x.get(), L"MaxValue"); b += Now() - t; t = Now();
    Put(x.get(), L"Value", Value(L"12.5")); c += Now() - t; t = Now();
    Get(x.get(), L"Font"); d += Now() - t; t = Now();
    x.Reset(); e += Now() - t;
  }
  printf("new %.3f init %.3f value %.3f font %.3f release %.3f\n", a / 50, b / 50, c / 50, d / 50, e / 50);
}
}
