#include "CIbFileText.h"

#include "AfxMessageBox.h"
#include "CLocale.h"
#include "CodePage.h"
#include "WinUser.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>

namespace {

const wchar_t* const kSeparators = L" ,;\t\n";

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

} // namespace

CIbFileText::CIbFileText()
    : m_commentPrefix(L"//"),
      m_version(0.0),
      m_owner(AfxGetMainWndHandle()),
      m_caption(L"文件操作时出现错误"),
      m_isOpen(0),
      m_length(0),
      m_lineNumber(0),
      m_atEnd(0),
      m_opened(0),
      m_encoding(kUnknown),
      m_writeFailed(0),
      m_size(0),
      m_position(0)
{
}

CIbFileText::~CIbFileText() { Close(); }

void CIbFileText::SetPath(const CString& path) { m_path = path; }

int CIbFileText::DetectEncoding(const CString& path)
{
    CFile probe;
    if (!probe.Open(path, CFile::modeRead | CFile::typeBinary))
        return kUnreadable;
    unsigned char head[2] = {0, 0};
    try {
        return EncodingOfHead(head, probe.Read(head, 2));
    } catch (const CFileException&) {
        return kUnreadable;
    }
}

// The encoding of the file just opened for reading, from its first bytes; the file is left
// at its start.
int CIbFileText::EncodingOfOpenFile()
{
    if (m_length < 2)
        return kUnreadable;
    unsigned char head[2] = {0, 0};
    try {
        const UINT got = m_file->Read(head, 2);
        m_file->SeekToBegin();
        return EncodingOfHead(head, got);
    } catch (const CFileException&) {
        return kUnreadable;
    }
}

int CIbFileText::EncodingOfHead(const unsigned char* head, UINT got)
{
    if (got < 2)
        return kUnreadable;
    return head[0] == 0xFF && head[1] == 0xFE ? kUtf16 : kAnsi;
}

int CIbFileText::Open(int forReading)
{
    if (!m_file)
        m_file = std::make_unique<CStdioFile>();
    m_file->Abort();
    m_isOpen = 0;
    const UINT mode = forReading ? CFile::modeRead | CFile::typeText
                                 : CFile::modeCreate | CFile::modeWrite | CFile::typeText;
    if (!m_file->Open(m_path, mode)) {
        m_file.reset();
        return 0;
    }
    m_opened = 1;
    m_writeFailed = 0;
    if (forReading) {
        m_length = m_file->GetLength();
        m_encoding = EncodingOfOpenFile();
        m_lineNumber = 0;
        m_atEnd = 0;
        DropText();
    }
    m_isOpen = 1;
    return 1;
}

// A failed close matters only for a written file, and writers close through CloseWritten,
// which reports it; here it must not escape, least of all from the destructor.
void CIbFileText::Close()
{
    if (!m_file || !m_isOpen)
        return;
    m_isOpen = 0;
    DropText();
    try {
        m_file->Close();
    } catch (const CFileException&) {
        m_file->Abort();
    }
}

// The whole file is read at the first line: a design file is small, and lines taken from
// memory cost no call on the file each. Reading stops at the length the file had when it
// was opened. A file far larger than any design is refused rather than held in memory.
void CIbFileText::LoadText()
{
    if (m_length > kLargestText) {
        CFileException e(CFileException::invalidFile, -1, m_path);
        e.SetReason(L"the file is too large to be a text file of this program");
        throw e;
    }
    std::size_t size = static_cast<std::size_t>(m_length);
    m_bytes = std::make_unique_for_overwrite<char[]>(size);
    std::size_t got = 0;
    while (got < size) {
        UINT piece = m_file->Read(m_bytes.get() + got, static_cast<UINT>(std::min<std::size_t>(size - got, 1u << 30)));
        if (piece == 0)
            break;  // the file shrank since it was opened
        got += piece;
    }
    m_size = got;
}

void CIbFileText::DropText()
{
    m_bytes.reset();
    m_size = 0;
    m_position = 0;
}

// One physical line in the file's encoding, from the read position to the next line end.
CString CIbFileText::ReadPhysicalLine()
{
    return m_encoding == kUtf16 ? ReadUtf16Line() : ReadAnsiLine();
}

// The line's bytes up to its line end, a carriage return before it dropped; a NUL byte
// ends the line's text.
CString CIbFileText::ReadAnsiLine()
{
    std::string_view rest(m_bytes.get(), m_size);
    rest.remove_prefix(m_position);
    std::size_t end = rest.find('\n');
    std::string_view bytes = rest.substr(0, end);
    m_position += end == std::string_view::npos ? rest.size() : end + 1;
    if (end != std::string_view::npos && !bytes.empty() && bytes.back() == '\r')
        bytes.remove_suffix(1);
    bytes = bytes.substr(0, bytes.find('\0'));
    std::wstring wide;
    size_t bad = 0;
    if (!AnsiToWide(bytes, wide, &bad)) {
        CFileException e(CFileException::invalidFile, -1, m_path);
        CString reason;
        reason.Format(L"line %d holds bytes that are not text of the code page (byte %llu of the line)",
                      m_lineNumber + 1, static_cast<unsigned long long>(bad + 1));
        e.SetReason(reason);
        throw e;
    }
    return CString(std::move(wide));
}

// UTF-16 little-endian text after its byte-order mark; surrogate pairs are joined. A lone
// trailing byte holds no character.
CString CIbFileText::ReadUtf16Line()
{
    std::wstring line;
    auto unitAt = [this](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(m_bytes[at]) |
                                     (static_cast<unsigned char>(m_bytes[at + 1]) << 8));
    };
    const std::size_t size = m_size;
    while (m_position + 1 < size) {
        char32_t c = unitAt(m_position);
        m_position += 2;
        if (m_position == 2 && c == 0xFEFF)
            continue;
        if (c >= 0xD800 && c <= 0xDBFF && m_position + 1 < size) {
            char32_t l = unitAt(m_position);
            m_position += 2;
            c = (l >= 0xDC00 && l <= 0xDFFF) ? 0x10000 + ((c - 0xD800) << 10) + (l - 0xDC00) : 0xFFFD;
        }
        if (c == L'\n')
            break;
        line += static_cast<wchar_t>(c);
    }
    if (m_position + 1 == size)
        m_position = size;
    return CString(std::move(line));
}

int CIbFileText::ReadLine(CString& line)
{
    if (!m_file || !m_isOpen || m_encoding == kUnreadable)
        return 0;
    if (!m_bytes)
        LoadText();
    for (;;) {
        if (m_position >= m_size)
            return 0;
        CString text = ReadPhysicalLine();
        ++m_lineNumber;
        text.Trim();
        if (text.IsEmpty())
            continue;
        if (std::wcsncmp(text.GetString(), m_commentPrefix.GetString(), m_commentPrefix.GetLength()) == 0)
            continue;
        line = std::move(text);
        return 1;
    }
}

// A line too long for the tokenising buffer gives -1: no record has that many characters,
// and cutting it would read a different record.
int CIbFileText::SplitTokens(CStringArray& tokens, const CString& line)
{
    tokens.RemoveAll();
    if (line.GetLength() >= kTokenBufferSize)
        return -1;
    int start = 0;
    for (;;) {
        CString token = line.Tokenize(kSeparators, start);
        if (start < 0)
            break;
        tokens.Add(token);
    }
    return static_cast<int>(tokens.GetSize());
}

int CIbFileText::ReadTokens(CStringArray& tokens)
{
    CString line;
    if (!ReadLine(line)) {
        tokens.RemoveAll();
        return 0;
    }
    return SplitTokens(tokens, line);
}

int IsIntegerText(const CString& text)
{
    int i = text.GetLength() > 0 && text[0] == L'-' ? 1 : 0;
    for (; i < text.GetLength(); ++i)
        if (!IsDigit(text[i]))
            return 0;
    return 1;
}

int IsRealText(const CString& text)
{
    int points = 0;
    int i = text.GetLength() > 0 && text[0] == L'-' ? 1 : 0;
    for (; i < text.GetLength(); ++i) {
        if (text[i] == L'.') {
            if (++points > 1)
                return 0;
        } else if (!IsDigit(text[i])) {
            return 0;
        }
    }
    return 1;
}

int IsLetterText(const CString& text)
{
    if (text.GetLength() != 1)
        return 0;
    wchar_t c = text[0];
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') ? 1 : 0;
}

int CIbFileText::CheckSignature(CStringArray& tokens, const CString& line, const CString& signature)
{
    int count = SplitTokens(tokens, line);
    if (count != signature.GetLength())
        return 0;
    for (int i = 0; i < count; ++i) {
        const CString& token = tokens[i];
        bool ok = true;
        switch (signature[i]) {
        case L'I': ok = IsIntegerText(token); break;
        case L'D': ok = IsRealText(token); break;
        case L'C': ok = IsLetterText(token); break;
        default: break;
        }
        if (!ok)
            return ~i;
    }
    return count;
}

int CIbFileText::ReadTypedRecord(CStringArray& tokens, const CString& signature)
{
    CString line;
    if (!ReadLine(line)) {
        tokens.RemoveAll();
        return 0;
    }
    return CheckSignature(tokens, line, signature);
}

int CIbFileText::ReadVersion()
{
    CString line;
    if (!ReadLine(line)) {
        m_atEnd = 1;
        return 0;
    }
    line.MakeUpper();
    if (line.Left(3) != L"VER") {
        ReportError(L"文件头没有版本信息或版本信息错误！", L"");
        return 0;
    }
    CString rest = line.Mid(3);
    rest.TrimLeft();
    if (!IsRealText(rest)) {
        ReportError(L"版本信息错误，版本应由VER和实数(一位小数)构成！", L"");
        return 0;
    }
    m_version = wcstod_l(rest.GetString(), nullptr, corbel::CLocale());
    return 1;
}

void CIbFileText::ReportError(const CString& description, const CString& text)
{
    CString message;
    message.Format(L"%s，无法继续进行，请按以下错误信息描述检查该文件：\n\n文件名称：%s\n文件版本：Ver%.2f\n"
                   L"错误位置：第%ld行\n错误描述：",
                   m_caption, m_path, m_version, static_cast<long>(m_lineNumber));
    message += description;
    if (!text.IsEmpty())
        message += L"\n错误文本：" + text;
    MessageBox(m_owner, message, L"文件操作时出现错误", MB_OK | MB_ICONINFORMATION);
}

int CIbFileText::WriteVersion()
{
    WriteLine(L"以下是数据文件版本信息，由VER和实数(一位小数)组成");
    CString line;
    line.Format(L"Ver %.1f", m_version);
    return WriteRecord(line);
}

int CIbFileText::WriteLine(const CString& text) { return WriteRecord(m_commentPrefix + text); }

// A failed write is remembered rather than thrown on, so that the writer can finish its
// sequence and decide once, at the close, whether the file is whole.
int CIbFileText::WriteRecord(const CString& text)
{
    if (!m_file || !m_isOpen) {
        m_writeFailed = 1;
        return 0;
    }
    try {
        m_file->WriteString(text + L"\n");
    } catch (const CFileException&) {
        m_writeFailed = 1;
    }
    return m_writeFailed ? 0 : 1;
}

int CIbFileText::CloseWritten()
{
    if (!m_file || !m_isOpen)
        return 0;
    try {
        m_file->Flush();
        m_file->Close();
    } catch (const CFileException&) {
        m_file->Abort();
        m_writeFailed = 1;
    }
    m_isOpen = 0;
    return m_writeFailed ? 0 : 1;
}
