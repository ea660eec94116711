#include "activex/binary_form.h"

#include <olectl.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "activex/com_error.h"
#include "activex/com_ptr.h"
#include "activex/picture_data.h"
#include "activex/standard_objects.h"
#include "base/lifetimebound.h"
#include "control/persistence.h"

namespace kovra::activex {
namespace {

constexpr std::array<char, 4> kMagic{'K', 'V', 'D', 'B'};
constexpr std::uint16_t kVersion = 1;
// The largest picture the form carries: far more than any cursor or icon needs.
constexpr std::uint32_t kMaxPictureBytes = 4u << 20;

enum class Tag : std::uint8_t { Boolean = 1, Int16, Int32, Double, Text, Font, Picture };

enum FontStyle : std::uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikethrough = 8 };
constexpr std::uint8_t kAllStyles = kBold | kItalic | kUnderline | kStrikethrough;

Tag TagOf(ValueType type) {
  switch (type) {
    case ValueType::Boolean:
      return Tag::Boolean;
    case ValueType::Int16:
      return Tag::Int16;
    case ValueType::Int32:
      return Tag::Int32;
    case ValueType::Double:
      return Tag::Double;
    case ValueType::String:
      return Tag::Text;
    case ValueType::Font:
      return Tag::Font;
    case ValueType::Picture:
      return Tag::Picture;
    default:
      throw ComError(E_UNEXPECTED);  // no saved key has another type
  }
}

[[noreturn]] void Corrupt() { throw ComError(STG_E_DOCFILECORRUPT); }

template <typename T>
const T& Expect(const Variant* value) {
  const T* typed = value != nullptr ? std::get_if<T>(value) : nullptr;
  if (typed == nullptr) throw ComError(E_UNEXPECTED);
  return *typed;
}

class Writer {
 public:
  template <typename T>
  void Put(const T& value) {
    Append(&value, sizeof(T));
  }
  void PutText(const std::wstring& text) {
    if (text.size() > kMaxSavedText) throw ComError(E_UNEXPECTED);
    Put(static_cast<std::uint32_t>(text.size()));
    Append(text.data(), text.size() * sizeof(wchar_t));
  }
  void PutBytes(const std::vector<std::byte>& bytes) { Append(bytes.data(), bytes.size()); }
  const std::vector<std::byte>& Bytes() const KOVRA_LIFETIMEBOUND { return bytes_; }

 private:
  void Append(const void* data, std::size_t size) {
    if (size == 0) return;
    const std::size_t at = bytes_.size();
    bytes_.resize(at + size);
    std::memcpy(bytes_.data() + at, data, size);
  }

  std::vector<std::byte> bytes_;
};

// The picture in the standard picture object's saved form, which OleLoadPicture reads.
std::vector<std::byte> PictureBytes(const PictureRef& picture) {
  const ComPtr<IPictureDisp> dispatch = PictureObject(picture);
  ComPtr<IPersistStream> persist;
  if (!dispatch || FAILED(dispatch->QueryInterface(IID_IPersistStream, persist.PutVoid()))) {
    throw ComError(CTL_E_INVALIDPICTURE);
  }
  ComPtr<IStream> memory;
  ThrowIfFailed(::CreateStreamOnHGlobal(nullptr, TRUE, memory.Put()));
  if (FAILED(persist->Save(memory.get(), TRUE))) throw ComError(CTL_E_INVALIDPICTURE);
  ULARGE_INTEGER end{};
  ThrowIfFailed(memory->Seek({}, STREAM_SEEK_CUR, &end));
  if (end.QuadPart == 0 || end.QuadPart > kMaxPictureBytes) throw ComError(CTL_E_INVALIDPICTURE);
  std::vector<std::byte> bytes(static_cast<std::size_t>(end.QuadPart));
  ThrowIfFailed(memory->Seek({}, STREAM_SEEK_SET, nullptr));
  ULONG read = 0;
  ThrowIfFailed(memory->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read));
  if (read != bytes.size() || !WellFormedPicture(bytes)) throw ComError(CTL_E_INVALIDPICTURE);
  return bytes;
}

void PutValue(Writer& out, ValueType type, const Variant* value) {
  out.Put(TagOf(type));
  switch (type) {
    case ValueType::Boolean:
      out.Put(static_cast<std::int16_t>(Expect<bool>(value) ? -1 : 0));
      return;
    case ValueType::Int16:
      out.Put(Expect<std::int16_t>(value));
      return;
    case ValueType::Int32:
      out.Put(Expect<std::int32_t>(value));
      return;
    case ValueType::Double:
      out.Put(Expect<double>(value));
      return;
    case ValueType::String:
      out.PutText(Expect<std::wstring>(value));
      return;
    case ValueType::Font: {
      const FontRef& font = Expect<FontRef>(value);
      if (!font) throw ComError(E_UNEXPECTED);
      out.PutText(font->name);
      out.Put(font->size);
      out.Put(static_cast<std::uint8_t>((font->bold ? kBold : 0) | (font->italic ? kItalic : 0) |
                                        (font->underline ? kUnderline : 0) |
                                        (font->strikethrough ? kStrikethrough : 0)));
      return;
    }
    case ValueType::Picture: {
      const PictureRef& picture = Expect<PictureRef>(value);
      if (!picture) {
        out.Put(std::uint8_t{0});
        return;
      }
      const std::vector<std::byte> bytes = PictureBytes(picture);
      out.Put(std::uint8_t{1});
      out.Put(static_cast<std::uint32_t>(bytes.size()));
      out.Put(PictureChecksum(bytes));
      out.PutBytes(bytes);
      return;
    }
    default:
      throw ComError(E_UNEXPECTED);
  }
}

Writer Encode(const SavedProperties& saved) {
  Writer out;
  out.Put(kMagic);
  out.Put(kVersion);
  out.Put(static_cast<std::uint16_t>(PersistedKeys().size()));
  for (const PersistedKey& key : PersistedKeys()) PutValue(out, key.type, saved.Find(key.key));
  return out;
}

class Reader {
 public:
  explicit Reader(IStream* stream) : stream_(stream) {}

  void Take(void* into, std::size_t size) {
    ULONG read = 0;
    const HRESULT result = stream_->Read(into, static_cast<ULONG>(size), &read);
    if (FAILED(result)) throw ComError(result);
    if (read != size) throw ComError(HRESULT_FROM_WIN32(ERROR_HANDLE_EOF));
  }
  template <typename T>
  T Take() {
    T value;
    Take(&value, sizeof(T));
    return value;
  }
  std::wstring TakeText(std::size_t limit) {
    const auto length = Take<std::uint32_t>();
    if (length > limit) Corrupt();
    std::wstring text(length, L'\0');
    Take(text.data(), text.size() * sizeof(wchar_t));
    return text;
  }

 private:
  IStream* stream_;
};

PictureRef TakePicture(Reader& in) {
  const auto present = in.Take<std::uint8_t>();
  if (present == 0) return {};
  if (present != 1) Corrupt();
  const auto size = in.Take<std::uint32_t>();
  if (size == 0 || size > kMaxPictureBytes) Corrupt();
  const auto checksum = in.Take<std::uint64_t>();
  std::vector<std::byte> bytes(size);
  in.Take(bytes.data(), bytes.size());
  // The system's reader gets only a picture that is as it was written, and well formed.
  if (PictureChecksum(bytes) != checksum || !WellFormedPicture(bytes)) {
    throw ComError(CTL_E_INVALIDPICTURE);
  }
  ComPtr<IStream> memory;
  ThrowIfFailed(::CreateStreamOnHGlobal(nullptr, TRUE, memory.Put()));
  ThrowIfFailed(memory->Write(bytes.data(), size, nullptr));
  ThrowIfFailed(memory->Seek({}, STREAM_SEEK_SET, nullptr));
  ComPtr<IUnknown> picture;
  if (FAILED(::OleLoadPicture(memory.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              picture.PutVoid())) ||
      !picture) {
    throw ComError(CTL_E_INVALIDPICTURE);
  }
  return PictureFrom(picture.get());
}

Variant TakeValue(Reader& in, ValueType type) {
  if (in.Take<Tag>() != TagOf(type)) Corrupt();
  switch (type) {
    case ValueType::Boolean:
      return in.Take<std::int16_t>() != 0;
    case ValueType::Int16:
      return in.Take<std::int16_t>();
    case ValueType::Int32:
      return in.Take<std::int32_t>();
    case ValueType::Double:
      return in.Take<double>();
    case ValueType::String:
      return in.TakeText(kMaxSavedText);
    case ValueType::Font: {
      auto font = std::make_shared<Font>();
      font->name = in.TakeText(kMaxFontName);
      font->size = in.Take<float>();
      const auto styles = in.Take<std::uint8_t>();
      if ((styles & ~kAllStyles) != 0) Corrupt();
      font->bold = (styles & kBold) != 0;
      font->italic = (styles & kItalic) != 0;
      font->underline = (styles & kUnderline) != 0;
      font->strikethrough = (styles & kStrikethrough) != 0;
      return font;
    }
    case ValueType::Picture:
      return TakePicture(in);
    default:
      throw ComError(E_UNEXPECTED);
  }
}

}  // namespace

void WriteBinaryForm(const SavedProperties& saved, IStream* stream) {
  const Writer encoded = Encode(saved);
  const std::vector<std::byte>& bytes = encoded.Bytes();
  ULONG written = 0;
  ThrowIfFailed(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written));
  if (written != bytes.size()) throw ComError(STG_E_WRITEFAULT);
}

ULONGLONG BinaryFormSize(const SavedProperties& saved) { return Encode(saved).Bytes().size(); }

SavedProperties ReadBinaryForm(IStream* stream) {
  Reader in(stream);
  if (in.Take<std::array<char, 4>>() != kMagic) throw ComError(STG_E_INVALIDHEADER);
  const auto version = in.Take<std::uint16_t>();
  if (version > kVersion) throw ComError(STG_E_OLDDLL);
  if (version == 0) Corrupt();
  if (in.Take<std::uint16_t>() != PersistedKeys().size()) Corrupt();
  SavedProperties saved;
  for (const PersistedKey& key : PersistedKeys()) saved.Put(key.key, TakeValue(in, key.type));
  return saved;
}

}  // namespace kovra::activex
