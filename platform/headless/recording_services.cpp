#include "platform/headless/recording_services.h"

namespace kovra::headless {

void RecordingContainer::RaiseEvent(int dispatchId, std::span<EventArgument> arguments) {
  if (onEvent) onEvent(dispatchId, arguments);
  if (!recording) return;
  RaisedEvent raised{dispatchId, {}};
  raised.arguments.reserve(arguments.size());
  for (const EventArgument& argument : arguments) {
    std::visit(
        [&](auto* variable) {
          if constexpr (std::is_same_v<decltype(variable), DataObject*>) {
            const auto text = variable->data.find(1);
            raised.arguments.emplace_back(text == variable->data.end() ? L"" : text->second);
          } else {
            raised.arguments.emplace_back(*variable);
          }
        },
        argument);
  }
  if (journal != nullptr) journal->entries.emplace_back(raised);
  events.push_back(std::move(raised));
}

void RecordingContainer::PropertyChanged(std::wstring_view name, std::int32_t dispatchId) {
  changedProperties.emplace_back(name);
  changedDispatchIds.push_back(dispatchId);
  if (journal != nullptr) {
    journal->entries.emplace_back(ChangedProperty{std::wstring(name), dispatchId});
  }
}

}  // namespace kovra::headless
