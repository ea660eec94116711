// The user's number format through the system number formatter.
#pragma once

#include "platform/locale.h"

namespace kovra::win32 {

class Win32Locale final : public Locale {
 public:
  // GetNumberFormatEx for the user's locale with its decimal separator, group separator and
  // negative-number order, `decimals` decimals, a leading zero and groups of three. The user's
  // settings are read at every call. Throws ControlError(InvalidArgument) for negative
  // `decimals`, ControlError(TypeMismatch) when `number` is not in the form the interface
  // names (with at least one digit) or the formatter refuses it.
  std::wstring FormatNumber(std::wstring_view number, int decimals) const override;
};

}  // namespace kovra::win32
