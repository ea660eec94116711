// Registering the control library with the system: the classes of the registration table and
// the type library embedded in the library file, for all users or for the current user only.
#pragma once

#include <objbase.h>

namespace kovra::activex {

enum class RegistrationScope {
  Machine,  // HKEY_LOCAL_MACHINE\Software\Classes: every user; needs administrator rights
  User,     // HKEY_CURRENT_USER\Software\Classes: this user; no rights needed
};

// Writes the classes and registers the type library. On failure nothing stays behind and the
// failure is returned (E_ACCESSDENIED as an HRESULT for a machine-wide attempt without rights).
HRESULT Register(RegistrationScope scope) noexcept;

// Removes exactly what Register wrote; S_OK also when nothing was registered.
HRESULT Unregister(RegistrationScope scope) noexcept;

}  // namespace kovra::activex
