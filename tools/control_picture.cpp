#include "tools/control_picture.h"

#include <algorithm>
#include <stdexcept>

#include "platform/headless/headless_surfaces.h"
#include "platform/headless/headless_text_box.h"
#include "tools/bitmap_font.h"

namespace kovra::tools {

namespace {

constexpr Rgb kGreyText = MakeRgb(128, 128, 128);
constexpr Rgb kSheetBack = MakeRgb(240, 240, 240);
constexpr Rgb kCaption = MakeRgb(40, 40, 40);
constexpr int kGap = 10;

void Paste(Bitmap& onto, const Bitmap& piece, int left, int top) {
  for (int y = 0; y < piece.height; ++y) {
    for (int x = 0; x < piece.width; ++x) {
      const int px = left + x;
      const int py = top + y;
      if (px >= 0 && py >= 0 && px < onto.width && py < onto.height) {
        onto.At(px, py) = piece.At(x, y);
      }
    }
  }
}

Bitmap Filled(int width, int height, Rgb colour) {
  return Bitmap{std::max(width, 0), std::max(height, 0),
                std::vector<Rgb>(static_cast<std::size_t>(std::max(width, 0)) *
                                     static_cast<std::size_t>(std::max(height, 0)),
                                 colour)};
}

// Text1's box: its back colour and its text, aligned, clipped to the box.
Bitmap TextBoxPicture(const headless::HeadlessTextBox& box) {
  Bitmap picture =
      Filled(static_cast<int>(box.Width()), static_cast<int>(box.Height()), box.BackColor());
  const std::wstring text = box.Text();
  const int width = TextWidth(text);
  int x = 1;
  if (box.Alignment() == 1) x = picture.width - 1 - width;
  if (box.Alignment() == 2) x = (picture.width - width) / 2;
  const int y = (picture.height - kCellHeight) / 2;
  DrawText(picture, x, y, text, box.Enabled() ? box.ForeColor() : kGreyText);
  return picture;
}

}  // namespace

Bitmap ComposeControlPicture(KovraDouble& control) {
  auto* surface = dynamic_cast<headless::HeadlessSurface*>(&control.UserControl());
  auto* text1 = dynamic_cast<headless::HeadlessTextBox*>(&control.Text1());
  auto* up = dynamic_cast<headless::HeadlessPictureSurface*>(&control.Up());
  auto* down = dynamic_cast<headless::HeadlessPictureSurface*>(&control.Down());
  if (surface == nullptr || text1 == nullptr || up == nullptr || down == nullptr) {
    throw std::runtime_error("pictures are taken on the headless platform only");
  }
  Bitmap picture = surface->Image();
  struct Layer {
    int rank;
    Bitmap image;
    int left, top;
  };
  std::vector<Layer> layers;
  layers.push_back({text1->ZOrderRank(), TextBoxPicture(*text1), static_cast<int>(text1->Left()),
                    static_cast<int>(text1->Top())});
  for (const headless::HeadlessPictureSurface* s : {up, down}) {
    if (s->Visible()) {
      layers.push_back(
          {s->ZOrderRank(), s->Image(), static_cast<int>(s->Left()), static_cast<int>(s->Top())});
    }
  }
  std::stable_sort(layers.begin(), layers.end(),
                   [](const Layer& a, const Layer& b) { return a.rank < b.rank; });
  for (const Layer& l : layers) Paste(picture, l.image, l.left, l.top);
  return picture;
}

Bitmap Enlarged(const Bitmap& picture, int zoom) {
  zoom = std::max(zoom, 1);
  Bitmap large = Filled(picture.width * zoom, picture.height * zoom, 0);
  for (int y = 0; y < large.height; ++y) {
    for (int x = 0; x < large.width; ++x) large.At(x, y) = picture.At(x / zoom, y / zoom);
  }
  return large;
}

Bitmap ComposeSheet(const std::vector<CaptionedPicture>& pictures, int columns) {
  columns = std::max(columns, 1);
  int cellWidth = 0;
  int cellHeight = 0;
  for (const CaptionedPicture& p : pictures) {
    cellWidth = std::max({cellWidth, p.picture.width, TextWidth(p.caption)});
    cellHeight = std::max(cellHeight, p.picture.height + kCellHeight + 2);
  }
  const int count = static_cast<int>(pictures.size());
  const int rows = (count + columns - 1) / columns;
  const int shown = std::min(count, columns);
  Bitmap sheet =
      Filled(kGap + shown * (cellWidth + kGap), kGap + rows * (cellHeight + kGap), kSheetBack);
  for (int i = 0; i < count; ++i) {
    const int left = kGap + (i % columns) * (cellWidth + kGap);
    const int top = kGap + (i / columns) * (cellHeight + kGap);
    const CaptionedPicture& p = pictures[static_cast<std::size_t>(i)];
    DrawText(sheet, left, top, p.caption, kCaption);
    Paste(sheet, p.picture, left, top + kCellHeight + 2);
  }
  return sheet;
}

}  // namespace kovra::tools
