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

// The result that carries an Automation error number (13, Type mismatch, is 0x800A000D): the
// form in which a control reports its errors to compiled clients.
inline HRESULT ControlResult(int number) {
  return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
}

// Throws ComError for a failure result.
inline void ThrowIfFailed(HRESULT result) {
  if (FAILED(result)) throw ComError(result);
}

// The HRESULT for the exception being handled: E_OUTOFMEMORY for std::bad_alloc, the carried
// result for ComError, the control facility's result with the Automation number for a
// ControlError, the system's error for std::system_error, E_UNEXPECTED for anything else. Call
// only inside a catch block.
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
