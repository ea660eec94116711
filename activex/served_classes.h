// The classes this library serves, and how each is created. A class whose creator is still
// missing is registered (containers and designers see it) but not creatable yet.
#pragma once

#include <objbase.h>

#include "activex/class_factory.h"

namespace kovra::activex {

struct ServedClass {
  const CLSID* id;
  Creator create;  // nullptr: not creatable yet
};

// The class with identifier `id`, or nullptr.
const ServedClass* FindServedClass(REFCLSID id);

}  // namespace kovra::activex
