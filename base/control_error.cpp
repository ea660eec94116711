#include "base/control_error.h"

namespace kovra {

ControlError::ControlError(ErrorCode code) : ControlError(code, DescribeError(code)) {}

ControlError::ControlError(ErrorCode code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

const char* DescribeError(ErrorCode code) noexcept {
  switch (code) {
    case ErrorCode::InvalidArgument:
      return "Invalid procedure call or argument";
    case ErrorCode::Overflow:
      return "Overflow";
    case ErrorCode::TypeMismatch:
      return "Type mismatch";
    case ErrorCode::LinkNotActive:
      return "No foreign application responded to a DDE initiate";
    case ErrorCode::InvalidPropertyValue:
      return "Invalid property value";
    case ErrorCode::ReadOnly:
      return "Set not supported (read-only property)";
    case ErrorCode::NotSupported:
      return "Object doesn't support this property or method";
  }
  return "Unexpected error";
}

}  // namespace kovra
