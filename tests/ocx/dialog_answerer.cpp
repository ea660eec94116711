// Answers the message boxes of other programs while a script runs (the script host waits on
// them otherwise): every dialog box that appears is read — its title and its text — written to
// the log as "title|text" on one line (line breaks in the text as "\n"), and closed with OK.
// Runs until the stop file exists.
//
// Usage: kovra_dialog_answerer.exe LOG STOPFILE
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static control that holds a message box's text
constexpr DWORD kPollMilliseconds = 20;

std::wstring TextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::string Utf8(const std::wstring& text) {
  std::wstring flat;
  for (const wchar_t c : text) {
    if (c == L'\r') continue;
    if (c == L'\n') {
      flat += L"\\n";
    } else {
      flat.push_back(c);
    }
  }
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, flat.c_str(), static_cast<int>(flat.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, flat.c_str(), static_cast<int>(flat.size()), utf8.data(), size,
                        nullptr, nullptr);
  return utf8;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kovra_dialog_answerer LOG STOPFILE\n");
    return 2;
  }
  std::set<HWND> answered;
  while (::GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES) {
    for (HWND box = ::FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box != nullptr;
         box = ::FindWindowExW(nullptr, box, L"#32770", nullptr)) {
      if (!::IsWindowVisible(box) || !answered.insert(box).second) continue;
      const std::string line =
          Utf8(TextOf(box)) + "|" + Utf8(TextOf(::GetDlgItem(box, kMessageTextId))) + "\n";
      if (FILE* log = _wfopen(argv[1], L"ab")) {
        std::fwrite(line.data(), 1, line.size(), log);
        std::fclose(log);
      }
      ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    ::Sleep(kPollMilliseconds);
  }
  return 0;
}
