// The About box: a small modal form that shows what the control is and which version it has,
// over the product picture, with a link to the maker's web page and an OK button. The
// control's Acerca opens it; one box exists at a time on a thread, made afresh whenever none
// does. Its layout is the whole of its look, so any platform can show it.
#pragma once

#include <string>
#include <string_view>

#include "platform/forms.h"
#include "platform/message_dialog.h"

namespace kovra::about {

inline constexpr const wchar_t* kCaption = L"About Control KovraDouble";
inline constexpr const wchar_t* kMakerName = L"Kovra Controls";
inline constexpr const wchar_t* kLinkCaption = L"ActiveX Controls.";
inline constexpr const wchar_t* kWebPage = L"https://kovra.example/activex/";
// The font of every text on the box.
inline constexpr const wchar_t* kFontName = L"Arial";

// "Version: " followed by major, minor and revision as plain integers joined by "." (file
// version 3.0.0.70 reads "Version: 3.0.70").
std::wstring VersionLine(int major, int minor, int revision);

class AboutBox final : public FormCode {
 public:
  // The box as designed, its version line still "Version:"; `forms` opens the web page and
  // `messages` tells when it cannot. Both must outlive the box.
  AboutBox(FormServices& forms, MessageDialog& messages);

  const FormLayout& Layout() const override { return layout_; }
  // The version line from the library's own version resource.
  void Form_Load(FormWindow& window) override;
  // The picture centred in the inner area, both ways.
  void Form_Resize(FormWindow& window) override;
  // Label5 opens the web page; Command1 unloads the box.
  void Element_Click(FormWindow& window, std::wstring_view element) override;
  // The box is released: the next Acerca makes a new one.
  void Form_Unload() override;

 private:
  // Asks the shell to open the maker's web page with the box as owner; a failure is told in a
  // warning box titled with the error number, and the About box stays open.
  void OpenWebPage(FormWindow& window);

  FormServices& forms_;
  MessageDialog& messages_;
  FormLayout layout_;
};

// Acerca: shows this thread's About box modally with no owner window, making it first when none
// exists; returns when it has been closed. Asked while the box is open, the box comes forward.
void ShowAboutBox(FormServices& forms, MessageDialog& messages);

}  // namespace kovra::about
