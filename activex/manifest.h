// The side-by-side manifest that lets a host use the control without registration: the same
// classes, ProgIDs, threading model, status bits and type library that registration writes, for
// the library file beside the manifest.
#pragma once

#include <string>
#include <string_view>

namespace kovra::activex {

inline constexpr std::wstring_view kAssemblyName = L"KovraDouble";
inline constexpr std::wstring_view kLibraryFileName = L"KovraDouble.ocx";

// The manifest text (UTF-8) for the library built for `architecture` ("amd64" or "x86").
std::string ManifestText(std::wstring_view architecture);

}  // namespace kovra::activex
