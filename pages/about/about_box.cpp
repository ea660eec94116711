#include "pages/about/about_box.h"

#include <cmath>

#include "base/version.h"
#include "resources/product_picture.h"

namespace kovra::about {

namespace {

// The box's one instance on this thread, while it is loaded.
thread_local AboutBox* current = nullptr;

constexpr int kPictureWidth = resources::kProductPictureWidth * kTwipsPerPixel;
constexpr int kPictureHeight = resources::kProductPictureHeight * kTwipsPerPixel;
// The texts stand on the picture's light band, a little below its edge.
constexpr int kTextsLeft = 24 * kTwipsPerPixel;
constexpr int kFirstTextTop = (resources::kTextBandTop + 5) * kTwipsPerPixel;
constexpr int kTextStep = 20 * kTwipsPerPixel;

Font TextFont(bool bold = false, bool underline = false) {
  return Font{.name = kFontName, .size = 9.0f, .bold = bold, .underline = underline};
}

FormLayout Designed() {
  using enum FormElementKind;
  const auto text = [](int line) {
    return TwipRect{kTextsLeft, kFirstTextTop + line * kTextStep, 2700, 255};
  };
  FormLayout layout{L"About", kCaption, {kPictureWidth, kPictureHeight}, {}};
  layout.elements = {
      {.name = L"Image1",
       .kind = Picture,
       .bounds = {0, 0, kPictureWidth, kPictureHeight},
       .font = TextFont(),
       .picture = resources::kProductPictureName},
      {.name = L"Label1",
       .kind = Label,
       .caption = L"Version:",
       .bounds = text(0),
       .tabIndex = 1,
       .font = TextFont(true)},
      {.name = L"Label4",
       .kind = Label,
       .caption = kMakerName,
       .bounds = text(1),
       .tabIndex = 2,
       .font = TextFont()},
      {.name = L"Label5",
       .kind = LinkLabel,
       .caption = kLinkCaption,
       .bounds = text(2),
       .tabIndex = 3,
       .font = TextFont(false, true)},
      {.name = L"Command1",
       .kind = Button,
       .caption = L"OK",
       .bounds = {3480, 2340, 1080, 480},
       .tabIndex = 0,
       .font = TextFont(),
       .picture = resources::kOkMarkName},
  };
  return layout;
}

// Half of what is left over, to the nearest twip (ties to even).
int Centred(int inner, int size) {
  return static_cast<int>(std::nearbyint(static_cast<double>(inner - size) / 2));
}

}  // namespace

std::wstring VersionLine(int major, int minor, int revision) {
  return L"Version: " + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." +
         std::to_wstring(revision);
}

AboutBox::AboutBox(FormServices& forms, MessageDialog& messages)
    : forms_(forms), messages_(messages), layout_(Designed()) {}

void AboutBox::Form_Load(FormWindow& /*window*/) {
  layout_.Element(L"Label1").caption =
      VersionLine(version::kMajor, version::kMinor, version::kRevision);
}

void AboutBox::Form_Resize(FormWindow& window) {
  TwipRect& picture = layout_.Element(L"Image1").bounds;
  const TwipSize inner = window.InnerSize();
  picture.top = Centred(inner.height, picture.height);
  picture.left = Centred(inner.width, picture.width);
}

void AboutBox::Element_Click(FormWindow& window, std::wstring_view element) {
  if (element == L"Label5") return OpenWebPage(window);
  if (element == L"Command1") return window.Unload();
}

void AboutBox::Form_Unload() {
  if (current == this) current = nullptr;
}

void AboutBox::OpenWebPage(FormWindow& window) {
  const ShellOutcome outcome = forms_.ShellExecuteVerb(window.WindowHandle(), L"open", kWebPage);
  if (!outcome.Failed()) return;
  messages_.Show(window.WindowHandle(), outcome.errorDescription + L"    ",
                 L"Err.Number = " + std::to_wstring(outcome.errorNumber), MessageIcon::Exclamation);
}

void ShowAboutBox(FormServices& forms, MessageDialog& messages) {
  if (current != nullptr) return forms.ShowModal(*current, 0);
  AboutBox box(forms, messages);
  current = &box;
  forms.ShowModal(box, 0);
  if (current == &box) current = nullptr;  // a platform that returned without unloading it
}

}  // namespace kovra::about
