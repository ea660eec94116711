#include "tools/png_file.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace kovra::tools {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

// The libpng write structures, destroyed together.
class PngWriter {
 public:
  PngWriter()
      : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)),
        info_(png_ ? png_create_info_struct(png_) : nullptr) {}
  ~PngWriter() { png_destroy_write_struct(&png_, &info_); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

}  // namespace

void WritePng(const std::string& path, const Bitmap& picture) {
  const std::filesystem::path file(path);
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  const std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path.c_str(), "wb"));
  if (!out) throw std::runtime_error("cannot write " + path);

  std::vector<png_byte> rows(static_cast<std::size_t>(picture.width) *
                             static_cast<std::size_t>(picture.height) * 3);
  std::size_t i = 0;
  for (const Rgb c : picture.pixels) {
    rows[i++] = static_cast<png_byte>(RedOf(c));
    rows[i++] = static_cast<png_byte>(GreenOf(c));
    rows[i++] = static_cast<png_byte>(BlueOf(c));
  }
  std::vector<png_bytep> rowPointers;
  for (int y = 0; y < picture.height; ++y) {
    rowPointers.push_back(rows.data() + static_cast<std::size_t>(y) *
                                            static_cast<std::size_t>(picture.width) * 3);
  }

  const PngWriter writer;
  if (writer.png() == nullptr || writer.info() == nullptr) {
    throw std::runtime_error("libpng could not start");
  }
  // libpng reports errors by longjmp; nothing with a destructor is made between here and the
  // end of the writing.
  if (setjmp(png_jmpbuf(writer.png())) != 0) throw std::runtime_error("cannot encode " + path);
  png_init_io(writer.png(), out.get());
  png_set_IHDR(writer.png(), writer.info(), static_cast<png_uint_32>(picture.width),
               static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(writer.png(), writer.info());
  png_write_image(writer.png(), rowPointers.data());
  png_write_end(writer.png(), nullptr);
}

}  // namespace kovra::tools
