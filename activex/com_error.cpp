#include "activex/com_error.h"

#include <new>

namespace kovra::activex {

HRESULT CurrentExceptionResult() noexcept {
  try {
    throw;
  } catch (const ComError& error) {
    return error.result();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace kovra::activex
