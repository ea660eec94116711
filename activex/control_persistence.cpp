#include "activex/control_persistence.h"

#include <optional>

#include "activex/automation_error.h"
#include "activex/control_object.h"
#include "base/control_error.h"

namespace kovra::activex {

SavedProperties SaveControl(ControlObject& object) {
  SavedProperties saved;
  object.Control().WriteProperties(saved);
  return saved;
}

void LoadControl(ControlObject& object, SavedProperties& saved) {
  saved.Check();
  // What to go back to: the values the control has now, when it has any that can be saved.
  std::optional<SavedProperties> earlier;
  const bool wasDirty = object.Dirty();
  if (object.GetOrigin() != ControlObject::Origin::None) {
    try {
      earlier = SaveControl(object);
    } catch (const ControlError&) {
      // A text that is not a number cannot be saved; a failed load then leaves a new control.
    }
  }
  try {
    object.Existing().ReadProperties(saved);
  } catch (...) {
    bool restored = false;
    if (earlier) {
      try {
        object.Existing().ReadProperties(*earlier);
        if (!wasDirty) object.MarkClean();
        restored = true;
      } catch (...) {
      }
    }
    if (!restored) object.Renew();
    throw;
  }
  object.SetOrigin(ControlObject::Origin::Loaded);
  object.MarkClean();
}

HRESULT InitNewControl(ControlObject& object) {
  if (object.GetOrigin() == ControlObject::Origin::New ||
      object.GetOrigin() == ControlObject::Origin::Loaded) {
    return E_UNEXPECTED;
  }
  return Reported([&] {
    object.Existing().InitProperties();
    object.SetOrigin(ControlObject::Origin::New);
    object.MarkClean();
  });
}

}  // namespace kovra::activex
