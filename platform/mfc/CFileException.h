// A failed file operation, naming the file and the cause.
#pragma once

#include "CException.h"
#include "CString.h"

class CFileException : public CException {
public:
    enum Cause {
        none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
        invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
        lockViolation, diskFull, endOfFile
    };

    CFileException(int cause = none, long osError = -1, LPCTSTR fileName = nullptr);

    // Sets cause, error and file name from an errno value.
    void SetFromErrno(int error, LPCTSTR fileName);
    // A reason in words, for causes that no errno value names.
    void SetReason(LPCTSTR reason);
    // "path: reason" for messages.
    CString GetErrorMessage() const;
    const char* what() const noexcept override { return m_what.c_str(); }

    int m_cause;
    long m_lOsError;
    CString m_strFileName;
    CString m_strReason;

private:
    void Refresh();
    std::string m_what;
};
