// Failures inside this library travel as exceptions; at every COM boundary they turn back into
// an HRESULT, so that no exception ever crosses into the caller.
#pragma once

#include <objbase.h>

#include <stdexcept>

namespace kovra::activex {

// A failed COM or Win32 call, with the result it gave.
class ComError : public std::runtime_error {
 public:
  explicit ComError(HRESULT result) : std::runtime_error("COM call failed"), result_(result) {}
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

// Throws ComError for a failure result.
inline void ThrowIfFailed(HRESULT result) {
  if (FAILED(result)) throw ComError(result);
}

// The HRESULT for the exception being handled: E_OUTOFMEMORY for std::bad_alloc, the carried
// result for ComError, E_UNEXPECTED for anything else. Call only inside a catch block.
HRESULT CurrentExceptionResult() noexcept;

// Runs `body` (which returns an HRESULT) and turns any exception it throws into its HRESULT.
template <typename Body>
HRESULT Guarded(Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return CurrentExceptionResult();
  }
}

}  // namespace kovra::activex
