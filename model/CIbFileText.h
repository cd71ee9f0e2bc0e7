// Base of every line-oriented keyword text file: the design file and the drawing settings.
// Reads meaningful lines (no blanks, no comments), splits them into tokens, checks tokens
// against a record signature of the letters I, D and C, reads the "VER" header, and shows
// the one error box that names the file, its version and the line.
#pragma once

#include "CArray.h"
#include "CStdioFile.h"
#include "CString.h"
#include "WinDef.h"

#include <cstdint>
#include <cstddef>
#include <memory>

class CIbFileText {
public:
    // Encodings found by DetectEncoding.
    enum Encoding { kUnreadable = 0, kAnsi = 1, kUtf16 = 2, kUnknown = 3 };
    // Lines longer than this do not fit the tokenising buffer and are refused.
    static constexpr int kTokenBufferSize = 10000;
    // Files longer than this are no text file of the program and are not read.
    static constexpr std::uint64_t kLargestText = 256u << 20;

    CIbFileText();
    virtual ~CIbFileText();
    CIbFileText(const CIbFileText&) = delete;
    CIbFileText& operator=(const CIbFileText&) = delete;

    void SetPath(const CString& path);
    int DetectEncoding(const CString& path);
    int Open(int forReading);
    void Close();
    int ReadLine(CString& line);
    int SplitTokens(CStringArray& tokens, const CString& line);
    int ReadTokens(CStringArray& tokens);
    int CheckSignature(CStringArray& tokens, const CString& line, const CString& signature);
    int ReadTypedRecord(CStringArray& tokens, const CString& signature);
    int ReadVersion();
    void ReportError(const CString& description, const CString& text);

    // Writing a file opened with Open(0). Each gives 1, or 0 once any write since the open failed.
    // The version comment and the line "Ver" with the version, one decimal.
    int WriteVersion();
    // A comment line: the comment prefix, the text, a line end.
    int WriteLine(const CString& text);
    // A data line: the text and a line end.
    int WriteRecord(const CString& text);
    // Puts everything written on the disk and closes the file; 0 when that or any write failed.
    int CloseWritten();

    const CString& GetPath() const { return m_path; }
    double GetVersion() const { return m_version; }
    long GetLineNumber() const { return m_lineNumber; }
    int GetEncoding() const { return m_encoding; }
    int IsAtEnd() const { return m_atEnd; }
    void SetOwner(HWND owner) { m_owner = owner; }

protected:
    CString m_commentPrefix;
    double m_version;
    CString m_path;
    HWND m_owner;
    CString m_caption;
    std::unique_ptr<CStdioFile> m_file;
    int m_isOpen;
    std::uint64_t m_length;
    std::int32_t m_lineNumber;
    int m_atEnd;
    int m_opened;
    int m_encoding;
    int m_writeFailed;

private:
    int EncodingOfOpenFile();
    static int EncodingOfHead(const unsigned char* head, UINT got);
    void LoadText();
    void DropText();
    CString ReadPhysicalLine();
    CString ReadAnsiLine();
    CString ReadUtf16Line();

    // The file's bytes once the first line is read (none before), and the position of the next
    // line.
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size;
    std::size_t m_position;
};

int IsIntegerText(const CString& text);
int IsRealText(const CString& text);
int IsLetterText(const CString& text);
