// Writes pictures of the three property pages and of the About box as the library shows them,
// for the README: each page activated in a plain window and the About box opened by Acerca,
// captured from the screen into a .bmp file. Run under a real display (xvfb-run) by
// scripts/page-pictures.sh, which turns the files into PNG.
//
// Usage: kovra_page_pictures.exe FOLDER   (KOVRA_OCX names the library, as for the tests)
#include <objbase.h>
#include <ocidl.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "activex/identifiers.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"

namespace {

using namespace kovra;
using namespace kovra::ocx_test;

void Pump() {
  for (int round = 0; round < 20; ++round) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(10);
  }
}

// The screen's pixels in `area` as a 24-bit .bmp file.
bool Capture(const RECT& area, const std::wstring& file) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ::GdiFlush();
  const DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD size = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER head{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
      sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  std::ofstream out(std::filesystem::path(file), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&head), sizeof head);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return static_cast<bool>(out);
}

RECT WindowArea(HWND window) {
  RECT area{};
  ::GetWindowRect(window, &area);
  return area;
}

bool PicturePage(const activex::PageIdentity& identity, IDispatch* control,
                 const std::wstring& file) {
  ComPtr<IPropertyPage> page;
  if (FAILED(FactoryOf(identity.pageClass.id)
                 ->CreateInstance(nullptr, IID_IPropertyPage, page.PutVoid()))) {
    return false;
  }
  PROPPAGEINFO info{};
  page->GetPageInfo(&info);
  RECT frame{0, 0, info.size.cx, info.size.cy};
  ::AdjustWindowRectEx(&frame, WS_OVERLAPPED | WS_CAPTION, FALSE, 0);
  HWND window = ::CreateWindowExW(
      0, L"#32770", info.pszTitle, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 40, 40,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, nullptr, nullptr);
  ::CoTaskMemFree(info.pszTitle);
  IUnknown* objects[] = {control};
  page->SetObjects(1, objects);
  const RECT place{0, 0, info.size.cx, info.size.cy};
  page->Activate(window, &place, TRUE);
  page->Show(SW_SHOW);
  Pump();
  const bool written = Capture(WindowArea(window), file);
  page->Deactivate();
  page->SetObjects(0, nullptr);
  ::DestroyWindow(window);
  return written;
}

std::wstring aboutFile;
bool aboutWritten = false;

void CALLBACK CaptureAbout(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(dialog, timer);
  ::UpdateWindow(dialog);
  aboutWritten = Capture(WindowArea(dialog), aboutFile);
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kovra_page_pictures FOLDER\n");
    return 2;
  }
  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  const std::wstring folder = argv[1];
  int failures = 0;
  {
    // A message box of the control's would wait for a user: each is answered at once.
    win32::MessageBoxRecorder boxes;
    ComPtr<IDispatch> control = NewControl();
    if (!control) return 4;
    Put(control.get(), L"Value", Value(L"1234.5"));
    Put(control.get(), L"ButtonSpinMax", Value(5000.0));
    Put(control.get(), L"ButtonSpin", Boolean(true));
    const wchar_t* names[] = {L"page-general.bmp", L"page-xp.bmp", L"page-format.bmp"};
    for (std::size_t i = 0; i < activex::kPages.size(); ++i) {
      if (!PicturePage(activex::kPages[i], control.get(), folder + L"\\" + names[i])) ++failures;
    }
    aboutFile = folder + L"\\about.bmp";
    boxes.OnDialog([](HWND dialog) {
      ::SetTimer(dialog, 1, 300, &CaptureAbout);
      return true;
    });
    Call(control.get(), L"Acerca");
    if (!aboutWritten) ++failures;
  }
  ::CoUninitialize();
  return failures == 0 ? 0 : 1;
}
