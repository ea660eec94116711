#include "activex/identifiers.h"

#include <objbase.h>

namespace kovra::activex {

std::wstring GuidText(const GUID& id) {
  wchar_t text[39];  // braces, 32 digits, 4 dashes and the terminator
  const int length = ::StringFromGUID2(id, text, 39);
  return std::wstring(text, length > 0 ? static_cast<std::size_t>(length - 1) : 0);
}

}  // namespace kovra::activex
