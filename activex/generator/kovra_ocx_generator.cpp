// kovra-ocx-generator: writes, at build time, what the control library is made from besides
// its code: the type library from the core's member, event and enumeration tables, the
// side-by-side manifest from the registration table, and the version numbers for the version
// resource. It runs on Windows or under Wine; a 64-bit generator writes the 32-bit library too.
//
//   kovra-ocx-generator 32|64 TYPELIB.tlb MANIFEST.manifest VERSION.h
#include <objbase.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "activex/com_error.h"
#include "activex/manifest.h"
#include "activex/type_library_writer.h"
#include "base/version.h"

namespace {

bool WriteText(const std::wstring& path, const std::string& text) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

std::string VersionHeader() {
  using namespace kovra::version;
  const std::string numbers =
      std::to_string(kMajor) + "," + std::to_string(kMinor) + ",0," + std::to_string(kRevision);
  const std::string file =
      std::to_string(kMajor) + "." + std::to_string(kMinor) + ".0." + std::to_string(kRevision);
  const std::string product =
      std::to_string(kMajor) + "." + std::to_string(kMinor) + "." + std::to_string(kRevision);
  return "// The control's version for its version resource, written by kovra-ocx-generator.\n"
         "#define KOVRA_VERSION_NUMBERS " +
         numbers + "\n#define KOVRA_FILE_VERSION_TEXT \"" + file +
         "\"\n#define KOVRA_PRODUCT_VERSION_TEXT \"" + product + "\"\n";
}

// COM for the duration of the program.
class Apartment {
 public:
  Apartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~Apartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5 || (std::wstring_view(argv[1]) != L"32" && std::wstring_view(argv[1]) != L"64")) {
    std::fputs("usage: kovra-ocx-generator 32|64 TYPELIB MANIFEST VERSION_HEADER\n", stderr);
    return 2;
  }
  const bool wide = std::wstring_view(argv[1]) == L"64";
  const Apartment apartment;
  if (FAILED(apartment.result())) {
    std::fprintf(stderr, "kovra-ocx-generator: COM failed: 0x%08lX\n",
                 static_cast<unsigned long>(apartment.result()));
    return 1;
  }
  try {
    kovra::activex::WriteTypeLibrary(argv[2], wide ? SYS_WIN64 : SYS_WIN32);
  } catch (const kovra::activex::ComError& error) {
    std::fprintf(stderr, "kovra-ocx-generator: writing the type library failed: 0x%08lX\n",
                 static_cast<unsigned long>(error.result()));
    return 1;
  }
  if (!WriteText(argv[3], kovra::activex::ManifestText(wide ? L"amd64" : L"x86")) ||
      !WriteText(argv[4], VersionHeader())) {
    std::fputs("kovra-ocx-generator: cannot write the output files\n", stderr);
    return 1;
  }
  return 0;
}
