#include "CFileException.h"

#include <cerrno>
#include <cstring>

namespace {

int CauseOfErrno(int error)
{
    switch (error) {
    case ENOENT: return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return CFileException::badPath;
    case EMFILE:
    case ENFILE: return CFileException::tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return CFileException::accessDenied;
    case ENOSPC: return CFileException::diskFull;
    case EIO: return CFileException::hardIO;
    case ESPIPE:
    case EINVAL: return CFileException::badSeek;
    default: return CFileException::genericException;
    }
}

} // namespace

CFileException::CFileException(int cause, long osError, LPCTSTR fileName)
    : CException("file error"), m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
    Refresh();
}

void CFileException::SetFromErrno(int error, LPCTSTR fileName)
{
    m_cause = CauseOfErrno(error);
    m_lOsError = error;
    m_strFileName = fileName;
    m_strReason = CString(std::strerror(error));
    Refresh();
}

void CFileException::SetReason(LPCTSTR reason)
{
    m_strReason = reason;
    Refresh();
}

CString CFileException::GetErrorMessage() const
{
    CString reason = m_strReason.IsEmpty() ? CString(L"file error") : m_strReason;
    return m_strFileName + L": " + reason;
}

void CFileException::Refresh() { m_what = GetErrorMessage().ToUtf8(); }
