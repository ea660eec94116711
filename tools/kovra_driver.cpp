// kovra-driver: plays driver scripts (files named on the command line, or standard input)
// against KovraDouble on the headless platform and prints what the control shows; `picture`
// and `sheet` write PNG files.
// Exits 1 when an expectation in a script failed.
#include <fstream>
#include <iostream>
#include <string>

#include "tools/headless_script_platform.h"
#include "tools/png_file.h"
#include "tools/script_runner.h"

namespace {

void Play(std::istream& in, kovra::tools::ScriptRunner& runner) {
  std::string line;
  int number = 0;
  while (std::getline(in, line)) runner.RunLine(line, ++number);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kovra;
  tools::ScriptRunner runner(
      std::cout,
      [](const std::wstring& locale) -> std::unique_ptr<tools::ScriptPlatform> {
        const auto preset = headless::HeadlessLocale::Preset(locale);
        if (!preset) return nullptr;
        return std::make_unique<tools::HeadlessScriptPlatform>(*preset);
      },
      L"en-US");
  runner.SetPictureWriter(tools::WritePng);
  if (argc < 2) {
    Play(std::cin, runner);
  }
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i]);
    if (!file) {
      std::cerr << "kovra-driver: cannot read " << argv[i] << "\n";
      return 2;
    }
    std::cout << "# " << argv[i] << "\n";
    Play(file, runner);
  }
  if (runner.Failures() > 0) {
    std::cout << runner.Failures() << " expectation(s) failed\n";
    return 1;
  }
  return 0;
}
