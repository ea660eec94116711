// The About box's link: a click asks the shell to "open" the maker's page once, with the box as
// owner, and the prefix's handler of web addresses is started with the address; when the shell
// fails, the warning box titled with the error number tells of it and the box stays open.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/ocx/about_box_driver.h"
#include "tests/ocx/import_hook.h"
#include "tests/ocx/ocx_test_support.h"

namespace kovra::ocx_test {
namespace {

using AboutBoxLink = AboutBoxTest;

constexpr const wchar_t* kMakersPage = L"https://kovra.example/activex/";

// A web protocol's handler in the prefix, replaced by `command` for the test's lifetime.
class UrlHandler {
 public:
  UrlHandler(const std::wstring& protocol, const std::wstring& command) {
    const std::wstring key = L"Software\\Classes\\" + protocol + L"\\shell\\open\\command";
    ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key_, nullptr);
    const std::optional<std::wstring> old = RegistryText(HKEY_LOCAL_MACHINE, key);
    if (old) old_ = *old;
    hadOld_ = old.has_value();
    Set(command);
  }
  ~UrlHandler() {
    if (hadOld_) {
      Set(old_);
    } else {
      ::RegDeleteValueW(key_, nullptr);
    }
    ::RegCloseKey(key_);
  }
  UrlHandler(const UrlHandler&) = delete;
  UrlHandler& operator=(const UrlHandler&) = delete;

 private:
  void Set(const std::wstring& command) {
    ::RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  HKEY key_ = nullptr;
  std::wstring old_;
  bool hadOld_ = false;
};

// A file in the temporary folder that does not exist yet, deleted when the test ends.
class TemporaryFile {
 public:
  TemporaryFile() {
    wchar_t folder[MAX_PATH]{};
    ::GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + L"kovra-url-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(::GetTickCount64()) + L".txt";
  }
  ~TemporaryFile() { ::DeleteFileW(path_.c_str()); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::wstring& Path() const { return path_; }

  // The file's bytes once it holds a whole line, waiting for them up to `limit`; empty when
  // nothing came.
  std::string WaitForLine(std::chrono::milliseconds limit) const {
    const auto end = std::chrono::steady_clock::now() + limit;
    do {
      std::ifstream file(std::filesystem::path(path_), std::ios::binary);
      std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
      if (bytes.find('\n') != std::string::npos) return bytes;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < end);
    return {};
  }

 private:
  std::wstring path_;
};

// The program beside the tests that writes the addresses it is started with into a file.
std::wstring RecorderProgram() {
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  path.resize(path.find_last_of(L"\\/") + 1);
  return path + L"kovra_url_recorder.exe";
}

// The calls the library under test makes to ShellExecuteW while a ShellCalls lives; each goes
// on to the system.
struct ShellCall {
  HWND owner;
  std::wstring verb;
  std::wstring file;
};

class ShellCalls {
 public:
  ShellCalls()
      : hook_(::GetModuleHandleW(OcxPath().c_str()), "shell32.dll", "ShellExecuteW",
              reinterpret_cast<void*>(&Record)) {
    calls_.clear();
    original_ = reinterpret_cast<Function*>(hook_.Original());
  }
  bool Installed() const { return hook_.Installed(); }
  const std::vector<ShellCall>& Calls() const { return calls_; }

 private:
  using Function = HINSTANCE WINAPI(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static HINSTANCE WINAPI Record(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                 LPCWSTR folder, INT show) {
    calls_.push_back({owner, verb != nullptr ? verb : L"", file != nullptr ? file : L""});
    return original_(owner, verb, file, parameters, folder, show);
  }
  static inline std::vector<ShellCall> calls_;
  static inline Function* original_ = nullptr;
  ImportHook hook_;
};

// Clicks the link as the user does: the label tells its dialog.
void ClickLink(HWND dialog) {
  HWND link = ChildWithText(dialog, L"Static", L"ActiveX Controls.");
  ASSERT_NE(link, nullptr);
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
}

TEST_F(AboutBoxLink, AsksTheShellToOpenTheMakersPageOnceWithTheBoxAsOwner) {
  const TemporaryFile record;
  const std::wstring command = L"\"" + RecorderProgram() + L"\" \"" + record.Path() + L"\" \"%1\"";
  const UrlHandler http(L"http", command);
  const UrlHandler https(L"https", command);
  const ShellCalls shell;
  ASSERT_TRUE(shell.Installed()) << "the library imports no ShellExecuteW";
  bool openAfterClick = false;
  ASSERT_EQ(AcercaActing([&](HWND dialog) {
              ClickLink(dialog);
              openAfterClick = ::IsWindowVisible(dialog) != FALSE;
            }),
            S_OK);
  ASSERT_EQ(shell.Calls().size(), 1u);
  EXPECT_EQ(shell.Calls()[0].owner, shown_);
  EXPECT_EQ(shell.Calls()[0].verb, L"open");
  EXPECT_EQ(shell.Calls()[0].file, kMakersPage);
  EXPECT_TRUE(openAfterClick);
  EXPECT_TRUE(boxes_.Recorded().empty()) << boxes_.Recorded()[0].title;
  // The handler was started with the page's address, once.
  EXPECT_EQ(record.WaitForLine(std::chrono::seconds(30)), "https://kovra.example/activex/\n");
}

// The handler names a program that does not exist, so that the shell fails whatever the
// machine has installed (and no browser of the machine is started).
TEST_F(AboutBoxLink, AShellFailureIsToldInTheWarningBoxAndTheBoxStaysOpen) {
  const std::wstring missing = L"C:\\kovra-no-browser\\browser.exe \"%1\"";
  const UrlHandler http(L"http", missing);
  const UrlHandler https(L"https", missing);
  bool openAfterClick = false;
  ASSERT_EQ(AcercaActing([&](HWND dialog) {
              ClickLink(dialog);
              openAfterClick = ::IsWindowVisible(dialog) != FALSE;
            }),
            S_OK);
  EXPECT_TRUE(openAfterClick);
  ASSERT_EQ(boxes_.Recorded().size(), 1u);
  const win32::RecordedMessageBox& warning = boxes_.Recorded()[0];
  EXPECT_EQ(warning.title.rfind(L"Err.Number = ", 0), 0u);
  EXPECT_EQ(warning.text.size() >= 4 ? warning.text.substr(warning.text.size() - 4) : L"", L"    ");
  EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace kovra::ocx_test
