// The place of a headless child window on its surface: whole pixels, as a window keeps them,
// and a z-order rank (a higher rank lies in front).
#pragma once

#include <cmath>
#include <stdexcept>

#include "platform/surface_placement.h"

namespace kovra::headless {

// The next z-order rank: each ZOrder() puts a child in front of every child ranked before.
int NextZOrderRank();

// The headless windows a platform has made and those still alive, so that tests can see
// windows made on demand and gone with their control.
struct WindowTally {
  int made = 0;
  int live = 0;
};

// A window's entry in a tally: counted from its making to its end.
class TallyMark {
 public:
  TallyMark() = default;
  explicit TallyMark(WindowTally* tally) : tally_(tally) {
    if (tally_ == nullptr) return;
    ++tally_->made;
    ++tally_->live;
  }
  ~TallyMark() {
    if (tally_ != nullptr) --tally_->live;
  }
  TallyMark(const TallyMark&) = delete;
  TallyMark& operator=(const TallyMark&) = delete;

 private:
  WindowTally* tally_ = nullptr;
};

template <typename Interface>
class HeadlessChildWindow : public Interface {
 public:
  float Left() const override { return static_cast<float>(left_); }
  void SetLeft(float left) override { left_ = Whole(left); }
  float Top() const override { return static_cast<float>(top_); }
  void SetTop(float top) override { top_ = Whole(top); }
  float Width() const override { return static_cast<float>(width_); }
  void SetWidth(float width) override {
    if (width < 0) throw std::invalid_argument("negative width");
    width_ = Whole(width);
    Resized();
  }
  float Height() const override { return static_cast<float>(height_); }
  void SetHeight(float height) override {
    if (height < 0) throw std::invalid_argument("negative height");
    height_ = Whole(height);
    Resized();
  }
  void ZOrder() override { zOrder_ = NextZOrderRank(); }

  int ZOrderRank() const { return zOrder_; }

 protected:
  HeadlessChildWindow(int width, int height) : width_(width), height_(height) {}
  // Called after the width or the height changed.
  virtual void Resized() {}
  int PixelWidth() const { return width_; }
  int PixelHeight() const { return height_; }

 private:
  static int Whole(float value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9f) throw std::invalid_argument("size");
    return static_cast<int>(std::lround(value));
  }

  int left_ = 0;
  int top_ = 0;
  int width_;
  int height_;
  int zOrder_ = NextZOrderRank();
};

}  // namespace kovra::headless
