// Seeded corruption of saved stores. Each case loads a damaged stream or a bag with hostile
// values into a control whose state is known: a refused load must leave exactly that state, an
// accepted one a control that still answers; nothing may crash. KOVRA_CORRUPTION_SEED picks
// the seed (printed with every failure) so that a failing case can be played again.
#include <gtest/gtest.h>
#include <ole2.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "activex/com_object.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/memory_property_bag.h"
#include "tests/ocx/persistence_support.h"

namespace kovra::ocx_test {
namespace {

using activex::MakeObject;

constexpr int kStreamCases = 5000;
constexpr int kBagCases = 5000;

unsigned Seed() {
  char text[32] = {};
  if (::GetEnvironmentVariableA("KOVRA_CORRUPTION_SEED", text, sizeof(text)) > 0) {
    return static_cast<unsigned>(std::strtoul(text, nullptr, 10));
  }
  return 20240611u;
}

class Damage {
 public:
  explicit Damage(unsigned seed) : random_(seed) {}

  int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }
  bool OneIn(int n) { return Below(n) == 0; }

  // One to four damages: flipped bits, bytes and 32-bit fields set to telling values, a cut,
  // inserted noise, a removed or repeated stretch.
  std::vector<std::byte> Stream(std::vector<std::byte> form) {
    for (int damages = 1 + Below(4); damages > 0 && !form.empty(); --damages) {
      const auto at = static_cast<std::size_t>(Below(static_cast<int>(form.size())));
      const auto span = static_cast<std::size_t>(1 + Below(16));
      switch (Below(7)) {
        case 0:
          form[at] ^= std::byte(1u << Below(8));
          break;
        case 1:
          form[at] = std::byte(Below(256));
          break;
        case 2: {
          static constexpr std::uint32_t kTelling[] = {0,     1,     0x7FFFFFFF, 0xFFFFFFFF,
                                                       65536, 65537, 0x80000000, 4u << 20};
          const std::uint32_t value = kTelling[Below(8)];
          for (std::size_t i = 0; i < 4 && at + i < form.size(); ++i) {
            form[at + i] = std::byte((value >> (8 * i)) & 0xFF);
          }
          break;
        }
        case 3:
          form.resize(at);
          break;
        case 4:
          for (std::size_t i = 0; i < span; ++i) {
            form.insert(form.begin() + static_cast<std::ptrdiff_t>(at), std::byte(Below(256)));
          }
          break;
        case 5:
          form.erase(form.begin() + static_cast<std::ptrdiff_t>(at),
                     form.begin() + static_cast<std::ptrdiff_t>(std::min(form.size(), at + span)));
          break;
        default: {
          const std::vector<std::byte> stretch(
              form.begin() + static_cast<std::ptrdiff_t>(at),
              form.begin() + static_cast<std::ptrdiff_t>(std::min(form.size(), at + span)));
          form.insert(form.begin() + static_cast<std::ptrdiff_t>(at), stretch.begin(),
                      stretch.end());
          break;
        }
      }
    }
    return form;
  }

  // A value of any kind a host's bag could hold, the hostile ones favoured.
  ComVariant Hostile(IUnknown* otherControl) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    ComVariant value;
    VARIANT* v = value.Put();
    switch (Below(20)) {
      case 0:
        v->vt = VT_EMPTY;
        break;
      case 1:
        v->vt = VT_NULL;
        break;
      case 2:
        v->vt = VT_I2;
        v->iVal = static_cast<SHORT>(Below(65536) - 32768);
        break;
      case 3:
        v->vt = VT_I4;
        v->lVal = static_cast<LONG>(random_());
        break;
      case 4:
        v->vt = VT_R8;
        v->dblVal = std::array<double, 6>{nan,   infinity, -infinity,
                                          1e308, -0.0,     std::ldexp(1.0, -1070)}[Below(6)];
        break;
      case 5:
        v->vt = VT_R4;
        v->fltVal = static_cast<float>(Below(2000) - 1000) / 7.0f;
        break;
      case 6:
        v->vt = VT_BOOL;
        v->boolVal = static_cast<VARIANT_BOOL>(Below(3) - 1);
        break;
      case 7: {
        static const wchar_t* const kTexts[] = {L"",    L"12.5",    L"-0",    L"1e400", L"abc",
                                                L"NaN", L"1,234.5", L"  7  ", L"True",  L"\u00A0"};
        v->vt = VT_BSTR;
        v->bstrVal = ::SysAllocString(kTexts[Below(10)]);
        break;
      }
      case 8: {
        const std::size_t length = OneIn(2) ? 70000 : static_cast<std::size_t>(Below(300));
        std::wstring text(length, L'9');
        if (length > 2) text[1] = L'\0';
        v->vt = VT_BSTR;
        v->bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        break;
      }
      case 9:
        v->vt = VT_ERROR;
        v->scode = DISP_E_PARAMNOTFOUND;
        break;
      case 10:
        v->vt = VT_CY;
        v->cyVal.int64 = static_cast<LONGLONG>(random_()) * 1000;
        break;
      case 11:
        v->vt = VT_DATE;
        v->date = Below(100000);
        break;
      case 12:
        v->vt = VT_UI4;
        v->ulVal = static_cast<ULONG>(random_());
        break;
      case 13:
        v->vt = VT_I8;
        v->llVal = static_cast<LONGLONG>(random_()) << 20;
        break;
      case 14:
        v->vt = VT_DISPATCH;
        v->pdispVal = nullptr;
        break;
      case 15:
        return Object(NewFont(L"Courier New", 1 + Below(40), OneIn(2)).get());
      case 16:
        return Object(NewIconPicture().get());
      case 17:
        return Object(otherControl);
      case 18:
        v->vt = VT_ARRAY | VT_BSTR;
        v->parray = ::SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(Below(3)));
        break;
      default: {
        VARIANT decimal;
        ::VariantInit(&decimal);
        decimal.vt = VT_R8;
        decimal.dblVal = Below(1000000) / 3.0;
        ::VariantChangeType(v, &decimal, 0, VT_DECIMAL);
        break;
      }
    }
    return value;
  }

 private:
  std::mt19937 random_;
};

class Corruption : public ::testing::Test {
 protected:
  void SetUp() override {
    control_ = NewControl();
    ASSERT_TRUE(control_);
    GiveDistinctValues(control_.get());
    known_ = SavedForm(control_.get());
    ASSERT_FALSE(known_.empty());
  }

  // After a load: a refused one changed nothing; an accepted one left a control that answers,
  // which then goes back to the known state for the next case.
  void Judge(HRESULT result, const std::string& what) {
    if (FAILED(result)) {
      ASSERT_EQ(SavedForm(control_.get()), known_) << what << " result " << std::hex << result;
      return;
    }
    const Outcome value = Get(control_.get(), L"Value");
    ASSERT_TRUE(value.result == S_OK || value.scode == ControlError(13) ||
                value.scode == ControlError(6))
        << what << " reading Value: " << std::hex << value.result << " " << value.scode;
    ASSERT_EQ(Put(control_.get(), L"Value", Value(L"3")).result, S_OK) << what;
    ASSERT_EQ(LoadForm(control_.get(), known_), S_OK) << what;
  }

  ComPtr<IDispatch> control_;
  std::vector<std::byte> known_;
  win32::MessageBoxRecorder boxes_;
};

TEST_F(Corruption, DamagedStreamsAreRefusedOrLoadedAndNeverLeaveHalfALoad) {
  const unsigned seed = Seed();
  Damage damage(seed);
  ComPtr<IDispatch> plain = NewControl();
  const std::vector<std::byte> sources[] = {known_, SavedForm(plain.get())};
  int refused = 0;
  for (int i = 0; i < kStreamCases; ++i) {
    const std::vector<std::byte> form = damage.Stream(sources[i % 2]);
    const HRESULT result = LoadForm(control_.get(), form);
    refused += FAILED(result) ? 1 : 0;
    Judge(result, "seed " + std::to_string(seed) + " stream case " + std::to_string(i));
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(refused, kStreamCases / 2);  // the damage is real
}

TEST_F(Corruption, BagsWithHostileValuesAreRefusedOrLoadedAndNeverLeaveHalfALoad) {
  const unsigned seed = Seed();
  Damage damage(seed + 1);
  ComPtr<MemoryPropertyBag> full = MakeObject<MemoryPropertyBag>();
  ComPtr<IPersistPropertyBag> persist;
  ASSERT_EQ(control_->QueryInterface(IID_IPersistPropertyBag, persist.PutVoid()), S_OK);
  ASSERT_EQ(persist->Save(full.get(), FALSE, TRUE), S_OK);
  ComPtr<IDispatch> other = NewControl();
  const std::vector<std::wstring> keys = full->Names();
  int refused = 0;
  for (int i = 0; i < kBagCases; ++i) {
    ComPtr<MemoryPropertyBag> bag = MakeObject<MemoryPropertyBag>();
    for (const std::wstring& key : keys) bag->Set(key, *full->Find(key));
    for (int changes = 1 + damage.Below(3); changes > 0; --changes) {
      const std::wstring& key =
          keys[static_cast<std::size_t>(damage.Below(static_cast<int>(keys.size())))];
      if (damage.OneIn(8)) {
        bag->Remove(key);
      } else {
        bag->Set(key, damage.Hostile(other.get()));
      }
    }
    const HRESULT result = persist->Load(bag.get(), nullptr);
    refused += FAILED(result) ? 1 : 0;
    Judge(result, "seed " + std::to_string(seed) + " bag case " + std::to_string(i));
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(refused, kBagCases / 4);
}

}  // namespace
}  // namespace kovra::ocx_test
