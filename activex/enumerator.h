// The standard enumerator of a snapshot of items (IEnumConnectionPoints, IEnumConnections): the
// items are copied, each with a reference of its own, when the enumerator is made, so that
// connecting and disconnecting while a client enumerates changes nothing it sees.
#pragma once

#include <objbase.h>

#include <algorithm>
#include <vector>

#include "activex/com_error.h"
#include "activex/com_object.h"

namespace kovra::activex {

// Traits: `static void Keep(const Item&)` takes a reference, `static void Drop(Item&)` gives it
// back.
template <typename Enum, typename Item, typename Traits>
class Enumerator final : public ComObject<Enumerator<Enum, Item, Traits>, Enum> {
 public:
  explicit Enumerator(std::vector<Item> items, std::size_t next = 0)
      : items_(std::move(items)), next_(next) {
    for (const Item& item : items_) Traits::Keep(item);
  }
  ~Enumerator() override {
    for (Item& item : items_) Traits::Drop(item);
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* out, ULONG* fetched) override {
    if (out == nullptr || (count != 1 && fetched == nullptr)) return E_POINTER;
    ULONG given = 0;
    while (given < count && next_ < items_.size()) {
      out[given] = items_[next_++];
      Traits::Keep(out[given]);
      ++given;
    }
    if (fetched != nullptr) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = items_.size() - next_;
    next_ += std::min<std::size_t>(count, left);
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(Enum** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return Guarded([&] {
      *out = MakeObject<Enumerator>(items_, next_).Detach();
      return S_OK;
    });
  }

 private:
  std::vector<Item> items_;
  std::size_t next_;
};

}  // namespace kovra::activex
