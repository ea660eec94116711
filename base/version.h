// The control's version: the file version is major.minor.0.revision.
#pragma once

namespace kovra::version {

inline constexpr int kMajor = 1;
inline constexpr int kMinor = 0;
inline constexpr int kRevision = 1;

}  // namespace kovra::version
