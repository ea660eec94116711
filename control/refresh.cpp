#include "control/refresh.h"

#include <exception>

#include "core/enumerations.h"
#include "frame/bevel_frame.h"
#include "frame/colours.h"
#include "frame/layout.h"
#include "frame/themed_frame.h"

namespace kovra {

namespace {

// One statement of the refresh: a failure skips it and the refresh goes on.
template <typename Statement>
void Try(Statement statement) {
  try {
    statement();
  } catch (const std::exception&) {
  }
}

constexpr Rgb kDisabledManualBack = MakeRgb(235, 235, 228);

// The phases of the full refresh, in the order it runs them. Each statement that fails is
// skipped and the refresh goes on with the next.
class FullRefresh {
 public:
  explicit FullRefresh(RefreshParts& parts)
      : r_(parts),
        p_(parts.state.properties),
        drawing_(parts.platform.GetDrawing()),
        layout_{parts.surface, parts.text1, parts.up, parts.down, drawing_} {}

  // A clean, pixel-scaled surface that keeps what is drawn on it.
  void ClearTheSurface() {
    Try([&] { r_.surface.Cls(); });
    Try([&] { r_.surface.SetScaleMode(ScaleUnit::Pixels); });
    Try([&] { r_.surface.SetAutoRedraw(true); });
  }

  // The system colours now, and the theme decision: without the theme library the theme can
  // only be the manual one.
  void TakeTheSystemColoursAndTheme() {
    Try([&] { r_.state.systemColours = LoadSystemColors(drawing_); });
    if (!r_.state.themeLibraryAvailable && p_.xpGetTheme == xp_get_theme::AutomaticGetTheme) {
      p_.xpGetTheme = xp_get_theme::ManualGetTheme;
    }
  }

  // The text in the edit format, remembered as both undo texts and as the accepted text.
  void ShowTheEditFormat() {
    Try([&] {
      const ChangeGuardScope guard(r_.state);
      r_.entry.ApplyMask(r_.entry.EditMask());
      const std::wstring text = r_.text1.Text();
      r_.state.firstUndoText = text;
      r_.state.secondUndoText = text;
      r_.entry.RememberAcceptedText(text);
    });
  }

  // Enabled states and the back colour; in design mode the control is always drawn enabled,
  // and a disabled control in the manual theme gets the theme's disabled back colour.
  void ApplyEnabledStateAndColours() {
    const bool enabled = p_.enabled != kFalse;
    Try([&] { r_.surface.SetEnabled(enabled); });
    Try([&] { r_.up.SetEnabled(enabled); });
    Try([&] { r_.down.SetEnabled(enabled); });
    const Rgb back = TranslateColor(drawing_, p_.backColor);
    Try([&] { r_.text1.SetBackColor(back); });
    Try([&] { r_.surface.SetBackColor(back); });
    if (!RunMode(r_.container) || enabled) {
      Try([&] { r_.text1.SetEnabled(true); });
      Try([&] { r_.text1.SetForeColor(TranslateColor(drawing_, p_.foreColor)); });
      return;
    }
    Try([&] { r_.text1.SetEnabled(false); });
    if (p_.appearance == appearance::WindowsAppearance &&
        p_.xpGetTheme == xp_get_theme::ManualGetTheme) {
      Try([&] { r_.surface.SetBackColor(kDisabledManualBack); });
      Try([&] { r_.text1.SetBackColor(kDisabledManualBack); });
    }
  }

  // The children laid out between the height adjustments; a height change asked of the
  // container runs a whole refresh inside.
  void LayOutTheChildren() {
    ApplyNewInstanceHeight(r_.state, r_.surface);
    ArrangeChildren(r_.state, layout_);
    ApplyMinimumHeight(r_.state, layout_);
    CentreText1(layout_);
  }

  // Text1's pointer, icon and lock; the surface shows the text's pointer, or the arrow over a
  // locked text.
  void ApplyPointersAndLock() {
    Try([&] { r_.text1.SetMousePointer(p_.mousePointer); });
    Try([&] { r_.text1.SetMouseIcon(p_.mouseIcon); });
    Try([&] { r_.text1.SetLocked(p_.locked != kFalse); });
    if (!r_.text1.Locked()) {
      Try([&] {
        r_.surface.SetMousePointer(r_.text1.MousePointer() > 0 ? p_.mousePointer
                                                               : mouse_pointer::IBeam);
      });
      return;
    }
    Try([&] { r_.text1.SetMousePointer(mouse_pointer::Arrow); });
    Try([&] { r_.surface.SetMousePointer(mouse_pointer::Arrow); });
  }

  void DrawTheFrame() {
    if (p_.appearance == appearance::WindowsAppearance) {
      Try([&] { DrawThemedFrame(p_, {r_.surface, r_.text1, drawing_, r_.container}); });
    } else if (p_.appearance == appearance::Standard3DAppearance) {
      Try([&] {
        const BevelColours colours = ChooseBevelColours(p_.edit3DOption, r_.state.systemColours,
                                                        TranslateColor(drawing_, p_.edit3DColor));
        Draw3DFrame(r_.surface.Dc(), r_.surface.ScaleWidth(), r_.surface.ScaleHeight(),
                    p_.border3DStyle, colours);
      });
    }
  }

  // The buttons: disabled by a locked text, shown and painted normal or hidden; in spin-only
  // mode the text is read-only while the buttons stay enabled.
  void ShowTheSpinButtons() {
    const bool buttonsEnabled = !r_.text1.Locked() && p_.enabled != kFalse;
    Try([&] { r_.up.SetEnabled(buttonsEnabled); });
    Try([&] { r_.down.SetEnabled(buttonsEnabled); });
    const bool spin = p_.buttonSpin != kFalse;
    Try([&] { r_.up.SetVisible(spin); });
    Try([&] { r_.down.SetVisible(spin); });
    if (!spin) return;
    std::uint8_t normal = 0;
    Try([&] { r_.paintUp(normal); });
    Try([&] { r_.paintDown(normal); });
    if (p_.buttonSpinEdit == button_spin_edit::DisabledEdit) {
      Try([&] { r_.text1.SetLocked(true); });
      Try([&] { r_.text1.SetMousePointer(mouse_pointer::Arrow); });
      Try([&] { r_.surface.SetMousePointer(mouse_pointer::Arrow); });
    }
  }

  void TakeTheContainersToolTip() {
    Try([&] { r_.text1.SetToolTipText(r_.container.ExtenderToolTipText()); });
  }

  // Without the focus the number shows in the display format.
  void ShowTheDisplayFormatUnlessFocused() {
    if (r_.state.hasFocus) return;
    Try([&] {
      const ChangeGuardScope guard(r_.state);
      r_.entry.ApplyMask(r_.entry.DisplayMask());
    });
  }

 private:
  RefreshParts& r_;
  PropertyMembers& p_;
  DrawingServices& drawing_;
  const LayoutParts layout_;
};

}  // namespace

void RunFullRefresh(RefreshParts parts) {
  // Dropped, not deferred, while the control rewrites its text.
  if (parts.state.changeGuard != 0) return;
  FullRefresh refresh(parts);
  refresh.ClearTheSurface();
  refresh.TakeTheSystemColoursAndTheme();
  refresh.ShowTheEditFormat();
  refresh.ApplyEnabledStateAndColours();
  refresh.LayOutTheChildren();
  refresh.ApplyPointersAndLock();
  refresh.DrawTheFrame();
  refresh.ShowTheSpinButtons();
  refresh.TakeTheContainersToolTip();
  refresh.ShowTheDisplayFormatUnlessFocused();
}

}  // namespace kovra
