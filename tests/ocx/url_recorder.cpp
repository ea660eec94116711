// Stands in for a web browser in the About box's tests. The prefix's handler of web addresses
// runs it as `kovra_url_recorder.exe RECORD ARGUMENT...`; it appends its arguments after RECORD,
// tab-separated, as one line to the file RECORD (UTF-8), and ends.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wstring line;
  for (int i = 2; i < argc; ++i) {
    if (i > 2) line += L'\t';
    line += argv[i];
  }
  line += L'\n';
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(), size,
                        nullptr, nullptr);
  HANDLE file = ::CreateFileW(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  // One write: a reader sees the whole line or none of it.
  const BOOL wrote =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
  return wrote ? 0 : 1;
}
