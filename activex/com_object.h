// The base of every COM object in this library: a thread-safe reference count, QueryInterface
// driven by a table of the interfaces the object answers, and the module's object count (an
// object keeps the library loaded while it lives).
//
//   class Factory final : public ComObject<Factory, IClassFactory> { ... };
//
// answers IUnknown and IClassFactory. An object that answers an identifier through another of
// its bases (IDispatch through its dual interface) lists its rows itself:
//
//   static std::span<const InterfaceEntry<Control>> Interfaces() {
//     static const InterfaceEntry<Control> rows[] = {Answers<Control, IControl>(),
//                                                    Answers<Control, IDispatch, IControl>()};
//     return rows;
//   }
//
// IUnknown is always answered, by the first row, so that the object's identity is one pointer.
#pragma once

#include <objbase.h>

#include <atomic>
#include <span>
#include <utility>

#include "activex/com_ptr.h"
#include "activex/module.h"

namespace kovra::activex {

// One row of an object's interface table: the identifier asked for and the base that answers.
template <typename Object>
struct InterfaceEntry {
  const IID* iid;
  IUnknown* (*reach)(Object& object);
};

// The row that answers `Asked` with the object's base `Via` (by default `Asked` itself).
template <typename Object, typename Asked, typename Via = Asked>
InterfaceEntry<Object> Answers() {
  return {&__uuidof(Asked), [](Object& object) -> IUnknown* { return static_cast<Via*>(&object); }};
}

// The interface a base answers: the base itself, or the interface a base that implements part
// of one for its object names as `Answered` (UntypedDispatch<IDispatch> answers IDispatch).
template <typename Base>
struct AnsweredBy {
  using type = Base;
};
template <typename Base>
requires requires { typename Base::Answered; }
struct AnsweredBy<Base> {
  using type = typename Base::Answered;
};

template <typename Object, typename... Bases>
class ComObject : public Bases... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) final {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    const std::span<const InterfaceEntry<Object>> rows = Table();
    Object& self = static_cast<Object&>(*this);
    for (const InterfaceEntry<Object>& row : rows) {
      if (::IsEqualGUID(iid, *row.iid) || (::IsEqualGUID(iid, IID_IUnknown) && &row == &rows[0])) {
        IUnknown* answer = row.reach(self);
        answer->AddRef();
        *out = answer;
        return S_OK;
      }
    }
    return E_NOINTERFACE;
  }

  ULONG STDMETHODCALLTYPE AddRef() final { return ++references_; }

  ULONG STDMETHODCALLTYPE Release() final {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() { module::ObjectCreated(); }
  virtual ~ComObject() { module::ObjectDestroyed(); }

  // The references held now.
  ULONG References() const { return references_.load(); }

 private:
  // The object's own table when it lists one; otherwise one row per base interface.
  static std::span<const InterfaceEntry<Object>> Table() {
    if constexpr (requires { Object::Interfaces(); }) {
      return Object::Interfaces();
    } else {
      static const InterfaceEntry<Object> rows[] = {
          Answers<Object, typename AnsweredBy<Bases>::type, Bases>()...};
      return rows;
    }
  }

  std::atomic<ULONG> references_{1};
};

// A new object, held by its first reference.
template <typename Object, typename... Arguments>
ComPtr<Object> MakeObject(Arguments&&... arguments) {
  return ComPtr<Object>::Adopt(new Object(std::forward<Arguments>(arguments)...));
}

}  // namespace kovra::activex
