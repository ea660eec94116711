// Owners for the two Automation values that carry memory of their own: a BSTR (freed with
// SysFreeString) and a VARIANT (cleared with VariantClear). Each is freed exactly once by its
// owner; copies are deep.
#pragma once

#include <ole2.h>

#include <new>
#include <string_view>
#include <utility>

#include "activex/com_error.h"
#include "base/lifetimebound.h"

namespace kovra::activex {

class Bstr {
 public:
  Bstr() = default;
  // A copy of `text`, embedded null characters included. Throws std::bad_alloc.
  explicit Bstr(std::wstring_view text)
      : b_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (b_ == nullptr) throw std::bad_alloc();
  }
  Bstr(const Bstr& other) : Bstr(other.view()) {}
  Bstr(Bstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
  Bstr& operator=(Bstr other) noexcept {
    std::swap(b_, other.b_);
    return *this;
  }
  ~Bstr() { ::SysFreeString(b_); }

  // Owns a string the caller was handed by an API.
  static Bstr Adopt(BSTR b) {
    Bstr owner;
    owner.b_ = b;
    return owner;
  }

  BSTR get() const { return b_; }
  // The slot an API fills with a new string; the old one is freed first.
  BSTR* Put() {
    ::SysFreeString(std::exchange(b_, nullptr));
    return &b_;
  }
  // Gives the string to the caller (an out parameter), who must free it.
  BSTR Detach() { return std::exchange(b_, nullptr); }

  // The text; a null BSTR reads as empty. Valid while this owner holds the same string.
  std::wstring_view view() const KOVRA_LIFETIMEBOUND {
    return b_ != nullptr ? std::wstring_view(b_, ::SysStringLen(b_)) : std::wstring_view();
  }

 private:
  BSTR b_ = nullptr;
};

class ComVariant {
 public:
  ComVariant() { ::VariantInit(&v_); }
  // Throws ComError when the value cannot be copied.
  ComVariant(const ComVariant& other) : ComVariant() {
    // VariantCopy only reads its source; older headers declare it non-constant.
    ThrowIfFailed(::VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)));
  }
  ComVariant(ComVariant&& other) noexcept : v_(other.v_) { ::VariantInit(&other.v_); }
  ComVariant& operator=(ComVariant other) noexcept {
    std::swap(v_, other.v_);
    return *this;
  }
  ~ComVariant() { ::VariantClear(&v_); }

  const VARIANT& get() const KOVRA_LIFETIMEBOUND { return v_; }
  // The slot an API fills; the old value is cleared first.
  VARIANT* Put() KOVRA_LIFETIMEBOUND {
    ::VariantClear(&v_);
    return &v_;
  }
  // Moves the value into an out parameter the caller will clear.
  void Detach(VARIANT* out) {
    *out = v_;
    ::VariantInit(&v_);
  }

 private:
  VARIANT v_;
};

}  // namespace kovra::activex
