// The behaviour corpus: the scripts of tests/corpus, compiled in.
#pragma once

#include <string_view>
#include <vector>

namespace kovra::test {

struct CorpusFile {
  std::string_view name;
  std::string_view script;
};

const std::vector<CorpusFile>& Corpus();

}  // namespace kovra::test
