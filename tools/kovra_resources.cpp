// kovra-resources: writes the control's bitmaps as .bmp files into a folder, with the resource
// script that names them for the resource compiler (the spin-button and arrow bitmaps and the
// About box's OK tick by name, the toolbox bitmap as 30000), and the About box's product
// picture as product.bmp, which the build encodes as a JPEG (scripts/encode-jpeg.py). Every run
// writes the same bytes.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "resources/bitmaps.h"
#include "resources/bmp_file.h"
#include "resources/product_picture.h"

namespace {

bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string Narrow(const std::wstring& name) { return std::string(name.begin(), name.end()); }

}  // namespace

int main(int argc, char** argv) {
  using namespace kovra::resources;
  if (argc != 2) {
    std::cerr << "usage: kovra-resources FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::filesystem::create_directories(folder);
  std::ofstream script(folder / "kovra_bitmaps.rc");
  script << "// The control's bitmaps, written by kovra-resources.\n";
  for (const NamedBitmap& b : NamedBitmaps()) {
    const std::string name = Narrow(b.name);
    if (!Write(folder / (name + ".bmp"), EncodeBmp(b.bitmap))) return 1;
    script << name << " BITMAP \"" << name << ".bmp\"\n";
  }
  if (!Write(folder / "toolbox.bmp", EncodeBmp(ToolboxBitmap()))) return 1;
  script << kToolboxBitmapId << " BITMAP \"toolbox.bmp\"\n";
  if (!Write(folder / "okmark.bmp", EncodeBmp(DrawOkMark()))) return 1;
  script << Narrow(kOkMarkName) << " BITMAP \"okmark.bmp\"\n";
  if (!Write(folder / "product.bmp", EncodeBmp(DrawProductPicture()))) return 1;
  return script ? 0 : 1;
}
