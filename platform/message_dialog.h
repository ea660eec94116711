// The modal message box through which the control tells the user what went wrong. (Named
// MessageDialog so that it never meets the Windows MessageBox macro.)
#pragma once

#include <cstdint>
#include <string>

namespace kovra {

enum class MessageIcon { Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

// Every message of the control has this title and a single OK button.
inline constexpr const wchar_t* kErrorTitle = L"Ostra DoubleSingle Error";

class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  // Shows `text` modally with one OK button, owned by the window `owner` (0: none), and returns
  // when the user has closed it.
  virtual void Show(std::uintptr_t owner, const std::wstring& text, const std::wstring& title,
                    MessageIcon icon) = 0;
};

}  // namespace kovra
