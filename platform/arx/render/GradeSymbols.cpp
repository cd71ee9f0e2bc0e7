#include "GradeSymbols.h"

#include <QPainterPathStroker>

#include <cwctype>

namespace {

constexpr wchar_t kGradeTwo = 0xE102;
constexpr wchar_t kGradeThree = 0xE103;

// The symbol drawn with strokes of one width and filled as an outline, as the glyphs are.
QPainterPath symbol(bool head)
{
    constexpr double kHalfSerif = 0.2;
    QPainterPath lines;
    lines.addEllipse(QPointF(0.5, 0.5), 0.45, 0.5);
    lines.moveTo(0.5, -0.1);
    lines.lineTo(0.5, 1.1);
    lines.moveTo(0.5 - kHalfSerif, -0.1);
    lines.lineTo(0.5 + kHalfSerif, -0.1);
    if (head) {
        lines.moveTo(0.5 - kHalfSerif, 1.1);
        lines.lineTo(0.5 + kHalfSerif, 1.1);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(0.1);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(lines);
}

} // namespace

wchar_t GradeSymbols::displayChar(wchar_t ch, bool shapeFont)
{
    if (!shapeFont)
        return ch;
    if (ch == L'&')
        return kGradeTwo;
    if (ch == L'^')
        return kGradeThree;
    return ch;
}

bool GradeSymbols::isShapeFont(const std::wstring& fontFile)
{
    const std::wstring name = L"fsdb_e.shx";
    if (fontFile.size() < name.size())
        return false;
    const std::wstring tail = fontFile.substr(fontFile.size() - name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (static_cast<wchar_t>(std::towlower(tail[i])) != name[i])
            return false;
    }
    return fontFile.size() == name.size() || fontFile[fontFile.size() - name.size() - 1] == L'/'
        || fontFile[fontFile.size() - name.size() - 1] == L'\\';
}

bool GradeSymbols::isSymbol(wchar_t displayChar) { return displayChar == kGradeTwo || displayChar == kGradeThree; }

const QPainterPath& GradeSymbols::cellOutline(wchar_t displayChar)
{
    static const QPainterPath two = symbol(false);
    static const QPainterPath three = symbol(true);
    return displayChar == kGradeThree ? three : two;
}
