// Fields of a line separated by blanks, tabs, commas or semicolons; blank lines of a text file
// skipped; readable files and the folder part of a path.
#include "MavUtils.h"

#include "CStdioFile.h"

namespace {

const wchar_t* const kSeparators = L" \t,;";

// The same set in the order that the second field rule searches it.
const wchar_t* const kBreakSeparators = L" \t;,";

const wchar_t* const kEndMarker = L"EOF";
const wchar_t* const kMissingField = L"NULL";

// Paths on this system may use either separator.
const wchar_t* const kPathSeparators = L"\\/";

int countFields(CString text, int& count)
{
    // (1) Nothing but white space: no count.
    text.Trim();
    if (text.IsEmpty())
        return 0;
    // (2) Each pass skips a field and the run of separators after it.
    int fields = 0;
    while (!text.IsEmpty()) {
        const int separator = text.FindOneOf(kSeparators);
        text = separator >= 0 ? text.Mid(separator) : CString();
        text.TrimLeft(kSeparators);
        ++fields;
    }
    // (3) The count.
    count = fields;
    return 1;
}

// The last index of any of the characters, -1 when there is none.
int lastOneOf(const CString& text, const wchar_t* characters)
{
    for (int i = text.GetLength() - 1; i >= 0; --i) {
        for (const wchar_t* c = characters; *c != L'\0'; ++c) {
            if (text.GetAt(i) == *c)
                return i;
        }
    }
    return -1;
}

// White space, semicolons and commas in turn, until none of them is left at the start: a blank
// after a semicolon would otherwise run the next fields together into one.
void trimBreakStart(CString& text)
{
    int length = -1;
    while (length != text.GetLength()) {
        length = text.GetLength();
        text.TrimLeft();
        text.TrimLeft(L';');
        text.TrimLeft(L',');
    }
}

} // namespace

int MavUtils::numberOfStr(CString text, int& count) { return countFields(text, count); }

int MavUtils::calculateNumberOfSubString(CString text, int& count) { return countFields(text, count); }

CString MavUtils::getSubStrAt(CString text, int position)
{
    // (1) Nothing but white space, or a position before the first: no field.
    text.Trim();
    if (text.IsEmpty() || position < 0)
        return kMissingField;
    // (2) Each pass takes one field with its separator; past the last field the last comes again.
    CString field;
    for (int i = 1; i <= position; ++i) {
        text.Trim();
        const int separator = text.FindOneOf(kSeparators);
        if (separator >= 0) {
            field = text.Left(separator + 1);
            text = text.Mid(separator + 1);
            text.TrimLeft(kSeparators);
        } else {
            field = text;
        }
    }
    // (3) The field without separators at its ends.
    field.Trim(kSeparators);
    return field;
}

CString MavUtils::breakStr(CString text, int position)
{
    // (1) No white space, semicolons or commas at the end.
    int remaining = position - 1;
    text.TrimRight();
    text.TrimRight(L';');
    text.TrimRight(L',');
    // (2) One field per pass; the pass after the last field gives the end marker.
    CString field;
    bool lastTaken = false;
    do {
        trimBreakStart(text);
        const int separator = text.FindOneOf(kBreakSeparators);
        if (separator >= 1) {
            field = text.Left(separator);
            text = text.Mid(separator);
        } else {
            field = text;
        }
        if (field.IsEmpty())
            break;
        if (lastTaken) {
            field = kEndMarker;
            break;
        }
        lastTaken = separator < 1;
        --remaining;
    } while (remaining >= 0);
    // (3) The last field found.
    return field;
}

// A line that is not text of the code page throws, as every read of the file does, for the
// caller's reading loop to report.
void MavUtils::jumpLineSpace(CStdioFile* pFile, CString& line)
{
    // (1) The line as it would be read.
    CString copy = line;
    copy.Trim();
    // (2) Blank lines give way to the next line of the file, or to the end marker.
    while (copy.IsEmpty()) {
        if (pFile == nullptr || pFile->GetPosition() == pFile->GetLength() || !pFile->ReadString(copy)) {
            line = kEndMarker;
            return;
        }
        copy.Trim();
    }
    // (3) The first line that holds something, trimmed.
    line = copy;
}

int MavUtils::isValidFile(const CString& path)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText))
        return 0;
    int valid = 0;
    try {
        valid = file.GetLength() > 0 ? 1 : 0;
    } catch (const CFileException&) {
        valid = 0;
    }
    file.Abort();
    return valid;
}

void MavUtils::getFileForwardPath(const CString& path, CString& folder)
{
    // (1) An empty path gives nothing.
    if (path.IsEmpty())
        return;
    // (2) Without the extension, then without the file name. Only a point in the file name
    // starts an extension: one in a folder name would cut the folder apart.
    const int point = path.ReverseFind(L'.');
    if (point < 1 || point < lastOneOf(path, kPathSeparators))
        return;
    folder = path.Left(point);
    const int separator = lastOneOf(folder, kPathSeparators);
    if (separator >= 1)
        folder = folder.Left(separator);
}
