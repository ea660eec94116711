#include "activex/served_classes.h"

#include <array>

#include "activex/com_error.h"
#include "activex/identifiers.h"

namespace kovra::activex {
namespace {

// Stands in for the control until the control object is plugged in: an object that answers
// IUnknown alone, so that a host can already find, load and create the class (registered or
// through a manifest), and count and release its instances.
class StandInControl final : public ComObject<StandInControl, IUnknown> {};

HRESULT CreateControl(REFIID iid, void** out) {
  return Guarded([&] { return MakeObject<StandInControl>().CopyTo(iid, out); });
}

const std::array<ServedClass, 4> kServedClasses{{
    {&kControlClass.id, &CreateControl},
    // The property pages are registered; they become creatable with their page objects.
    {&kPages[0].pageClass.id, nullptr},
    {&kPages[1].pageClass.id, nullptr},
    {&kPages[2].pageClass.id, nullptr},
}};

}  // namespace

const ServedClass* FindServedClass(REFCLSID id) {
  for (const ServedClass& served : kServedClasses) {
    if (::IsEqualGUID(id, *served.id)) return &served;
  }
  return nullptr;
}

}  // namespace kovra::activex
