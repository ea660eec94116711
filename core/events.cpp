#include "core/events.h"

#include <array>

namespace kovra::event {

std::wstring_view Name(int dispatchId) {
  static constexpr std::array<std::wstring_view, 18> kNames{
      L"Change",      L"Click",       L"DblClick",   L"KeyDown",      L"KeyPress",
      L"KeyUp",       L"MouseDown",   L"MouseMove",  L"MouseUp",      L"OLECompleteDrag",
      L"OLEDragDrop", L"OLEDragOver", L"OLESetData", L"OLEStartDrag", L"OLEGiveFeedback",
      L"MouseEnter",  L"MouseExit",   L"ButtonSpin"};
  if (dispatchId < 1 || dispatchId > static_cast<int>(kNames.size())) return {};
  return kNames[static_cast<std::size_t>(dispatchId - 1)];
}

}  // namespace kovra::event
