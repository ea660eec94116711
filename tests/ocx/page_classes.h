// The library's three property-page classes offered to COM for the life of a scope
// (CoRegisterClassObject with the library's own factories), so that a property frame finds them
// by class identifier although nothing is registered.
#pragma once

#include <windows.h>

#include <vector>

namespace kovra::ocx_test {

class LibraryPageClasses {
 public:
  LibraryPageClasses();
  ~LibraryPageClasses();
  LibraryPageClasses(const LibraryPageClasses&) = delete;
  LibraryPageClasses& operator=(const LibraryPageClasses&) = delete;

  // Whether every page class is offered.
  bool Offered() const;

 private:
  std::vector<DWORD> cookies_;
};

}  // namespace kovra::ocx_test
