// The COM plumbing of the control library: holders that give every reference back exactly
// once, the table-driven QueryInterface, and the module's counts of objects and locks.
#include <gtest/gtest.h>
#include <objbase.h>
#include <objidl.h>

#include <new>
#include <stdexcept>

#include "activex/class_factory.h"
#include "activex/com_error.h"
#include "activex/com_object.h"
#include "activex/com_ptr.h"
#include "activex/com_values.h"
#include "activex/module.h"

namespace kovra::activex {
namespace {

// The references an object holds, read without changing them.
ULONG References(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

// Counts its living instances.
class Probe final : public ComObject<Probe, IPersist> {
 public:
  explicit Probe(int& alive) : alive_(alive) { ++alive_; }
  ~Probe() override { --alive_; }
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override {
    *id = CLSID_NULL;
    return S_OK;
  }

 private:
  int& alive_;
};

// Answers IPersist through its IPersistStream base, as a dual interface answers IDispatch.
class Stream final : public ComObject<Stream, IPersistStream> {
 public:
  static std::span<const InterfaceEntry<Stream>> Interfaces() {
    static const InterfaceEntry<Stream> rows[] = {Answers<Stream, IPersistStream>(),
                                                  Answers<Stream, IPersist, IPersistStream>()};
    return rows;
  }
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE Load(IStream*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
};

TEST(ComPtr, CopiesAndMovesKeepTheCountAndTheLastHolderEndsTheObject) {
  int alive = 0;
  {
    ComPtr<Probe> first = MakeObject<Probe>(alive);
    EXPECT_EQ(References(first.get()), 1u);
    ComPtr<Probe> copy = first;
    EXPECT_EQ(References(first.get()), 2u);
    ComPtr<Probe> moved = std::move(copy);
    EXPECT_FALSE(copy);
    EXPECT_EQ(References(first.get()), 2u);
    first = moved;  // assigning the same object keeps the count
    EXPECT_EQ(References(first.get()), 2u);
    moved.Reset();
    EXPECT_EQ(References(first.get()), 1u);
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}

TEST(ComPtr, AnOutParameterSlotReleasesWhatWasHeldAndAdoptsWhatComesBack) {
  int alive = 0;
  ComPtr<Probe> holder = MakeObject<Probe>(alive);
  ComPtr<IPersist> persist = holder.As<IPersist>();
  ASSERT_TRUE(persist);
  EXPECT_EQ(References(holder.get()), 2u);
  ASSERT_EQ(holder->QueryInterface(IID_IPersist, persist.PutVoid()), S_OK);
  EXPECT_EQ(References(holder.get()), 2u);  // the old reference went before the new one came
  IPersist* raw = persist.Detach();
  ComPtr<IPersist> adopted = ComPtr<IPersist>::Adopt(raw);
  EXPECT_EQ(References(holder.get()), 2u);
  adopted.Reset();
  holder.Reset();
  EXPECT_EQ(alive, 0);
}

TEST(ComObject, AnswersItsInterfacesWithOneIdentityAndRefusesOthers) {
  int alive = 0;
  ComPtr<Probe> probe = MakeObject<Probe>(alive);
  ComPtr<IUnknown> viaProbe;
  ASSERT_EQ(probe->QueryInterface(IID_IUnknown, viaProbe.PutVoid()), S_OK);
  ComPtr<IPersist> persist = probe.As<IPersist>();
  ASSERT_TRUE(persist);
  EXPECT_EQ(persist.As<IUnknown>(), viaProbe);

  void* dispatch = reinterpret_cast<void*>(1);
  EXPECT_EQ(probe->QueryInterface(IID_IDispatch, &dispatch), E_NOINTERFACE);
  EXPECT_EQ(dispatch, nullptr);
  EXPECT_EQ(probe->QueryInterface(IID_IPersist, nullptr), E_POINTER);
  EXPECT_EQ(References(probe.get()), 3u);
}

TEST(ComObject, ATableAnswersAnIdentifierThroughAnotherBase) {
  ComPtr<Stream> stream = MakeObject<Stream>();
  ComPtr<IPersist> persist = stream.As<IPersist>();
  ComPtr<IPersistStream> persistStream = stream.As<IPersistStream>();
  ASSERT_TRUE(persist && persistStream);
  EXPECT_EQ(static_cast<IPersist*>(persistStream.get()), persist.get());
  EXPECT_EQ(persist.As<IUnknown>().get(), static_cast<IUnknown*>(persistStream.get()));
  EXPECT_FALSE(stream.As<IDispatch>());
}

TEST(Module, CanUnloadOnlyWithoutLivingObjectsAndLocks) {
  ASSERT_TRUE(module::CanUnload());
  int alive = 0;
  ComPtr<Probe> probe = MakeObject<Probe>(alive);
  EXPECT_FALSE(module::CanUnload());
  probe.Reset();
  EXPECT_TRUE(module::CanUnload());

  ComPtr<ClassFactory> factory = MakeObject<ClassFactory>(nullptr);
  ASSERT_EQ(factory->LockServer(TRUE), S_OK);
  factory.Reset();
  EXPECT_FALSE(module::CanUnload());  // the lock alone keeps the library
  module::Unlock();
  EXPECT_TRUE(module::CanUnload());
}

TEST(Bstr, KeepsEmbeddedNullsAndCopiesDeeply) {
  const std::wstring_view text(L"a\0b ", 4);
  const Bstr original(text);
  EXPECT_EQ(original.view(), text);
  const Bstr copy = original;
  EXPECT_NE(copy.get(), original.get());
  EXPECT_EQ(copy.view(), text);
  EXPECT_EQ(Bstr().view(), L"");
  Bstr adopted = Bstr::Adopt(::SysAllocString(L"x"));
  EXPECT_EQ(adopted.view(), L"x");
  BSTR given = adopted.Detach();
  EXPECT_EQ(adopted.get(), nullptr);
  ::SysFreeString(given);
}

TEST(ComVariant, AnObjectInAVariantIsReleasedWithTheVariant) {
  int alive = 0;
  {
    ComVariant value;
    VARIANT* slot = value.Put();
    slot->vt = VT_UNKNOWN;
    slot->punkVal = static_cast<IUnknown*>(MakeObject<Probe>(alive).Detach());
    const ComVariant copy = value;
    EXPECT_EQ(copy.get().punkVal, value.get().punkVal);
    EXPECT_EQ(References(value.get().punkVal), 2u);
  }
  EXPECT_EQ(alive, 0);
}

TEST(Guarded, TurnsExceptionsIntoResults) {
  EXPECT_EQ(Guarded([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY);
  EXPECT_EQ(Guarded([]() -> HRESULT { throw ComError(DISP_E_OVERFLOW); }), DISP_E_OVERFLOW);
  EXPECT_EQ(Guarded([]() -> HRESULT { throw std::logic_error("x"); }), E_UNEXPECTED);
  EXPECT_EQ(Guarded([] { return S_FALSE; }), S_FALSE);
}

}  // namespace
}  // namespace kovra::activex
