// A binary file over the C library's streams, with the class library's open modes.
// Failures after a successful open throw CFileException naming the file.
#pragma once

#include "CFileException.h"
#include "CString.h"
#include "WinDef.h"

#include <cstdio>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition : UINT { begin = 0x0, current = 0x1, end = 0x2 };

    CFile() = default;
    // Opens at once; a failure throws.
    CFile(LPCTSTR fileName, UINT openFlags);
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();
    virtual void Flush();

    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }

    CString GetFilePath() const { return m_path; }
    CString GetFileName() const;
    BOOL IsOpen() const { return m_stream != nullptr; }

protected:
    [[noreturn]] void ThrowErrno(int error) const;
    std::FILE* Stream() const { return m_stream; }
    BOOL IsTextMode() const { return m_text; }

private:
    std::FILE* m_stream = nullptr;
    CString m_path;
    BOOL m_text = FALSE;
};
