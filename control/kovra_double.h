// KovraDouble: a single-line edit box for one floating-point number. The object owns its inner
// parts (Text1, the control surface, the three timers), its property members and the entry
// engine, and carries the names the container calls: Initialize, InitProperties, Show, Value.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "base/lifetimebound.h"
#include "base/variant.h"
#include "core/control_state.h"
#include "entry/entry_engine.h"
#include "frame/hover_tracking.h"
#include "platform/platform.h"
#include "platform/property_bag.h"
#include "spin/spin_behaviour.h"

namespace kovra {

class KovraDouble final : private TextBoxEvents {
 public:
  // Creates the inner parts; Text1 shows "0.00" and every member is zero or empty.
  explicit KovraDouble(Platform& platform);
  ~KovraDouble() override;
  KovraDouble(const KovraDouble&) = delete;
  KovraDouble& operator=(const KovraDouble&) = delete;

  // Lifecycle entries, in the order the container calls them.
  void Initialize();      // theme-library test, then the locale probe
  void InitProperties();  // a newly placed control takes its defaults
  void Show();            // the surface presents its image

  // The full refresh, run by the container's resize notification and by the setters of the
  // properties that change the look or the format (frame/kovra_double_refresh.cpp).
  void UserControl_Resize();
  // Repaints the control surface from its kept image; no layout.
  void Refresh();
  // The spin-button renderers, with the visual state to show (0 normal, 1 hot, 2 pressed).
  void PaintUpButton(std::uint8_t& state);
  void PaintDownButton(std::uint8_t& state);

  // Focus notifications of the container, and Text1's Validate, which the container raises
  // before the focus leaves for a control that asks for validation (`cancel` keeps it).
  void EnterFocus() { entry_.EnterFocus(); }
  void GotFocus() { entry_.GotFocus(); }
  void ExitFocus() { entry_.ExitFocus(); }
  void LostFocus() { entry_.LostFocus(); }
  void Text1_Validate(bool& cancel) { entry_.Validate(cancel); }

  // The Value property (default member): see EntryEngine.
  std::wstring Value() const { return entry_.Value(); }
  void SetValue(std::wstring_view newValue) { entry_.SetValue(newValue); }

  // Late binding: a property or method of the interface by name (any case) or dispatch
  // identifier, with Automation coercions. Unknown names fail with InvalidArgument.
  Variant GetProperty(std::wstring_view name);
  void PutProperty(std::wstring_view name, const Variant& value);
  void Invoke(std::wstring_view name, std::span<const Variant> arguments = {});
  Variant GetProperty(std::int32_t dispatchId);
  void PutProperty(std::int32_t dispatchId, const Variant& value);

  // Persistence in the container's property bag (ReadProperties replaces InitProperties).
  void WriteProperties(PropertyBag& bag);
  void ReadProperties(PropertyBag& bag);

  // The spin buttons' and hover tracking's state machines (their timers and the surfaces'
  // mouse input are wired to them).
  SpinController& Spin() { return spin_; }
  HoverTracker& Hover() { return hover_; }

  Platform& GetPlatform() { return platform_; }
  ControlState& State() { return state_; }
  const ControlState& State() const KOVRA_LIFETIMEBOUND { return state_; }
  TextBox& Text1() { return *text1_; }
  ControlSurface& UserControl() { return *surface_; }
  PictureSurface& Up() { return *up_; }
  PictureSurface& Down() { return *down_; }
  Timer& Timer1() { return *timer1_; }
  Timer& Timer2() { return *timer2_; }
  Timer& Timer3() { return *timer3_; }
  EntryEngine& Entry() { return entry_; }

 private:
  // Text1's notifications go to the entry engine.
  void Text1_Change() override { entry_.OnTextChange(); }
  void Text1_KeyPress(std::int16_t& keyAscii) override { entry_.OnKeyPress(keyAscii); }
  void Text1_KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
    entry_.OnKeyDown(keyCode, shift);
  }
  void Text1_KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
    entry_.OnKeyUp(keyCode, shift);
  }
  // Text1's drag-and-drop events, passed on with the very variables Text1 delivered.
  void Text1_OLECompleteDrag(std::int32_t& effect) override;
  void Text1_OLEDragDrop(DataObject& data, std::int32_t& effect, std::int16_t& button,
                         std::int16_t& shift, float& x, float& y) override;
  void Text1_OLEDragOver(DataObject& data, std::int32_t& effect, std::int16_t& button,
                         std::int16_t& shift, float& x, float& y, std::int16_t& state) override;
  void Text1_OLESetData(DataObject& data, std::int16_t& dataFormat) override;
  void Text1_OLEStartDrag(DataObject& data, std::int32_t& allowedEffects) override;
  void Text1_OLEGiveFeedback(std::int32_t& effect, std::int16_t& defaultCursors) override;

  void ProbeLocale();
  // Mouse input of Text1 and the control surface: passed on to the container, a click on the
  // frame first moving the focus into Text1.
  void Text1_Mouse(MouseAction action, std::int16_t button, std::int16_t shift, float x, float y);
  void UserControl_Mouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                         float y);

  // Hands one window's mouse input to a member function of the control.
  class MouseRoute final : public MouseEvents {
   public:
    using Handler = void (*)(KovraDouble&, MouseAction, std::int16_t, std::int16_t, float, float);
    MouseRoute(KovraDouble& control, Handler handler) : control_(control), handler_(handler) {}
    void OnMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                 float y) override {
      handler_(control_, action, button, shift, x, y);
    }

   private:
    KovraDouble& control_;
    Handler handler_;
  };

  Platform& platform_;
  ControlState state_;
  std::unique_ptr<ControlSurface> surface_;
  std::unique_ptr<TextBox> text1_;
  std::unique_ptr<PictureSurface> up_;
  std::unique_ptr<PictureSurface> down_;
  std::unique_ptr<Timer> timer1_;  // hover tracking
  std::unique_ptr<Timer> timer2_;  // spin buttons' hot state
  std::unique_ptr<Timer> timer3_;  // spin auto-repeat
  EntryEngine entry_;
  SpinController spin_;
  HoverTracker hover_;
  MouseRoute text1Mouse_;
  MouseRoute surfaceMouse_;
  MouseRoute upMouse_;
  MouseRoute downMouse_;
};

}  // namespace kovra
