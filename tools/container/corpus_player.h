// The behaviour corpus played through a control made by its class (see corpus_case.h): each
// `case` on a new form with new controls.
#pragma once

#include <guiddef.h>

#include <filesystem>
#include <iosfwd>

namespace kovra::container {

struct CorpusTally {
  int played = 0;   // cases played to their end, failed ones among them
  int skipped = 0;  // cases ended early by a line without counterpart through the container
  int failed = 0;   // played cases with a failed expectation, and lines outside any case
};

// Plays the corpus file at `path` through controls of `controlClass`, printing to `out` every
// failure with its line, every skipped case with its reason, and then the file's tally.
CorpusTally PlayCorpusFile(const CLSID& controlClass, const std::filesystem::path& path,
                           std::wostream& out);

}  // namespace kovra::container
