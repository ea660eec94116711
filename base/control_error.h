// The one error type that reaches a caller of the control. It carries the Automation-style
// error number a host program sees; activex/ turns it into an HRESULT and EXCEPINFO.
#pragma once

#include <stdexcept>
#include <string>

namespace kovra {

enum class ErrorCode : int {
  InvalidArgument = 5,         // "Invalid procedure call or argument"
  Overflow = 6,                // a number does not fit the target type
  TypeMismatch = 13,           // a text that is not a number, or a value of the wrong kind
  LinkNotActive = 282,         // "No foreign application responded to a DDE initiate"
  InvalidPropertyValue = 380,  // a saved value that a property cannot take
  ReadOnly = 383,              // a put on a property that can only be read
  NotSupported = 438,  // no such member, or not reached that way (a let where only set exists)
};

class ControlError : public std::runtime_error {
 public:
  explicit ControlError(ErrorCode code);
  ControlError(ErrorCode code, const std::string& message);

  ErrorCode code() const noexcept { return code_; }

 private:
  ErrorCode code_;
};

// The message an Automation client shows for each error number.
const char* DescribeError(ErrorCode code) noexcept;

}  // namespace kovra
