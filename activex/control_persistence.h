// Saving and loading a control object's properties, whatever the store: the control writes its
// values into a SavedProperties, and loading applies one that was read and checked in full. A
// load that fails leaves the control with the properties it had before.
#pragma once

#include <objbase.h>

#include "activex/saved_properties.h"

namespace kovra::activex {

class ControlObject;

// The control's values in the saved order (a control that has no properties yet takes its
// defaults first). Throws ControlError (Type mismatch) when its text is not a number.
SavedProperties SaveControl(ControlObject& object);

// Gives the control the properties in `saved`, after checking them; the control counts as
// loaded and unchanged. When they are refused or cannot be applied, the control keeps the
// properties it had (a control that had none is as new) and the error is thrown.
void LoadControl(ControlObject& object, SavedProperties& saved);

// InitNew: a new control takes its defaults. E_UNEXPECTED when a container has given it its
// properties already.
HRESULT InitNewControl(ControlObject& object);

}  // namespace kovra::activex
