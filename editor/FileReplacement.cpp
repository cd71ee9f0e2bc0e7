// Replacing a file whole.
#include "FileReplacement.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path PathOf(const CString& path) { return fs::path(path.ToUtf8()); }

CString TextOf(const fs::path& path) { return CString(path.string().c_str()); }

fs::path FolderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

} // namespace

CString ResolveFileLinks(const CString& path)
{
    std::error_code error;
    const fs::path p = PathOf(path);
    if (!fs::is_symlink(fs::symlink_status(p, error)))
        return path;
    const fs::path target = fs::weakly_canonical(p, error);
    return error ? path : TextOf(target);
}

CString CreateFileBeside(const CString& path)
{
    static std::atomic<unsigned> counter{0};
    const fs::path target = PathOf(path);
    // A file its owner made read-only is not replaced behind its back.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return CString();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".";
        name += target.filename().string();
        name += ".~";
        name += std::to_string(::getpid());
        name += '-';
        name += std::to_string(counter++);
        name += ".tmp";
        const fs::path candidate = FolderOf(target) / name;
        const int fd = ::open(candidate.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return TextOf(candidate);
        }
        if (errno != EEXIST)
            return CString();
    }
    return CString();
}

BOOL ReplaceFileWith(const CString& path, const CString& replacement)
{
    const fs::path target = PathOf(path);
    const fs::path source = PathOf(replacement);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::chmod(source.c_str(), old.st_mode & 07777);
    if (std::rename(source.c_str(), target.c_str()) != 0)
        return FALSE;
    // The rename is done; syncing the folder only makes it outlast a crash.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return TRUE;
}

void RemoveFile(const CString& path) { ::unlink(PathOf(path).c_str()); }
