#include "activex/served_classes.h"

#include <array>

#include "activex/control_object.h"
#include "activex/identifiers.h"

namespace kovra::activex {
namespace {

const std::array<ServedClass, 4> kServedClasses{{
    {&kControlClass.id, &ControlObject::Create},
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
