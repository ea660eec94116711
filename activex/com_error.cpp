#include "activex/com_error.h"

#include <new>
#include <system_error>

#include "base/control_error.h"

namespace kovra::activex {

HRESULT CurrentExceptionResult() noexcept {
  try {
    throw;
  } catch (const ComError& error) {
    return error.result();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const ControlError& error) {
    return ControlResult(static_cast<int>(error.code()));
  } catch (const std::system_error& error) {
    return HRESULT_FROM_WIN32(static_cast<DWORD>(error.code().value()));
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace kovra::activex
