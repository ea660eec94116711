// The registry after `regsvr32 KovraDouble.ocx` (machine) or `regsvr32 /n /i:user
// KovraDouble.ocx` (user): the test script registers, runs these with KOVRA_REGISTRATION set to
// the scope, and checks afterwards that unregistration leaves the registry as it found it.
#include <gtest/gtest.h>
#include <objbase.h>
#include <ole2.h>
#include <windows.h>

#include <filesystem>
#include <vector>

#include "activex/com_ptr.h"
#include "activex/identifiers.h"
#include "tests/ocx/ocx_test_support.h"

namespace kovra::ocx_test {
namespace {

using activex::ComPtr;
using activex::GuidText;

// Registration writes below this key of the machine's or the user's hive.
const std::wstring kClasses = L"Software\\Classes\\";

class Registered : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Registration() == L"none") GTEST_SKIP() << "needs a registered library";
    user_ = Registration() == L"user";
  }

  // The hive registration wrote to, and the one it must have left alone.
  HKEY Hive() const { return user_ ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }
  HKEY OtherHive() const { return user_ ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

  std::optional<std::wstring> Text(const std::wstring& key, const std::wstring& value = L"") const {
    return RegistryText(Hive(), kClasses + key, value);
  }
  bool Exists(const std::wstring& key) const { return RegistryKeyExists(Hive(), kClasses + key); }

  bool user_ = false;
};

const std::wstring kClassKey = L"CLSID\\" + GuidText(activex::kControlClass.id);

TEST_F(Registered, TheClassNamesItsLibraryProgIdsAndStatus) {
  EXPECT_EQ(Text(kClassKey), L"KovraDouble Control");
  const std::optional<std::wstring> server = Text(kClassKey + L"\\InprocServer32");
  ASSERT_TRUE(server);
  EXPECT_TRUE(SamePath(*server, OcxPath())) << testing::PrintToString(*server);
  EXPECT_EQ(Text(kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(Text(kClassKey + L"\\ProgID"), L"Kovra_Double.KovraDouble.1");
  EXPECT_EQ(Text(kClassKey + L"\\VersionIndependentProgID"), L"Kovra_Double.KovraDouble");
  EXPECT_TRUE(Exists(kClassKey + L"\\Control"));
  EXPECT_TRUE(
      Exists(kClassKey + L"\\Implemented Categories\\{40FC6ED4-2438-11CF-A3DB-080036F12502}"));
  EXPECT_EQ(Text(kClassKey + L"\\MiscStatus"), L"0");
  EXPECT_EQ(Text(kClassKey + L"\\MiscStatus\\1"), L"131473");
  EXPECT_EQ(Text(kClassKey + L"\\TypeLib"), GuidText(activex::kLibraryId));
  EXPECT_EQ(Text(kClassKey + L"\\Version"), L"1.0");

  const std::optional<std::wstring> toolbox = Text(kClassKey + L"\\ToolboxBitmap32");
  ASSERT_TRUE(toolbox);
  const std::size_t comma = toolbox->rfind(L',');
  ASSERT_NE(comma, std::wstring::npos);
  EXPECT_TRUE(SamePath(toolbox->substr(0, comma), OcxPath()));
  EXPECT_EQ(toolbox->substr(comma), L",30000");

  EXPECT_EQ(Text(L"Kovra_Double.KovraDouble.1\\CLSID"), GuidText(activex::kControlClass.id));
  EXPECT_EQ(Text(L"Kovra_Double.KovraDouble\\CLSID"), GuidText(activex::kControlClass.id));
  EXPECT_EQ(Text(L"Kovra_Double.KovraDouble\\CurVer"), L"Kovra_Double.KovraDouble.1");
}

TEST_F(Registered, PageClassesAreRegisteredInTheLibrary) {
  for (const activex::PageIdentity& page : activex::kPages) {
    const std::wstring key = L"CLSID\\" + GuidText(page.pageClass.id);
    EXPECT_EQ(Text(key), std::wstring(page.pageClass.name));
    const std::optional<std::wstring> server = Text(key + L"\\InprocServer32");
    ASSERT_TRUE(server);
    EXPECT_TRUE(SamePath(*server, OcxPath()));
    EXPECT_EQ(Text(key + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  }
}

TEST_F(Registered, TheTypeLibraryIsRegisteredInTheSameHive) {
  const std::wstring library = L"TypeLib\\" + GuidText(activex::kLibraryId) + L"\\1.0";
  EXPECT_EQ(Text(library), L"KovraDouble Control");
  const std::optional<std::wstring> file = Text(library + L"\\409\\win64");
  ASSERT_TRUE(file);
  EXPECT_TRUE(SamePath(*file, OcxPath()));
  // The help file is looked for beside the library.
  const std::optional<std::wstring> helpFolder = Text(library + L"\\HELPDIR");
  ASSERT_TRUE(helpFolder);
  EXPECT_TRUE(SamePath(*helpFolder, std::filesystem::path(OcxPath()).parent_path().wstring()));
  // The interfaces are marshalled from the library.
  EXPECT_TRUE(Exists(L"Interface\\" + GuidText(activex::kControlInterface.id)));
  EXPECT_TRUE(Exists(L"Interface\\" + GuidText(activex::kEventInterface.id)));
}

TEST_F(Registered, NothingIsWrittenToTheOtherHive) {
  for (const std::wstring& key : std::vector<std::wstring>{
           kClassKey, L"Kovra_Double.KovraDouble", L"Kovra_Double.KovraDouble.1",
           L"TypeLib\\" + GuidText(activex::kLibraryId),
           L"Interface\\" + GuidText(activex::kControlInterface.id)}) {
    EXPECT_FALSE(RegistryKeyExists(OtherHive(), kClasses + key)) << testing::PrintToString(key);
  }
}

TEST_F(Registered, HostsFindAndCreateTheClassThroughTheRegistry) {
  if (user_ && RunningUnderWine()) {
    GTEST_SKIP() << "Wine's COM reads classes from the machine's hive only";
  }
  CLSID found{};
  ASSERT_EQ(::CLSIDFromProgID(L"Kovra_Double.KovraDouble", &found), S_OK);
  EXPECT_TRUE(::IsEqualGUID(found, activex::kControlClass.id));
  LPOLESTR progId = nullptr;
  ASSERT_EQ(::ProgIDFromCLSID(activex::kControlClass.id, &progId), S_OK);
  EXPECT_STREQ(progId, L"Kovra_Double.KovraDouble.1");
  ::CoTaskMemFree(progId);

  EXPECT_TRUE(SamePath(CreatingLibrary(activex::kControlClass.id), OcxPath()));
  DWORD status = 0;
  ASSERT_EQ(::OleRegGetMiscStatus(activex::kControlClass.id, DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, 0x20191u);
  ComPtr<ITypeLib> library;
  EXPECT_EQ(::LoadRegTypeLib(activex::kLibraryId, 1, 0, 0x0409, library.Put()), S_OK);
}

}  // namespace
}  // namespace kovra::ocx_test
