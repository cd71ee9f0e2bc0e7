// Group values are written in the C locale, reals in the shortest text that reads back to the
// same number, so a drawing saved, read and saved again gives the same file.
#include "CodePage.h"
#include "AcDbDxfFiler.h"

#include "AcDbDatabase.h"
#include "CString.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// The integer right-aligned in a field of the width, as "%*d" prints it, without the cost of
// a formatted print for every group of a drawing.
void appendPadded(std::string& out, long long value, int width)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    for (auto n = res.ptr - buf; n < width; ++n)
        out += ' ';
    out.append(buf, res.ptr);
}

std::string padded(long long value, int width)
{
    std::string text;
    appendPadded(text, value, width);
    return text;
}

// Control characters cannot stand in a DXF line; they are written in caret notation.
std::string escapeControls(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20) {
            out += '^';
            out += static_cast<char>(u + 64);
        } else if (c == '^') {
            out += "^ ";
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescapeControls(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size()) {
            const char n = text[++i];
            out += (n == ' ') ? '^' : static_cast<char>(n - 64);
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

int AcDbDxfGroup::asInt() const
{
    long long v = 0;
    std::size_t b = value.find_first_not_of(' ');
    if (b == std::string::npos)
        return 0;
    std::from_chars(value.data() + b, value.data() + value.size(), v);
    return static_cast<int>(v);
}

double AcDbDxfGroup::asDouble() const
{
    double v = 0.0;
    std::size_t b = value.find_first_not_of(' ');
    if (b == std::string::npos)
        return 0.0;
    std::from_chars(value.data() + b, value.data() + value.size(), v);
    return v;
}

std::wstring AcDbDxfGroup::asString() const
{
    return Utf8ToWideLossy(unescapeControls(value));
}

AcDbDxfFiler::AcDbDxfFiler(AcDbDatabase* db, std::string& out)
    : mDatabase(db)
    , mOut(&out)
{
}

AcDbDxfFiler::AcDbDxfFiler(AcDbDatabase* db, const std::vector<AcDbDxfGroup>& groups)
    : mDatabase(db)
    , mGroups(&groups)
{
}

std::string AcDbDxfFiler::formatDouble(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return "0.0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, res.ptr);
    if (s.find_first_of(".e") == std::string::npos)
        s += ".0";
    return s;
}

void AcDbDxfFiler::writeLine(int code, const std::string& value)
{
    appendPadded(*mOut, code, 3);
    *mOut += '\n';
    *mOut += value;
    *mOut += '\n';
}

void AcDbDxfFiler::writeString(int code, const std::wstring& value)
{
    // Most strings of a drawing (names, markers, numbers as text) are plain ASCII and go out as
    // they are; the others are encoded and escaped.
    const bool plain = std::all_of(value.begin(), value.end(), [](wchar_t c) { return c >= 0x20 && c < 0x7f && c != L'^'; });
    if (!plain) {
        writeLine(code, escapeControls(WideToUtf8Lossy(value)));
        return;
    }
    appendPadded(*mOut, code, 3);
    *mOut += '\n';
    for (const wchar_t c : value)
        *mOut += static_cast<char>(c);
    *mOut += '\n';
}

void AcDbDxfFiler::writeRawString(int code, const std::string& utf8)
{
    writeLine(code, escapeControls(utf8));
}

void AcDbDxfFiler::writeInt16(int code, int value)
{
    writeLine(code, padded(value, 6));
}

void AcDbDxfFiler::writeInt32(int code, long long value)
{
    writeLine(code, padded(value, 9));
}

void AcDbDxfFiler::writeDouble(int code, double value)
{
    writeLine(code, formatDouble(value));
}

// Degrees to 12 significant digits: a degree value read back to radians and converted again
// gives the same text, so a saved, read and saved drawing gives the same file.
void AcDbDxfFiler::writeAngle(int code, double radians)
{
    double degrees = radians * 180.0 / std::numbers::pi;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, degrees, std::chars_format::general, 12);
    std::from_chars(buf, res.ptr, degrees);
    writeDouble(code, degrees);
}

void AcDbDxfFiler::writePoint2d(int code, const AcGePoint2d& p)
{
    writeDouble(code, p.x);
    writeDouble(code + 10, p.y);
}

void AcDbDxfFiler::writePoint3d(int code, const AcGePoint3d& p)
{
    writeDouble(code, p.x);
    writeDouble(code + 10, p.y);
    writeDouble(code + 20, p.z);
}

void AcDbDxfFiler::writeVector3d(int code, const AcGeVector3d& v)
{
    writePoint3d(code, AcGePoint3d(v.x, v.y, v.z));
}

void AcDbDxfFiler::writeHandle(int code, const AcDbHandle& h)
{
    writeLine(code, h.hex());
}

void AcDbDxfFiler::writeObjectId(int code, const AcDbObjectId& id)
{
    writeHandle(code, id.isValid() && !id.isErased() ? id.handle() : AcDbHandle());
}

bool AcDbDxfFiler::readGroup(AcDbDxfGroup& group)
{
    if (mGroups == nullptr || mPos >= mGroups->size())
        return false;
    group = (*mGroups)[mPos++];
    return true;
}

void AcDbDxfFiler::pushBackItem()
{
    if (mPos > 0)
        --mPos;
}

bool AcDbDxfFiler::atSubclassData(const ACHAR* name)
{
    if (mGroups == nullptr || mPos >= mGroups->size())
        return false;
    const AcDbDxfGroup& g = (*mGroups)[mPos];
    if (g.code != 100 || g.asString() != name)
        return false;
    ++mPos;
    return true;
}

AcGePoint3d AcDbDxfFiler::readPoint3d(const AcDbDxfGroup& xGroup)
{
    AcGePoint3d p(xGroup.asDouble(), 0.0, 0.0);
    AcDbDxfGroup g;
    if (readGroup(g)) {
        if (g.code == xGroup.code + 10)
            p.y = g.asDouble();
        else
            pushBackItem();
    }
    if (readGroup(g)) {
        if (g.code == xGroup.code + 20)
            p.z = g.asDouble();
        else
            pushBackItem();
    }
    return p;
}

AcGePoint2d AcDbDxfFiler::readPoint2d(const AcDbDxfGroup& xGroup)
{
    const AcGePoint3d p = readPoint3d(xGroup);
    return { p.x, p.y };
}

AcDbObjectId AcDbDxfFiler::readObjectId(const AcDbDxfGroup& group)
{
    const AcDbHandle h = group.asHandle();
    if (h.isNull() || mDatabase == nullptr)
        return AcDbObjectId::kNull;
    if (mHandleMap != nullptr) {
        const auto it = mHandleMap->find(h.value());
        return it == mHandleMap->end() ? AcDbObjectId::kNull : AcDbObjectId(it->second);
    }
    return mDatabase->stubForHandle(h);
}

double AcDbDxfFiler::readAngle(const AcDbDxfGroup& group) const
{
    return group.asDouble() * std::numbers::pi / 180.0;
}
