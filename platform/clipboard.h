// The system clipboard, plain text only.
#pragma once

#include <string>

namespace kovra {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's plain text; empty when it holds none.
  virtual std::wstring GetText() = 0;
  // Replaces the clipboard's contents with `text`.
  virtual void SetText(const std::wstring& text) = 0;
};

}  // namespace kovra
