// KovraDouble: a single-line edit box for one floating-point number. The object owns its inner
// parts (Text1, the control surface, the spin surfaces, the three timers), its property members
// and the entry engine, and carries the names the container calls: Initialize, InitProperties,
// Show, Value. It can exist before it has a container or a window: the inner parts are made when
// first needed, parked out of sight until the control is given a parent window, and go with the
// control.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "base/variant.h"
#include "control/container_link.h"
#include "control/property_access.h"
#include "core/control_state.h"
#include "entry/entry_engine.h"
#include "frame/hover_tracking.h"
#include "platform/platform.h"
#include "platform/property_bag.h"
#include "spin/spin_behaviour.h"

namespace kovra {

namespace probe {
class ControlProbe;
}

class KovraDouble final : private TextBoxEvents {
 public:
  // A control with no container and no window yet; every member is zero or empty. Text1 shows
  // "0.00" once it exists.
  explicit KovraDouble(Platform& platform);
  ~KovraDouble() override;
  KovraDouble(const KovraDouble&) = delete;
  KovraDouble& operator=(const KovraDouble&) = delete;

  // The container the control reports to (nullptr: none — events and notifications go nowhere
  // and the ambient properties are the standard ones). It must outlive its time here.
  void SetContainer(Container* container) { container_.Attach(container); }
  Container* GetContainer() const { return container_.Site(); }
  // The window the control's own window is a child of. A parent makes the inner parts if they
  // do not exist yet; another parent moves them; 0 parks them out of sight, keeping their state.
  void SetParentWindow(std::uintptr_t parent);
  std::uintptr_t ParentWindow() const { return parent_; }
  // Whether the inner parts (the control's windows) have been made.
  bool HasWindows() const { return parts_ != nullptr; }

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
  void EnterFocus() { Entry().EnterFocus(); }
  void GotFocus() { Entry().GotFocus(); }
  void ExitFocus() { Entry().ExitFocus(); }
  void LostFocus() { Entry().LostFocus(); }
  void Text1_Validate(bool& cancel) { Entry().Validate(cancel); }

  // The Value property (default member): see EntryEngine.
  std::wstring Value() const { return Entry().Value(); }
  void SetValue(std::wstring_view newValue) { Entry().SetValue(newValue); }

  // Late binding: a property or method of the interface by name (any case) or dispatch
  // identifier, with Automation coercions. An unknown member fails with NotSupported.
  Variant GetProperty(std::wstring_view name);
  void PutProperty(std::wstring_view name, const Variant& value, PutKind kind = PutKind::Let);
  void Invoke(std::wstring_view name, std::span<const Variant> arguments = {});
  Variant GetProperty(std::int32_t dispatchId);
  void PutProperty(std::int32_t dispatchId, const Variant& value, PutKind kind = PutKind::Let);
  void Invoke(std::int32_t dispatchId, std::span<const Variant> arguments = {});

  // Persistence in the container's property bag (ReadProperties replaces InitProperties).
  void WriteProperties(PropertyBag& bag);
  void ReadProperties(PropertyBag& bag);

  Platform& GetPlatform() { return platform_; }
  // The link to the container: the site while there is one, the standard answers otherwise.
  Container& Site() { return container_; }
  // The inner windows, made on first use.
  TextBox& Text1() const { return *Made().text1; }
  ControlSurface& UserControl() const { return *Made().surface; }
  PictureSurface& Up() const { return *Made().up; }
  PictureSurface& Down() const { return *Made().down; }

 private:
  // The composed control's own files reach its state and engine through ControlInternals;
  // tests, benchmarks, fuzzers and the driver look inside through the probe.
  friend class ControlInternals;
  friend class probe::ControlProbe;

  EntryEngine& Entry() const { return Made().entry; }
  // The spin buttons' and hover tracking's state machines (their timers and the surfaces'
  // mouse input are wired to them).
  SpinController& Spin() const { return Made().spin; }
  HoverTracker& Hover() const { return Made().hover; }

  // Text1's notifications go to the entry engine.
  void Text1_Change() override { Entry().OnTextChange(); }
  void Text1_KeyPress(std::int16_t& keyAscii) override { Entry().OnKeyPress(keyAscii); }
  void Text1_KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
    Entry().OnKeyDown(keyCode, shift);
  }
  void Text1_KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
    Entry().OnKeyUp(keyCode, shift);
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

  // The inner parts and the behaviours that work on them, made together.
  struct Parts {
    explicit Parts(KovraDouble& control);
    std::unique_ptr<ControlSurface> surface;
    std::unique_ptr<TextBox> text1;
    std::unique_ptr<PictureSurface> up;
    std::unique_ptr<PictureSurface> down;
    std::unique_ptr<Timer> timer1;  // hover tracking
    std::unique_ptr<Timer> timer2;  // spin buttons' hot state
    std::unique_ptr<Timer> timer3;  // spin auto-repeat
    EntryEngine entry;
    SpinController spin;
    HoverTracker hover;
  };
  // The parts, made and wired on first use.
  Parts& Made() const;
  // Wires the parts' notifications to the control, or (with `on` false) unwires them.
  void Wire(Parts& parts, bool on);

  Platform& platform_;
  ControlState state_;
  ContainerLink container_;
  std::uintptr_t parent_ = 0;
  mutable std::unique_ptr<Parts> parts_;
  MouseRoute text1Mouse_;
  MouseRoute surfaceMouse_;
  MouseRoute upMouse_;
  MouseRoute downMouse_;
};

}  // namespace kovra
