// Text1's OLE drag-and-drop events, passed on to the container: each argument refers to the
// variable Text1 delivered, so what the container's handler changes goes back to Text1.
#include <array>

#include "control/kovra_double.h"
#include "core/events.h"

namespace kovra {

namespace {

template <std::size_t N>
void Raise(KovraDouble& control, int dispatchId, std::array<EventArgument, N> arguments) {
  control.Site().RaiseEvent(dispatchId, arguments);
}

}  // namespace

void KovraDouble::Text1_OLECompleteDrag(std::int32_t& effect) {
  Raise<1>(*this, event::OLECompleteDrag, {&effect});
}

void KovraDouble::Text1_OLEDragDrop(DataObject& data, std::int32_t& effect, std::int16_t& button,
                                    std::int16_t& shift, float& x, float& y) {
  Raise<6>(*this, event::OLEDragDrop, {&data, &effect, &button, &shift, &x, &y});
}

void KovraDouble::Text1_OLEDragOver(DataObject& data, std::int32_t& effect, std::int16_t& button,
                                    std::int16_t& shift, float& x, float& y, std::int16_t& state) {
  Raise<7>(*this, event::OLEDragOver, {&data, &effect, &button, &shift, &x, &y, &state});
}

void KovraDouble::Text1_OLESetData(DataObject& data, std::int16_t& dataFormat) {
  Raise<2>(*this, event::OLESetData, {&data, &dataFormat});
}

void KovraDouble::Text1_OLEStartDrag(DataObject& data, std::int32_t& allowedEffects) {
  Raise<2>(*this, event::OLEStartDrag, {&data, &allowedEffects});
}

void KovraDouble::Text1_OLEGiveFeedback(std::int32_t& effect, std::int16_t& defaultCursors) {
  Raise<2>(*this, event::OLEGiveFeedback, {&effect, &defaultCursors});
}

}  // namespace kovra
