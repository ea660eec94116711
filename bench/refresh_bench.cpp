// The cost of a full refresh of a 120 × 21 control with spin buttons — theme decision, masks,
// children, layout, the classic frame and both buttons painted — next to the least a repaint
// could cost: clearing the same three surfaces.
#include "bench/ratio_report.h"
#include "control/kovra_double.h"
#include "core/enumerations.h"
#include "platform/headless/headless_platform.h"
#include "testing/control_probe.h"

namespace {

struct PlacedControl {
  PlacedControl() : control(platform) {
    control.SetContainer(&platform.container);
    control.Initialize();
    control.InitProperties();
    kovra::PropertyMembers& p = kovra::probe::State(control).properties;
    p.buttonSpin = kovra::kTrue;
    p.appearance = kovra::appearance::Standard3DAppearance;
    control.UserControl().SetExtent(120, 21);
  }
  kovra::headless::HeadlessPlatform platform;
  kovra::KovraDouble control;
};

void FullRefresh(benchmark::State& state) {
  PlacedControl placed;
  for (auto _ : state) {
    placed.control.UserControl_Resize();
    benchmark::ClobberMemory();
  }
}

void BaselineClearSurfaces(benchmark::State& state) {
  PlacedControl placed;
  for (auto _ : state) {
    placed.control.UserControl().Cls();
    placed.control.Up().Cls();
    placed.control.Down().Cls();
    benchmark::ClobberMemory();
  }
}

}  // namespace

KOVRA_BENCHMARK("FullRefresh/120x21,spin,classic", FullRefresh);
KOVRA_BENCHMARK("Baseline/clear 3 surfaces", BaselineClearSurfaces);
KOVRA_RATIO("FullRefresh/120x21,spin,classic", "Baseline/clear 3 surfaces");
