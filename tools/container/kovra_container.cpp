// kovra-container: hosts controls on a form with real OLE sites and plays a script of user
// actions on them (see container_script.h).
//
//   kovra-container SCRIPT
//
// Exits with the number of script lines that failed (at most 100), 2 when the script cannot be
// read or COM cannot start.
#include <ole2.h>

#include <algorithm>
#include <iostream>

#include "tools/container/container_script.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::wcerr << L"usage: kovra-container SCRIPT\n";
    return 2;
  }
  if (FAILED(::OleInitialize(nullptr))) return 2;
  const int failures = kovra::container::PlayScript(argv[1], std::wcout);
  std::wcout.flush();
  ::OleUninitialize();
  return std::min(failures, 100);
}
