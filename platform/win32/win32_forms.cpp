#include "platform/win32/win32_forms.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "base/version.h"
#include "platform/win32/handles.h"
#include "platform/win32/modal_form.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

std::wstring SystemText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring result(text != nullptr ? text : L"", length);
  ::LocalFree(text);
  while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) result.pop_back();
  return result;
}

}  // namespace

LibraryVersion Win32Forms::OwnVersion() const {
  const LibraryVersion built{version::kMajor, version::kMinor, version::kRevision};
  HINSTANCE module = ModuleInstance();
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));  // RT_VERSION
  if (found == nullptr) return built;
  const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
  const DWORD size = ::SizeofResource(module, found);
  if (data == nullptr) return built;
  // VS_FIXEDFILEINFO starts with its signature, a DWORD-aligned search finds it.
  for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, data + at, sizeof info);
    if (info.dwSignature != 0xFEEF04BD) continue;
    return {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
            LOWORD(info.dwFileVersionLS)};
  }
  return built;
}

void Win32Forms::ShowModal(FormCode& form, std::uintptr_t owner) {
  ShowModalForm(form, FromWindowId(owner));
}

ShellOutcome Win32Forms::ShellExecuteVerb(std::uintptr_t owner, std::wstring_view verb,
                                          std::wstring_view file) {
  ::SetLastError(ERROR_SUCCESS);
  const HINSTANCE answer =
      ::ShellExecuteW(FromWindowId(owner), std::wstring(verb).c_str(), std::wstring(file).c_str(),
                      nullptr, nullptr, SW_SHOWNORMAL);
  const DWORD error = ::GetLastError();
  ShellOutcome outcome;
  outcome.result = reinterpret_cast<std::intptr_t>(answer);
  if (outcome.Failed()) {
    outcome.errorNumber = static_cast<std::int32_t>(error);
    outcome.errorDescription = error != ERROR_SUCCESS ? SystemText(error) : std::wstring();
  }
  return outcome;
}

}  // namespace kovra::win32
