#include "CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The stdio mode of a class-library open mode. Create without NoTruncate truncates.
const char* StdioMode(UINT flags)
{
    UINT access = flags & 0x3;
    bool create = (flags & CFile::modeCreate) != 0;
    bool keep = (flags & CFile::modeNoTruncate) != 0;
    if (access == CFile::modeRead)
        return "rb";
    if (create && !keep)
        return access == CFile::modeWrite ? "wb" : "w+b";
    return "r+b";
}

} // namespace

CFile::CFile(LPCTSTR fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw error;
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    Abort();
    m_path = fileName;
    m_text = (openFlags & typeText) != 0;
    std::string path = m_path.ToUtf8();
    UINT access = openFlags & 0x3;
    bool create = (openFlags & modeCreate) != 0;
    bool keep = (openFlags & modeNoTruncate) != 0;
    if (access != modeRead && create && keep) {
        // Create when missing, keep the contents otherwise.
        int fd = ::open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0666);
        if (fd >= 0)
            ::close(fd);
    }
    m_stream = std::fopen(path.c_str(), StdioMode(openFlags));
    if (m_stream == nullptr) {
        if (error != nullptr)
            error->SetFromErrno(errno, m_path);
        return FALSE;
    }
    struct stat info {};
    if (::fstat(fileno(m_stream), &info) == 0 && S_ISDIR(info.st_mode)) {
        Abort();
        if (error != nullptr)
            error->SetFromErrno(EISDIR, m_path);
        return FALSE;
    }
    return TRUE;
}

void CFile::Close()
{
    if (m_stream == nullptr)
        return;
    std::FILE* stream = m_stream;
    m_stream = nullptr;
    if (std::fclose(stream) != 0)
        ThrowErrno(errno);
}

void CFile::Abort()
{
    if (m_stream != nullptr)
        std::fclose(m_stream);
    m_stream = nullptr;
}

void CFile::Flush()
{
    if (m_stream != nullptr && (std::fflush(m_stream) != 0 || ::fsync(fileno(m_stream)) != 0))
        ThrowErrno(errno);
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (m_stream == nullptr)
        ThrowErrno(EBADF);
    size_t got = std::fread(buffer, 1, count, m_stream);
    if (got < count && std::ferror(m_stream))
        ThrowErrno(errno ? errno : EIO);
    return static_cast<UINT>(got);
}

void CFile::Write(const void* buffer, UINT count)
{
    if (m_stream == nullptr)
        ThrowErrno(EBADF);
    if (count > 0 && std::fwrite(buffer, 1, count, m_stream) != count)
        ThrowErrno(errno ? errno : EIO);
}

ULONGLONG CFile::GetPosition() const
{
    if (m_stream == nullptr)
        ThrowErrno(EBADF);
    off_t at = ::ftello(m_stream);
    if (at < 0)
        ThrowErrno(errno);
    return static_cast<ULONGLONG>(at);
}

ULONGLONG CFile::GetLength() const
{
    if (m_stream == nullptr)
        ThrowErrno(EBADF);
    std::fflush(m_stream);
    struct stat info {};
    if (::fstat(fileno(m_stream), &info) != 0)
        ThrowErrno(errno);
    return static_cast<ULONGLONG>(info.st_size);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    if (m_stream == nullptr)
        ThrowErrno(EBADF);
    int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    if (::fseeko(m_stream, static_cast<off_t>(offset), whence) != 0)
        ThrowErrno(errno);
    return GetPosition();
}

CString CFile::GetFileName() const
{
    int slash = std::max(m_path.ReverseFind(L'/'), m_path.ReverseFind(L'\\'));
    return m_path.Mid(slash + 1);
}

void CFile::ThrowErrno(int error) const
{
    CFileException e;
    e.SetFromErrno(error, m_path);
    throw e;
}
