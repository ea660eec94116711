// How a failure reaches a client. The control's errors become results of the control facility
// that carry their Automation number (Type mismatch, 13, is 0x800A000D), as compiled clients
// expect; every failure is also published as the thread's error information (IErrorInfo), and
// late-bound callers get it in their EXCEPINFO. Nothing is ever thrown across the interface.
#pragma once

#include <oaidl.h>

#include <string>

namespace kovra::activex {

struct Failure {
  HRESULT result;
  std::wstring description;  // empty for failures that are not the control's own
  bool controlError;         // the control refused the call (rather than COM or memory)
};

// The failure the exception being handled stands for. Call only inside a catch block.
Failure CurrentFailure() noexcept;

// Makes `failure` the thread's error information, naming the control's interface and the
// control as its source (failures without a description clear what was there).
void Publish(const Failure& failure) noexcept;

// Describes `failure` in a late-bound caller's EXCEPINFO (which may be null).
void Describe(const Failure& failure, EXCEPINFO* info) noexcept;

// Runs `body`; any exception it throws is published and turned into its result.
template <typename Body>
HRESULT Reported(Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (...) {
    const Failure failure = CurrentFailure();
    Publish(failure);
    return failure.result;
  }
}

}  // namespace kovra::activex
