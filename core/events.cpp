#include "core/events.h"

#include "core/member_table.h"

namespace kovra::event {

std::wstring_view Name(int dispatchId) {
  const EventInfo* info = FindEvent(dispatchId);
  return info != nullptr ? info->name : std::wstring_view{};
}

}  // namespace kovra::event
