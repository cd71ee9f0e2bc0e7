#include "CStdioFile.h"

#include "CodePage.h"

#include <cerrno>
#include <cstring>
#include <string>

CStdioFile::CStdioFile(LPCTSTR fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw error;
}

BOOL CStdioFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    if ((openFlags & typeBinary) == 0)
        openFlags |= typeText;
    return CFile::Open(fileName, openFlags, error);
}

char* CStdioFile::ReadString(char* buffer, UINT maxBytes)
{
    if (Stream() == nullptr)
        ThrowErrno(EBADF);
    if (buffer == nullptr || maxBytes < 2)
        return nullptr;
    char* got = std::fgets(buffer, static_cast<int>(maxBytes), Stream());
    if (got == nullptr) {
        if (std::ferror(Stream()))
            ThrowErrno(errno ? errno : EIO);
        return nullptr;
    }
    if (IsTextMode()) {
        size_t n = std::strlen(buffer);
        if (n >= 2 && buffer[n - 2] == '\r' && buffer[n - 1] == '\n') {
            buffer[n - 2] = '\n';
            buffer[n - 1] = '\0';
        }
    }
    return buffer;
}

BOOL CStdioFile::ReadString(CString& line)
{
    ULONGLONG start = GetPosition();
    std::string bytes;
    char piece[1025];
    bool any = false;
    while (ReadString(piece, sizeof piece) != nullptr) {
        any = true;
        bytes += piece;
        if (!bytes.empty() && bytes.back() == '\n')
            break;
    }
    if (!any)
        return FALSE;
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r'))
        bytes.pop_back();
    std::wstring wide;
    size_t bad = 0;
    if (!AnsiToWide(bytes, wide, &bad)) {
        CFileException e(CFileException::invalidFile, -1, GetFilePath());
        CString reason;
        reason.Format(L"invalid character bytes at offset %llu", start + bad);
        e.SetReason(reason);
        throw e;
    }
    line = CString(std::move(wide));
    return TRUE;
}

void CStdioFile::WriteString(LPCTSTR text)
{
    std::string bytes;
    size_t bad = 0;
    if (!WideToAnsi(text ? text : L"", bytes, &bad)) {
        CFileException e(CFileException::invalidFile, -1, GetFilePath());
        CString reason;
        reason.Format(L"character U+%04X cannot be written in the file's code page",
                      static_cast<unsigned>(text[bad]));
        e.SetReason(reason);
        throw e;
    }
    Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

void CStdioFile::Write(const void* buffer, UINT count)
{
    if (!IsTextMode()) {
        CFile::Write(buffer, count);
        return;
    }
    const char* bytes = static_cast<const char*>(buffer);
    std::string out;
    out.reserve(count + count / 16);
    for (UINT i = 0; i < count; ++i) {
        if (bytes[i] == '\n')
            out += '\r';
        out += bytes[i];
    }
    CFile::Write(out.data(), static_cast<UINT>(out.size()));
}
