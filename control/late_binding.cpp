// KovraDouble's late-bound entries and its persistence entries, over the member table.
#include "base/control_error.h"
#include "control/kovra_double.h"
#include "control/persistence.h"
#include "control/property_access.h"
#include "core/member_table.h"

namespace kovra {

namespace {

const Member& Known(const Member* member) {
  if (member == nullptr) throw ControlError(ErrorCode::NotSupported);
  return *member;
}

}  // namespace

Variant KovraDouble::GetProperty(std::wstring_view name) {
  return kovra::GetProperty(*this, Known(FindMember(name)));
}

void KovraDouble::PutProperty(std::wstring_view name, const Variant& value, PutKind kind) {
  kovra::PutProperty(*this, Known(FindMember(name)), value, kind);
}

void KovraDouble::Invoke(std::wstring_view name, std::span<const Variant> arguments) {
  InvokeMethod(*this, Known(FindMember(name)), arguments);
}

Variant KovraDouble::GetProperty(std::int32_t dispatchId) {
  return kovra::GetProperty(*this, Known(FindMember(dispatchId)));
}

void KovraDouble::PutProperty(std::int32_t dispatchId, const Variant& value, PutKind kind) {
  kovra::PutProperty(*this, Known(FindMember(dispatchId)), value, kind);
}

void KovraDouble::Invoke(std::int32_t dispatchId, std::span<const Variant> arguments) {
  InvokeMethod(*this, Known(FindMember(dispatchId)), arguments);
}

void KovraDouble::WriteProperties(PropertyBag& bag) { kovra::WriteProperties(*this, bag); }

void KovraDouble::ReadProperties(PropertyBag& bag) { kovra::ReadProperties(*this, bag); }

}  // namespace kovra
