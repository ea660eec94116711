#include "platform/win32/win32_locale.h"

#include <windows.h>

#include <array>

#include "base/control_error.h"

namespace kovra::win32 {

namespace {

// A string setting of the user's locale ("" when the system has none).
std::wstring UserLocaleText(LCTYPE type) {
  std::array<wchar_t, 16> buffer{};  // separators have at most 3 characters plus the zero
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer.data(),
                        static_cast<int>(buffer.size())) == 0) {
    return {};
  }
  return buffer.data();
}

UINT UserLocaleNumber(LCTYPE type) {
  DWORD value = 0;
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&value), sizeof value / sizeof(wchar_t)) == 0) {
    return 1;  // "-1.1", the order of the invariant locale
  }
  return value;
}

// The form the system formatter documents: an optional leading "-", digits and at most one
// ".", with at least one digit. (Some formatters take more, such as the empty text; the
// control's own texts never need it, and both platforms refuse the same texts this way.)
bool IsPlainNumber(std::wstring_view number) {
  if (!number.empty() && number.front() == L'-') number.remove_prefix(1);
  bool digit = false;
  bool point = false;
  for (wchar_t c : number) {
    if (c >= L'0' && c <= L'9') {
      digit = true;
    } else if (c == L'.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

std::wstring Win32Locale::FormatNumber(std::wstring_view number, int decimals) const {
  if (decimals < 0) throw ControlError(ErrorCode::InvalidArgument);
  if (!IsPlainNumber(number)) throw ControlError(ErrorCode::TypeMismatch);
  std::wstring decimalSeparator = UserLocaleText(LOCALE_SDECIMAL);
  std::wstring groupSeparator = UserLocaleText(LOCALE_STHOUSAND);
  NUMBERFMTW format{};
  format.NumDigits = static_cast<UINT>(decimals);
  format.LeadingZero = 1;
  format.Grouping = 3;
  format.lpDecimalSep = decimalSeparator.data();
  format.lpThousandSep = groupSeparator.data();
  format.NegativeOrder = UserLocaleNumber(LOCALE_INEGNUMBER);

  const std::wstring input(number);  // the formatter wants a terminated string
  const int size =
      ::GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, input.c_str(), &format, nullptr, 0);
  if (size <= 0) throw ControlError(ErrorCode::TypeMismatch);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  const int written =
      ::GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, input.c_str(), &format, text.data(), size);
  if (written <= 0) throw ControlError(ErrorCode::TypeMismatch);
  text.resize(static_cast<std::size_t>(written - 1));  // without the terminating zero
  return text;
}

}  // namespace kovra::win32
