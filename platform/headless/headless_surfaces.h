// The headless control surface and picture surfaces: images in memory at 96 pixels per inch
// (15 twips a pixel), drawn by the raster device context, kept until cleared.
#pragma once

#include <cstdint>
#include <functional>

#include "base/lifetimebound.h"
#include "platform/control_surface.h"
#include "platform/headless/headless_child.h"
#include "platform/headless/raster.h"
#include "platform/surface_picture.h"

namespace kovra::headless {

inline constexpr float kTwipsPerPixel = 15.0f;
inline constexpr float kPixelsPerInch = 96.0f;
inline constexpr float kHimetricPerInch = 2540.0f;

// The height in pixels of one line of text in `font`: the character height at 96 pixels per
// inch and two pixels of leading.
int TextHeightPixels(const Font& font);

class HeadlessSurface final : public ControlSurface {
 public:
  // The size a surface has until the container sizes it.
  static constexpr int kInitialWidth = 100;
  static constexpr int kInitialHeight = 21;

  explicit HeadlessSurface(std::uintptr_t window, WindowTally* tally = nullptr);
  std::uintptr_t WindowHandle() const override { return window_; }
  std::uintptr_t ParentWindow() const override { return parent_; }
  void SetParentWindow(std::uintptr_t parent) override { parent_ = parent; }
  FontRef GetFont() const override { return font_; }
  void SetFont(FontRef font) override { font_ = std::move(font); }
  void Refresh() override { ++refreshCount; }

  void Cls() override;
  ScaleUnit ScaleMode() const override { return scaleMode_; }
  void SetScaleMode(ScaleUnit unit) override { scaleMode_ = unit; }
  bool AutoRedraw() const override { return autoRedraw_; }
  void SetAutoRedraw(bool on) override { autoRedraw_ = on; }
  DeviceContext& Dc() override { return dc_; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  Rgb BackColor() const override { return backColor_; }
  // A new back colour erases the kept image to it, as a window with kept drawing does.
  void SetBackColor(Rgb colour) override {
    if (colour == backColor_) return;
    backColor_ = colour;
    Cls();
  }
  std::int32_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(std::int32_t pointer) override { mousePointer_ = pointer; }
  float ScaleWidth() const override { return InScale(static_cast<float>(image_.width)); }
  float ScaleHeight() const override { return InScale(static_cast<float>(image_.height)); }
  float TextHeight(std::wstring_view text) const override;
  float PixelsToTwipsY(float pixels) const override { return pixels * kTwipsPerPixel; }
  float HimetricToPixelsX(float himetric) const override;
  float HimetricToPixelsY(float himetric) const override;
  float HeightTwips() const override;
  void SetHeightTwips(float twips) override;
  void SetExtent(int widthPixels, int heightPixels) override;
  void SetResizeHandler(std::function<void()> onResize) override {
    onResize_ = std::move(onResize);
  }

  // The kept image, pixel by pixel.
  const Bitmap& Image() const KOVRA_LIFETIMEBOUND { return image_; }
  RasterDC& Raster() { return dc_; }

  int refreshCount = 0;
  int resizeNotifications = 0;

 private:
  float InScale(float pixels) const {
    return scaleMode_ == ScaleUnit::Pixels ? pixels : pixels * kTwipsPerPixel;
  }
  void Resize(int width, int height);

  TallyMark tally_;
  std::uintptr_t window_;
  std::uintptr_t parent_ = 0;
  FontRef font_ = std::make_shared<Font>();
  Bitmap image_;
  RasterDC dc_{&image_};
  ScaleUnit scaleMode_ = ScaleUnit::Twips;
  bool autoRedraw_ = false;
  bool enabled_ = true;
  Rgb backColor_ = MakeRgb(255, 255, 255);
  std::int32_t mousePointer_ = 0;
  std::function<void()> onResize_;
};

class HeadlessPictureSurface final : public HeadlessChildWindow<PictureSurface> {
 public:
  explicit HeadlessPictureSurface(std::uintptr_t window, WindowTally* tally = nullptr);
  std::uintptr_t WindowHandle() const override { return window_; }
  DeviceContext& Dc() override { return dc_; }
  void Cls() override { Fill(image_, backColor_); }
  float ScaleWidth() const override { return static_cast<float>(image_.width); }
  float ScaleHeight() const override { return static_cast<float>(image_.height); }
  void Refresh() override { ++refreshCount; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  Rgb BackColor() const override { return backColor_; }
  // A new back colour erases the kept image to it, as a window with kept drawing does.
  void SetBackColor(Rgb colour) override {
    if (colour == backColor_) return;
    backColor_ = colour;
    Cls();
  }

  const Bitmap& Image() const KOVRA_LIFETIMEBOUND { return image_; }
  RasterDC& Raster() { return dc_; }
  int refreshCount = 0;

 private:
  void Resized() override;

  TallyMark tally_;
  std::uintptr_t window_;
  Rgb backColor_ = MakeRgb(212, 208, 200);  // the classic button face
  Bitmap image_;
  RasterDC dc_{&image_};
  bool enabled_ = true;
  bool visible_ = false;
};

}  // namespace kovra::headless
