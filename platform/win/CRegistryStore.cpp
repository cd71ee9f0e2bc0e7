// Locking: flock on "<file>.lock" beside the store, never on the store itself, because the store
// is replaced by rename and a lock on the old inode would not exclude the next writer. Readers
// take no lock: rename makes every file they open a complete one.
// A file with unreadable lines is copied aside ("<file>.corrupt", then ".corrupt.2", ...) before
// the first write replaces it, so nothing that could not be parsed is lost.
#include "CRegistryStore.h"

#include "WinError.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <mutex>
#include <pwd.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor {
public:
  explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0)
      ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return m_fd; }
  bool Close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

private:
  int m_fd;
};

LONG ErrorFromErrno(int error) {
  return error == EACCES || error == EPERM || error == EROFS ? ERROR_ACCESS_DENIED
                                                             : ERROR_REGISTRY_IO_FAILED;
}

LONG ReadWhole(const std::filesystem::path& file, std::string& text) {
  text.clear();
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0)
    return errno == ENOENT ? ERROR_SUCCESS : ErrorFromErrno(errno);
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n == 0)
      return ERROR_SUCCESS;
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return ErrorFromErrno(errno);
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool SyncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.Get() >= 0 && ::fsync(fd.Get()) == 0;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Write to a temporary file in the same folder, flush it to disk, then rename it over the
// original: the file is always either the old or the new one.
LONG WriteAtomically(const std::filesystem::path& file, std::string_view text) {
  std::string name = file.string() + ".XXXXXX";
  FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
  if (fd.Get() < 0)
    return ErrorFromErrno(errno);
  const bool written = ::fchmod(fd.Get(), 0600) == 0 && WriteAll(fd.Get(), text) &&
                       ::fsync(fd.Get()) == 0;
  const int error = errno;
  if (!fd.Close() || !written || ::rename(name.c_str(), file.c_str()) != 0) {
    const int failure = written ? errno : error;
    ::unlink(name.c_str());
    return ErrorFromErrno(failure);
  }
  return SyncFolder(FolderOf(file)) ? ERROR_SUCCESS : ERROR_REGISTRY_IO_FAILED;
}

// Copies the unreadable file's bytes to a backup that does not exist yet.
bool KeepBackup(const std::filesystem::path& file, std::string_view text,
                std::filesystem::path& backup) {
  for (int attempt = 1; attempt < 1000; ++attempt) {
    std::string name = file.string() + ".corrupt";
    if (attempt > 1)
      name += '.' + std::to_string(attempt);
    backup = name;
    FileDescriptor fd(::open(backup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (fd.Get() < 0) {
      if (errno == EEXIST)
        continue;
      return false;
    }
    if (!WriteAll(fd.Get(), text) || ::fsync(fd.Get()) != 0 || !fd.Close()) {
      ::unlink(backup.c_str());
      return false;
    }
    return true;
  }
  return false;
}

std::mutex g_warnedMutex;
std::set<std::string> g_warnedFiles;

// One notice per file and process: every call reads the file again, and a notice per call
// would bury everything else on standard error.
void WarnUnreadable(const std::filesystem::path& file, const std::vector<std::size_t>& badLines) {
  std::lock_guard lock(g_warnedMutex);
  if (!g_warnedFiles.insert(file.string()).second)
    return;
  std::cerr << "corbel registry: " << badLines.size() << " unreadable line(s) in " << file.string()
            << " (first: line " << badLines.front() << ") are ignored\n";
}

void ForgetWarning(const std::filesystem::path& file) {
  std::lock_guard lock(g_warnedMutex);
  g_warnedFiles.erase(file.string());
}

}  // namespace

CRegistryStore::CRegistryStore(std::filesystem::path file) : m_file(std::move(file)) {}

std::filesystem::path CRegistryStore::DefaultPath() {
  if (const char* file = std::getenv("CORBEL_REGISTRY"); file && *file)
    return file;
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
    config = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* user = ::getpwuid(::getuid());
      home = user ? user->pw_dir : nullptr;
    }
    config = std::filesystem::path(home ? home : ".") / ".config";
  }
  return config / "corbel" / "registry";
}

LONG CRegistryStore::Read(CRegistryTree& tree) const {
  std::string text;
  if (const LONG status = ReadWhole(m_file, text); status != ERROR_SUCCESS)
    return status;
  std::vector<std::size_t> badLines;
  tree = CRegistryTree::Parse(text, badLines);
  if (!badLines.empty())
    WarnUnreadable(m_file, badLines);
  return ERROR_SUCCESS;
}

LONG CRegistryStore::Update(const Change& change) const {
  std::error_code error;
  std::filesystem::create_directories(FolderOf(m_file), error);
  if (error)
    return ErrorFromErrno(error.value());

  const std::string lockName = m_file.string() + ".lock";
  FileDescriptor lock(::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (lock.Get() < 0)
    return ErrorFromErrno(errno);
  while (::flock(lock.Get(), LOCK_EX) != 0) {
    if (errno != EINTR)
      return ErrorFromErrno(errno);
  }

  // Under the lock the file is read again: another process may have written since our caller
  // last looked.
  std::string text;
  if (const LONG status = ReadWhole(m_file, text); status != ERROR_SUCCESS)
    return status;
  std::vector<std::size_t> badLines;
  CRegistryTree tree = CRegistryTree::Parse(text, badLines);
  if (!badLines.empty())
    WarnUnreadable(m_file, badLines);

  bool changed = false;
  if (const LONG status = change(tree, changed); status != ERROR_SUCCESS || !changed)
    return status;

  if (!badLines.empty()) {
    std::filesystem::path backup;
    if (!KeepBackup(m_file, text, backup)) {
      std::cerr << "corbel registry: cannot keep a copy of " << m_file.string()
                << ", so it is not rewritten\n";
      return ERROR_REGISTRY_IO_FAILED;
    }
    std::cerr << "corbel registry: the unreadable " << m_file.string() << " is kept as "
              << backup.string() << '\n';
    ForgetWarning(m_file);
  }
  return WriteAtomically(m_file, tree.ToText());
}
