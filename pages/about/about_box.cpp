#include "pages/about/about_box.h"

#include <cmath>
#include <utility>

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
  Font font;
  font.name = kFontName;
  font.size = 9.0f;
  font.bold = bold;
  font.underline = underline;
  return font;
}

FormElement Element(std::wstring name, FormElementKind kind, std::wstring caption, TwipRect bounds,
                    int tabIndex, Font font, std::wstring picture = {}) {
  FormElement element;
  element.name = std::move(name);
  element.kind = kind;
  element.caption = std::move(caption);
  element.bounds = bounds;
  element.tabIndex = tabIndex;
  element.font = std::move(font);
  element.picture = std::move(picture);
  return element;
}

// The texts one under the other on the picture's light band, the OK button at their right.
FormLayout Designed() {
  using enum FormElementKind;
  const auto line = [](int n) {
    return TwipRect{kTextsLeft, kFirstTextTop + n * kTextStep, 2700, 255};
  };
  const TwipRect picture{0, 0, kPictureWidth, kPictureHeight};
  FormLayout layout{L"About", kCaption, {kPictureWidth, kPictureHeight}, {}};
  layout.elements = {
      Element(L"Image1", Picture, {}, picture, -1, Font{}, resources::kProductPictureName),
      Element(L"Label1", Label, L"Version:", line(0), 1, TextFont(true)),
      Element(L"Label4", Label, kMakerName, line(1), 2, TextFont()),
      Element(L"Label5", LinkLabel, kLinkCaption, line(2), 3, TextFont(false, true)),
      Element(L"Command1", Button, L"OK", {3480, 2340, 1080, 480}, 0, TextFont(),
              resources::kOkMarkName),
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
  const LibraryVersion version = forms_.OwnVersion();
  layout_.Element(L"Label1").caption = VersionLine(version.major, version.minor, version.revision);
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
  // The slot is cleared when the box unloads, and in any case when it goes.
  struct Instance {
    AboutBox* box;
    ~Instance() {
      if (current == box) current = nullptr;
    }
  } instance{&box};
  current = &box;
  forms.ShowModal(box, 0);
}

}  // namespace kovra::about
