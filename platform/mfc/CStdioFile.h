// A text file: lines in the system's ANSI code page on disk, wide text in memory.
// Text mode (the default) reads CR LF as a line feed and writes a line feed as CR LF.
#pragma once

#include "CFile.h"

class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    CStdioFile(LPCTSTR fileName, UINT openFlags);

    BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr) override;

    // Up to maxBytes - 1 bytes, ending after a line feed, terminated with NUL, like fgets.
    // Null at end of file.
    char* ReadString(char* buffer, UINT maxBytes);
    // The next line without its line end. FALSE at end of file. A byte sequence that is
    // not text of the code page throws CFileException naming the file and the line's offset.
    BOOL ReadString(CString& line);
    // Writes the text in the code page. A character the code page lacks throws.
    void WriteString(LPCTSTR text);

    void Write(const void* buffer, UINT count) override;
};
