// The registry functions over the store file: Windows return codes and size protocol, a file
// that other processes change between calls, concurrent writers, corrupt and failed writes.
#include "CRegistryStore.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const wchar_t kSystemKey[] = L"Software\\Veltra软件\\Veltra盖梁设计绘图系统";

LONG SetString(HKEY key, const wchar_t* name, const std::wstring& text) {
  return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> QueryString(HKEY key, const wchar_t* name) {
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  return std::wstring(buffer);
}

HKEY Create(HKEY root, const wchar_t* subKey, DWORD* disposition = nullptr) {
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyEx(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                           nullptr, &key, disposition),
            ERROR_SUCCESS);
  return key;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// Each test gets its own store file in a folder of its own, since CTest runs tests in parallel.
class RegistryTest : public testing::Test {
protected:
  void SetUp() override {
    const char* base = std::getenv("CORBEL_REGISTRY");
    if (base)
      m_previous = base;
    const fs::path parent = base ? fs::path(base).parent_path() : fs::temp_directory_path();
    m_folder = parent / (std::string("registry.") +
                         testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    m_file = m_folder / "registry";
    ::setenv("CORBEL_REGISTRY", m_file.c_str(), 1);
  }

  void TearDown() override {
    if (m_previous)
      ::setenv("CORBEL_REGISTRY", m_previous->c_str(), 1);
    else
      ::unsetenv("CORBEL_REGISTRY");
  }

  std::set<std::string> FolderEntries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder))
      names.insert(entry.path().filename().string());
    return names;
  }

  fs::path m_folder;
  fs::path m_file;
  std::optional<std::string> m_previous;
};

TEST_F(RegistryTest, OpeningAMissingKeyFailsAndCreatesNothing) {
  HKEY key = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(RegOpenKey(HKEY_LOCAL_MACHINE, kSystemKey, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(fs::exists(m_file));

  RegCloseKey(Create(HKEY_CURRENT_USER, L"Software"));
  EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, L"Software", 0, KEY_READ, &key),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, CreateMakesMissingKeysAndSaysWhetherItDid) {
  DWORD disposition = 0;
  HKEY desk = Create(HKEY_CURRENT_USER, (std::wstring(kSystemKey) + L"\\Corbeldesk").c_str(),
                     &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  EXPECT_EQ(RegCloseKey(desk), ERROR_SUCCESS);

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"SOFTWARE\\veltra软件", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  HKEY again = Create(key, L"Veltra盖梁设计绘图系统\\corbeldesk\\", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  RegCloseKey(again);
  RegCloseKey(key);

  for (const wchar_t* bad : {L"\\Software", L"Software\\\\x", L"\\"}) {
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, bad, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                             nullptr),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, bad, 0, KEY_READ, &key), ERROR_BAD_PATHNAME);
  }
}

TEST_F(RegistryTest, QueryFollowsTheWindowsSizeProtocol) {
  HKEY key = Create(HKEY_CURRENT_USER, kSystemKey);
  const std::wstring path = L"D:\\设计\\盖梁.glt";
  ASSERT_EQ(SetString(key, L"CurGltFile", path), ERROR_SUCCESS);
  const DWORD bytes = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t));

  DWORD type = 0;
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueEx(key, L"curgltfile", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, bytes);

  wchar_t buffer[260];
  std::wmemset(buffer, L'#', 260);
  size = bytes - 1;
  EXPECT_EQ(RegQueryValueEx(key, L"CurGltFile", nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                            &size),
            ERROR_MORE_DATA);
  EXPECT_EQ(size, bytes);
  size = sizeof buffer;
  ASSERT_EQ(RegQueryValueEx(key, L"CurGltFile", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                            &size),
            ERROR_SUCCESS);
  EXPECT_EQ(size, bytes);
  EXPECT_EQ(std::wstring(buffer), path);

  EXPECT_EQ(RegQueryValueEx(key, L"CurGltFile", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                            nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegQueryValueEx(key, L"Location", nullptr, nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);

  // The default value: null and empty names are the same.
  ASSERT_EQ(SetString(key, nullptr, L"default"), ERROR_SUCCESS);
  EXPECT_EQ(QueryString(key, L""), L"default");
  RegCloseKey(key);
}

TEST_F(RegistryTest, TypedValuesKeepTheirBytes) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, kSystemKey);
  const DWORD dword = 0x12345678;
  const ULONGLONG qword = 0x0102030405060708ULL;
  const BYTE binary[] = {0, 0xFF, 0x7F};
  const std::wstring multi(L"一\0two\0\0", 7);
  const std::wstring expand = L"%ProgramFiles%\\Veltra";
  struct Case {
    const wchar_t* name;
    DWORD type;
    const void* data;
    DWORD size;
  };
  const Case cases[] = {
      {L"dword", REG_DWORD, &dword, 4},
      {L"qword", REG_QWORD, &qword, 8},
      {L"binary", REG_BINARY, binary, 3},
      {L"multi", REG_MULTI_SZ, multi.data(), static_cast<DWORD>(multi.size() * sizeof(wchar_t))},
      {L"expand", REG_EXPAND_SZ, expand.c_str(),
       static_cast<DWORD>((expand.size() + 1) * sizeof(wchar_t))},
      {L"empty", REG_BINARY, nullptr, 0},
  };
  for (const Case& c : cases)
    ASSERT_EQ(RegSetValueEx(key, c.name, 0, c.type, static_cast<const BYTE*>(c.data), c.size),
              ERROR_SUCCESS);
  RegCloseKey(key);

  ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSystemKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  for (const Case& c : cases) {
    std::vector<BYTE> buffer(256);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    ASSERT_EQ(RegQueryValueEx(key, c.name, nullptr, &type, buffer.data(), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, c.type);
    ASSERT_EQ(size, c.size);
    if (size > 0) {
      EXPECT_EQ(std::memcmp(buffer.data(), c.data, size), 0);
    }
  }
  RegCloseKey(key);
  const std::string text = ReadFile(m_file);
  EXPECT_NE(text.find("\"dword\"=dword:12345678\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\"multi\"=multi_sz:\"一\",\"two\"\n"), std::string::npos) << text;
}

TEST_F(RegistryTest, DeletingKeysAndValues) {
  HKEY system = Create(HKEY_CURRENT_USER, kSystemKey);
  HKEY desk = Create(system, L"Corbeldesk");
  ASSERT_EQ(SetString(system, L"CurGltFile", L"x"), ERROR_SUCCESS);

  EXPECT_EQ(RegDeleteValue(system, L"CURGLTFILE"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValue(system, L"CurGltFile"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, kSystemKey), ERROR_ACCESS_DENIED);  // has a subkey
  EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L""), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKey(system, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegDeleteKey(system, L"Missing"), ERROR_FILE_NOT_FOUND);

  EXPECT_EQ(RegDeleteKey(system, L"corbeldesk"), ERROR_SUCCESS);
  // The open handle outlives its key.
  EXPECT_EQ(SetString(desk, L"File1", L"a.glt"), ERROR_KEY_DELETED);
  EXPECT_EQ(RegQueryValueEx(desk, L"File1", nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
  EXPECT_EQ(RegCloseKey(desk), ERROR_SUCCESS);

  EXPECT_EQ(RegDeleteKey(system, L""), ERROR_SUCCESS);
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Veltra软件", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  RegCloseKey(key);
  RegCloseKey(system);
}

TEST_F(RegistryTest, EnumerationListsKeysByNameAndValuesInOrder) {
  HKEY key = Create(HKEY_CURRENT_USER, L"Software\\List");
  for (const wchar_t* name : {L"beta", L"Alpha", L"gamma\\deep", L"盖梁"})
    RegCloseKey(Create(key, name));
  ASSERT_EQ(SetString(key, L"z", L"first"), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, L"a", L"second"), ERROR_SUCCESS);

  std::vector<std::wstring> names;
  for (DWORD i = 0;; ++i) {
    wchar_t name[32];
    DWORD length = 32;
    const LONG status = RegEnumKeyEx(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS)
      break;
    ASSERT_EQ(status, ERROR_SUCCESS);
    EXPECT_EQ(length, std::wcslen(name));
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Alpha", L"beta", L"gamma", L"盖梁"}));
  wchar_t small[5];
  DWORD length = 5;
  EXPECT_EQ(RegEnumKeyEx(key, 0, small, &length, nullptr, nullptr, nullptr, nullptr),
            ERROR_MORE_DATA);

  wchar_t name[8];
  wchar_t data[16];
  DWORD nameLength = 8;
  DWORD type = 0;
  DWORD size = sizeof data;
  ASSERT_EQ(RegEnumValue(key, 1, name, &nameLength, nullptr, &type,
                         reinterpret_cast<BYTE*>(data), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(name), L"a");
  EXPECT_EQ(nameLength, 1u);
  EXPECT_EQ(std::wstring(data), L"second");
  EXPECT_EQ(size, 7 * sizeof(wchar_t));
  nameLength = 8;
  EXPECT_EQ(RegEnumValue(key, 2, name, &nameLength, nullptr, nullptr, nullptr, nullptr),
            ERROR_NO_MORE_ITEMS);
  RegCloseKey(key);
}

TEST_F(RegistryTest, HandlesAndAccessRights) {
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
  HKEY bogus = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7777));
  EXPECT_EQ(SetString(bogus, L"x", L"y"), ERROR_INVALID_HANDLE);

  RegCloseKey(Create(HKEY_CURRENT_USER, kSystemKey));
  HKEY reader = nullptr;
  HKEY writer = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_READ, &reader), ERROR_SUCCESS);
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_WRITE, &writer), ERROR_SUCCESS);
  EXPECT_EQ(SetString(reader, L"CurGltFile", L"x"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(SetString(writer, L"CurGltFile", L"x"), ERROR_SUCCESS);
  EXPECT_EQ(QueryString(writer, L"CurGltFile"), std::nullopt);
  EXPECT_EQ(QueryString(reader, L"CurGltFile"), L"x");

  EXPECT_EQ(RegCloseKey(writer), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(writer), ERROR_INVALID_HANDLE);
  EXPECT_EQ(QueryString(writer, L"CurGltFile"), std::nullopt);
  RegCloseKey(reader);
}

TEST_F(RegistryTest, AnOpenKeySeesWhatAnotherProcessWroteAtOnce) {
  HKEY key = Create(HKEY_CURRENT_USER, kSystemKey);
  ASSERT_EQ(SetString(key, L"CurGltFile", L"old.glt"), ERROR_SUCCESS);
  std::string text = ReadFile(m_file);
  const std::size_t at = text.find("old.glt");
  ASSERT_NE(at, std::string::npos) << text;
  text.replace(at, 7, "新.glt");
  WriteFile(m_file, text);
  EXPECT_EQ(QueryString(key, L"CurGltFile"), L"新.glt");
  RegCloseKey(key);
}

TEST_F(RegistryTest, ConcurrentWritersLoseNothing) {
  constexpr int kWriters = 4;
  constexpr int kValuesEach = 15;
  auto writeValues = [](const std::wstring& prefix) {
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                       &key, nullptr) != ERROR_SUCCESS)
      return false;
    bool ok = true;
    for (int i = 0; i < kValuesEach; ++i)
      ok = ok && SetString(key, (prefix + std::to_wstring(i)).c_str(),
                           prefix + L"值" + std::to_wstring(i)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
  };

  // Processes, as the editor and the host are, and threads within this one, all at once.
  std::vector<pid_t> children;
  for (int p = 0; p < kWriters; ++p) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
      ::_exit(writeValues(L"process" + std::to_wstring(p) + L"_") ? 0 : 1);
    children.push_back(pid);
  }
  std::vector<std::thread> threads;
  std::vector<char> threadOk(kWriters, 0);
  for (int t = 0; t < kWriters; ++t)
    threads.emplace_back(
        [&, t] { threadOk[t] = writeValues(L"thread" + std::to_wstring(t) + L"_"); });
  for (std::thread& thread : threads)
    thread.join();
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(threadOk, std::vector<char>(kWriters, 1));

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  int found = 0;
  for (const wchar_t* kind : {L"process", L"thread"})
    for (int w = 0; w < kWriters; ++w)
      for (int i = 0; i < kValuesEach; ++i) {
        const std::wstring prefix = kind + std::to_wstring(w) + L"_";
        found += QueryString(key, (prefix + std::to_wstring(i)).c_str()) ==
                 prefix + L"值" + std::to_wstring(i);
      }
  EXPECT_EQ(found, 2 * kWriters * kValuesEach);
  RegCloseKey(key);
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"registry", "registry.lock"}));
}

TEST_F(RegistryTest, ACorruptStoreIsReadAroundAndKeptBeforeItIsReplaced) {
  const std::string corrupt =
      "[HKEY_CURRENT_USER\\Software\\Veltra软件\\Veltra盖梁设计绘图系统]\n"
      "\"CurGltFile\"=sz:\"D:\\\\a.glt\"\n"
      "\x01\x02 not a line \xff\n";
  WriteFile(m_file, corrupt);

  HKEY key = nullptr;
  testing::internal::CaptureStderr();
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  EXPECT_EQ(QueryString(key, L"CurGltFile"), L"D:\\a.glt");
  const std::string notice = testing::internal::GetCapturedStderr();
  EXPECT_NE(notice.find("1 unreadable line(s) in " + m_file.string() + " (first: line 3)"),
            std::string::npos)
      << notice;
  EXPECT_EQ(notice.find("unreadable", notice.find("unreadable") + 1), std::string::npos)
      << "said more than once: " << notice;

  testing::internal::CaptureStderr();
  ASSERT_EQ(SetString(key, L"Other", L"new"), ERROR_SUCCESS);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadFile(m_folder / "registry.corrupt"), corrupt);
  std::vector<std::size_t> bad;
  const CRegistryTree rewritten = CRegistryTree::Parse(ReadFile(m_file), bad);
  EXPECT_TRUE(bad.empty());
  EXPECT_EQ(QueryString(key, L"CurGltFile"), L"D:\\a.glt");
  EXPECT_EQ(QueryString(key, L"Other"), L"new");

  // A second corruption gets a backup of its own.
  WriteFile(m_file, ReadFile(m_file) + "junk\n");
  testing::internal::CaptureStderr();
  ASSERT_EQ(SetString(key, L"Third", L"3"), ERROR_SUCCESS);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadFile(m_folder / "registry.corrupt"), corrupt);
  EXPECT_NE(ReadFile(m_folder / "registry.corrupt.2").find("junk"), std::string::npos);
  RegCloseKey(key);
}

TEST_F(RegistryTest, AFailedWriteLeavesTheStoreAsItWas) {
  HKEY key = Create(HKEY_CURRENT_USER, kSystemKey);
  ASSERT_EQ(SetString(key, L"CurGltFile", L"keep.glt"), ERROR_SUCCESS);
  RegCloseKey(key);
  const std::string before = ReadFile(m_file);

  // A file-size limit makes the write of the temporary file fail midway.
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t limit = before.size() + 64;
    const rlimit rl{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &rl);
    HKEY child = nullptr;
    RegOpenKeyEx(HKEY_CURRENT_USER, kSystemKey, 0, KEY_ALL_ACCESS, &child);
    const std::vector<BYTE> big(100000, 0xAB);
    const LONG status = RegSetValueEx(child, L"Big", 0, REG_BINARY, big.data(),
                                      static_cast<DWORD>(big.size()));
    ::_exit(status == ERROR_REGISTRY_IO_FAILED ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(ReadFile(m_file), before);
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"registry", "registry.lock"}));
}

TEST_F(RegistryTest, StoreFileFollowsTheEnvironment) {
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  };
  std::vector<Saved> saved;
  for (const char* name : {"CORBEL_REGISTRY", "XDG_CONFIG_HOME", "HOME"}) {
    const char* value = std::getenv(name);
    saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
  }

  ::setenv("HOME", "/home/someone", 1);
  ::unsetenv("CORBEL_REGISTRY");
  ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(CRegistryStore::DefaultPath(), fs::path("/xdg/corbel/registry"));
  ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  EXPECT_EQ(CRegistryStore::DefaultPath(), fs::path("/home/someone/.config/corbel/registry"));
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(CRegistryStore::DefaultPath(), fs::path("/home/someone/.config/corbel/registry"));

  // The folder is made on the first write.
  const fs::path nested = m_folder / "config" / "corbel" / "registry";
  ::setenv("CORBEL_REGISTRY", nested.c_str(), 1);
  RegCloseKey(Create(HKEY_CURRENT_USER, kSystemKey));
  EXPECT_TRUE(fs::exists(nested));

  for (const Saved& s : saved) {
    if (s.value)
      ::setenv(s.name, s.value->c_str(), 1);
    else
      ::unsetenv(s.name);
  }
}

}  // namespace
