// kovra-container: hosts controls on a form with real OLE sites and plays a script of user
// actions on them (see container_script.h), or plays the behaviour corpus through a control
// made by its class (see corpus_case.h).
//
//   kovra-container SCRIPT
//   kovra-container --corpus CLASS [--floor N] FILE...
//
// A script: exits with the number of script lines that failed (at most 100), 2 when the script
// cannot be read or COM cannot start. The corpus: CLASS is a ProgID or a {class id}; exits 1
// when a case failed or fewer than N cases were played to their end, so that skipped cases
// cannot silently take the place of played ones.
#include <ole2.h>

#include <algorithm>
#include <iostream>
#include <string>

#include "tools/container/container_script.h"
#include "tools/container/corpus_player.h"
#include "tools/container/late_binding.h"
#include "tools/script_words.h"

namespace {

int PlayCorpus(int argc, wchar_t** argv) {
  using namespace kovra;
  int first = 3;
  int floor = 0;
  bool understood = true;
  if (argc > 4 && std::wstring(argv[3]) == L"--floor") {
    try {
      floor = tools::ScriptInt(argv[4]);
    } catch (const tools::ScriptError&) {
      understood = false;
    }
    first = 5;
  }
  if (!understood || first >= argc) {
    std::wcerr << L"usage: kovra-container --corpus CLASS [--floor N] FILE...\n";
    return 2;
  }
  CLSID controlClass{};
  try {
    controlClass = container::ClassNamed(argv[2]);
  } catch (const tools::ScriptError&) {
    std::wcerr << L"kovra-container: no class " << argv[2] << L"\n";
    return 2;
  }
  container::CorpusTally total;
  for (int i = first; i < argc; ++i) {
    const container::CorpusTally file =
        container::PlayCorpusFile(controlClass, argv[i], std::wcout);
    total.played += file.played;
    total.skipped += file.skipped;
    total.failed += file.failed;
  }
  std::wcout << L"corpus: played " << total.played << L", skipped " << total.skipped << L", failed "
             << total.failed << L" (at least " << floor << L" to play)\n";
  return total.failed == 0 && total.played >= floor ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool corpus = argc >= 3 && std::wstring(argv[1]) == L"--corpus";
  if (argc != 2 && !corpus) {
    std::wcerr << L"usage: kovra-container SCRIPT\n"
               << L"       kovra-container --corpus CLASS [--floor N] FILE...\n";
    return 2;
  }
  if (FAILED(::OleInitialize(nullptr))) return 2;
  const int result = corpus ? PlayCorpus(argc, argv)
                            : std::min(kovra::container::PlayScript(argv[1], std::wcout), 100);
  std::wcout.flush();
  ::OleUninitialize();
  return result;
}
