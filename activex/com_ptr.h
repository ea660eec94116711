// ComPtr<T>: owns one reference to a COM interface. Copying adds a reference, moving passes it
// on, and the destructor releases it, so every reference this library takes is given back
// exactly once on every path, exceptions included.
#pragma once

#include <objbase.h>

#include <cstddef>
#include <utility>

namespace kovra::activex {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a reference of its own to `p`.
  explicit ComPtr(T* p) : p_(p) {
    if (p_ != nullptr) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ~ComPtr() { Reset(); }

  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  // Owns `p`'s reference, which the caller already holds (a fresh object, an out parameter).
  static ComPtr Adopt(T* p) {
    ComPtr owner;
    owner.p_ = p;
    return owner;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // The slot an API fills with a new reference; whatever was held before is released first.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  // Gives the reference to the caller, who must release it.
  T* Detach() { return std::exchange(p_, nullptr); }

  void Reset() {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }

  // Asks the object for interface U; an empty holder when it has none.
  template <typename U>
  ComPtr<U> As() const {
    ComPtr<U> other;
    if (p_ != nullptr) p_->QueryInterface(__uuidof(U), other.PutVoid());
    return other;
  }

  // Hands a new reference to an out parameter of a COM method.
  HRESULT CopyTo(REFIID iid, void** out) const {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return p_ != nullptr ? p_->QueryInterface(iid, out) : E_NOINTERFACE;
  }

  friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.p_ == b.p_; }

 private:
  T* p_ = nullptr;
};

}  // namespace kovra::activex
