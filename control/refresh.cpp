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

}  // namespace

void RunFullRefresh(RefreshParts r) {
  // 1. Dropped, not deferred, while the control rewrites its text.
  if (r.state.changeGuard != 0) return;
  PropertyMembers& p = r.state.properties;
  DrawingServices& drawing = r.platform.GetDrawing();
  Container& container = r.container;
  const LayoutParts layout{r.surface, r.text1, r.up, r.down, drawing};

  // 3. A clean, pixel-scaled surface that keeps what is drawn on it.
  Try([&] { r.surface.Cls(); });
  Try([&] { r.surface.SetScaleMode(ScaleUnit::Pixels); });
  Try([&] { r.surface.SetAutoRedraw(true); });

  // 4. System colours, and the theme decision: no theme library, no automatic theme.
  Try([&] { r.state.systemColours = LoadSystemColors(drawing); });
  if (!r.state.themeLibraryAvailable && p.xpGetTheme == xp_get_theme::AutomaticGetTheme) {
    p.xpGetTheme = xp_get_theme::ManualGetTheme;
  }

  // 5. The edit format, remembered as both undo texts and as the accepted text.
  Try([&] {
    const ChangeGuardScope guard(r.state);
    r.entry.ApplyMask(r.entry.EditMask());
    const std::wstring text = r.text1.Text();
    r.state.firstUndoText = text;
    r.state.secondUndoText = text;
    r.entry.RememberAcceptedText(text);
  });

  // 6. and 7. Enabled states and the back colour.
  const bool enabled = p.enabled != kFalse;
  Try([&] { r.surface.SetEnabled(enabled); });
  Try([&] { r.up.SetEnabled(enabled); });
  Try([&] { r.down.SetEnabled(enabled); });
  const Rgb back = TranslateColor(drawing, p.backColor);
  Try([&] { r.text1.SetBackColor(back); });
  Try([&] { r.surface.SetBackColor(back); });

  // 8. Design mode always draws the control enabled.
  if (!RunMode(container) || enabled) {
    Try([&] { r.text1.SetEnabled(true); });
    Try([&] { r.text1.SetForeColor(TranslateColor(drawing, p.foreColor)); });
  } else {
    Try([&] { r.text1.SetEnabled(false); });
    if (p.appearance == appearance::WindowsAppearance &&
        p.xpGetTheme == xp_get_theme::ManualGetTheme) {
      Try([&] { r.surface.SetBackColor(kDisabledManualBack); });
      Try([&] { r.text1.SetBackColor(kDisabledManualBack); });
    }
  }

  // 9. to 11. Layout between the height rules; a height change refreshes inside.
  ApplyNewInstanceHeight(r.state, r.surface);
  ArrangeChildren(r.state, layout);
  ApplyMinimumHeight(r.state, layout);
  CentreText1(layout);

  // 12. Pointer and lock.
  Try([&] { r.text1.SetMousePointer(p.mousePointer); });
  Try([&] { r.text1.SetMouseIcon(p.mouseIcon); });
  Try([&] { r.text1.SetLocked(p.locked != kFalse); });
  if (!r.text1.Locked()) {
    Try([&] {
      r.surface.SetMousePointer(r.text1.MousePointer() > 0 ? p.mousePointer : mouse_pointer::IBeam);
    });
  } else {
    Try([&] { r.text1.SetMousePointer(mouse_pointer::Arrow); });
    Try([&] { r.surface.SetMousePointer(mouse_pointer::Arrow); });
  }

  // 13. The frame.
  if (p.appearance == appearance::WindowsAppearance) {
    Try([&] { DrawThemedFrame(p, {r.surface, r.text1, drawing, container}); });
  } else if (p.appearance == appearance::Standard3DAppearance) {
    Try([&] {
      const BevelColours colours = ChooseBevelColours(p.edit3DOption, r.state.systemColours,
                                                      TranslateColor(drawing, p.edit3DColor));
      Draw3DFrame(r.surface.Dc(), r.surface.ScaleWidth(), r.surface.ScaleHeight(), p.border3DStyle,
                  colours);
    });
  }

  // 14. A locked text box disables the buttons.
  const bool buttonsEnabled = !r.text1.Locked() && enabled;
  Try([&] { r.up.SetEnabled(buttonsEnabled); });
  Try([&] { r.down.SetEnabled(buttonsEnabled); });

  // 15. The buttons, shown and painted normal, or hidden.
  const bool spin = p.buttonSpin != kFalse;
  Try([&] { r.up.SetVisible(spin); });
  Try([&] { r.down.SetVisible(spin); });
  if (spin) {
    std::uint8_t normal = 0;
    Try([&] { r.paintUp(normal); });
    Try([&] { r.paintDown(normal); });
  }

  // 16. Spin-only mode: the text is read-only, the buttons stay enabled.
  if (spin && p.buttonSpinEdit == button_spin_edit::DisabledEdit) {
    Try([&] { r.text1.SetLocked(true); });
    Try([&] { r.text1.SetMousePointer(mouse_pointer::Arrow); });
    Try([&] { r.surface.SetMousePointer(mouse_pointer::Arrow); });
  }

  // 17. The container's tooltip.
  Try([&] { r.text1.SetToolTipText(container.ExtenderToolTipText()); });

  // 18. Without the focus, the display format.
  if (!r.state.hasFocus) {
    Try([&] {
      const ChangeGuardScope guard(r.state);
      r.entry.ApplyMask(r.entry.DisplayMask());
    });
  }
}

}  // namespace kovra
