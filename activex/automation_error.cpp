#include "activex/automation_error.h"

#include <oleauto.h>

#include "activex/com_error.h"
#include "activex/com_ptr.h"
#include "activex/identifiers.h"
#include "activex/registration_table.h"
#include "base/control_error.h"

namespace kovra::activex {
namespace {

std::wstring Widen(const char* text) {
  std::wstring wide;
  for (const char* c = text; *c != '\0'; ++c) wide.push_back(static_cast<unsigned char>(*c));
  return wide;
}

}  // namespace

Failure CurrentFailure() noexcept {
  Failure failure{CurrentExceptionResult(), {}, false};
  try {
    throw;
  } catch (const ControlError& error) {
    failure.controlError = true;
    try {
      failure.description = Widen(error.what());
    } catch (...) {
      // No room for the text: the number alone still tells what failed.
    }
  } catch (...) {
  }
  return failure;
}

void Publish(const Failure& failure) noexcept {
  if (failure.description.empty()) {
    ::SetErrorInfo(0, nullptr);
    return;
  }
  ComPtr<ICreateErrorInfo> creating;
  if (FAILED(::CreateErrorInfo(creating.Put()))) return;
  creating->SetGUID(kControlInterface.id);
  creating->SetSource(const_cast<LPOLESTR>(kVersionIndependentProgId.data()));
  creating->SetDescription(const_cast<LPOLESTR>(failure.description.c_str()));
  if (const ComPtr<IErrorInfo> info = creating.As<IErrorInfo>()) ::SetErrorInfo(0, info.get());
}

void Describe(const Failure& failure, EXCEPINFO* info) noexcept {
  if (info == nullptr) return;
  *info = EXCEPINFO{};
  info->scode = failure.result;
  info->bstrSource = ::SysAllocStringLen(kVersionIndependentProgId.data(),
                                         static_cast<UINT>(kVersionIndependentProgId.size()));
  if (!failure.description.empty()) {
    info->bstrDescription = ::SysAllocStringLen(failure.description.data(),
                                                static_cast<UINT>(failure.description.size()));
  }
}

}  // namespace kovra::activex
