#include "activex/registration.h"

#include <oleauto.h>

#include <filesystem>
#include <string>

#include "activex/com_error.h"
#include "activex/com_ptr.h"
#include "activex/com_values.h"
#include "activex/identifiers.h"
#include "activex/module.h"
#include "activex/registry.h"
#include "core/member_table.h"

#ifdef __MINGW32__
// Present in oleaut32 since Windows Vista; the MinGW headers do not declare them.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path,
                                                 OLECHAR* helpFolder);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID library, WORD major, WORD minor,
                                                   LCID locale, SYSKIND system);
#endif

namespace kovra::activex {
namespace {

constexpr SYSKIND kSystem = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

constexpr wchar_t kClasses[] = L"Software\\Classes";

HKEY Hive(RegistrationScope scope) {
  return scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// While it lives, HKEY_CLASSES_ROOT of this process means the classes key of one hive, so that
// type-library registration, which works through it, reads and writes that hive alone (Wine's
// RegisterTypeLibForUser registers "for the user" through it too).
class ClassesRootRedirect {
 public:
  explicit ClassesRootRedirect(HKEY classes) {
    ThrowIfFailed(
        HRESULT_FROM_WIN32(static_cast<DWORD>(::RegOverridePredefKey(HKEY_CLASSES_ROOT, classes))));
  }
  ~ClassesRootRedirect() { ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr); }
  ClassesRootRedirect(const ClassesRootRedirect&) = delete;
  ClassesRootRedirect& operator=(const ClassesRootRedirect&) = delete;
};

void RegisterTypeLibrary(RegistrationScope scope, HKEY classesRoot, const std::wstring& path) {
  ComPtr<ITypeLib> library;
  ThrowIfFailed(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put()));
  // The help file sits beside the library.
  std::wstring folder = std::filesystem::path(path).parent_path().wstring();
  std::wstring fullPath = path;
  const ClassesRootRedirect redirect(classesRoot);
  ThrowIfFailed(scope == RegistrationScope::Machine
                    ? ::RegisterTypeLib(library.get(), fullPath.data(), folder.data())
                    : ::RegisterTypeLibForUser(library.get(), fullPath.data(), folder.data()));
}

// Removes the type library's keys, if it is registered in the hive.
void UnregisterTypeLibrary(RegistrationScope scope, HKEY classesRoot) {
  const ClassesRootRedirect redirect(classesRoot);
  Bstr registeredPath;
  if (FAILED(::QueryPathOfRegTypeLib(kLibraryId, kLibraryMajorVersion, kLibraryMinorVersion,
                                     kTypeLibraryLocale, registeredPath.Put()))) {
    return;
  }
  ThrowIfFailed(scope == RegistrationScope::Machine
                    ? ::UnRegisterTypeLib(kLibraryId, kLibraryMajorVersion, kLibraryMinorVersion,
                                          kTypeLibraryLocale, kSystem)
                    : ::UnRegisterTypeLibForUser(kLibraryId, kLibraryMajorVersion,
                                                 kLibraryMinorVersion, kTypeLibraryLocale,
                                                 kSystem));
}

void RemoveClasses(HKEY classesRoot, const std::wstring& path) {
  for (const std::wstring& key : OwnedKeys(RegistryEntries(path))) RemoveTree(classesRoot, key);
}

// Registration may have made the containers of its keys in a user's hive that had none (a
// fresh Wine prefix has not even the classes key); they go again once empty.
void RemoveEmptyContainers(HKEY classesRoot) {
  for (const wchar_t* container : {L"CLSID", L"TypeLib", L"Interface"}) {
    RemoveIfEmpty(classesRoot, container);
  }
}

}  // namespace

HRESULT Register(RegistrationScope scope) noexcept {
  const HRESULT result = Guarded([&] {
    const std::wstring path = module::Path();
    const RegistryKey root = RegistryKey::Create(Hive(scope), kClasses);
    WriteEntries(root.get(), RegistryEntries(path));
    RegisterTypeLibrary(scope, root.get(), path);
    return S_OK;
  });
  if (FAILED(result)) Unregister(scope);
  return result;
}

HRESULT Unregister(RegistrationScope scope) noexcept {
  // Every step runs even after one has failed, so that as little as possible stays behind.
  HRESULT first = S_OK;
  const auto step = [&](auto&& body) {
    const HRESULT result = Guarded([&] {
      const RegistryKey root = RegistryKey::Open(Hive(scope), kClasses, KEY_ALL_ACCESS);
      if (root) body(root.get());  // no classes key: nothing was registered there
      return S_OK;
    });
    if (SUCCEEDED(first)) first = result;
  };
  step([&](HKEY root) { UnregisterTypeLibrary(scope, root); });
  step([&](HKEY root) { RemoveClasses(root, module::Path()); });
  if (scope == RegistrationScope::User) {
    step([](HKEY root) { RemoveEmptyContainers(root); });
    // The classes key itself, when registration made it; a failure here leaves an empty key.
    Guarded([] {
      RemoveIfEmpty(HKEY_CURRENT_USER, kClasses);
      return S_OK;
    });
  }
  return first;
}

}  // namespace kovra::activex
