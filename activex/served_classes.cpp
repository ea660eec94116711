#include "activex/served_classes.h"

#include <array>

#include "activex/control_object.h"
#include "activex/identifiers.h"
#include "activex/property_page_object.h"

namespace kovra::activex {
namespace {

const std::array<ServedClass, 4> kServedClasses{{
    {&kControlClass.id, &ControlObject::Create},
    {&kPages[0].pageClass.id, &PropertyPageObject::CreateGeneral},
    {&kPages[1].pageClass.id, &PropertyPageObject::CreateXp},
    {&kPages[2].pageClass.id, &PropertyPageObject::CreateFormat},
}};

}  // namespace

const ServedClass* FindServedClass(REFCLSID id) {
  for (const ServedClass& served : kServedClasses) {
    if (::IsEqualGUID(id, *served.id)) return &served;
  }
  return nullptr;
}

}  // namespace kovra::activex
