// Narrow widths are those of a plain engineering lettering: digits 0.7 of the height,
// capitals about 0.75, small letters about 0.6, with the narrow and wide letters apart.
#include "TextMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct State {
    double height;
    double widthFactor;
    double oblique;
};

// One unit of a multiline text's paragraph: a character, or a stack of two texts.
struct Unit {
    State state;
    wchar_t ch = 0;
    bool stack = false;
    wchar_t stackKind = L'^';
    std::wstring upper, lower;
    bool breakAfter = false; // a line may end after this unit
    bool hardSpace = false;
    double width = 0.0;
};

double slantWidth(double height, double oblique) { return height * std::tan(oblique); }

double stackWidth(const Unit& p)
{
    const double s = p.state.height * TextMetrics::kStackScale;
    return std::max(TextMetrics::measure(p.upper, s, p.state.widthFactor),
                    TextMetrics::measure(p.lower, s, p.state.widthFactor));
}

// Reads a number up to ';' (or the end); `relative` is set by a trailing 'x'.
bool readValue(std::wstring_view s, std::size_t& i, double& value, bool& relative)
{
    const std::size_t end = s.find(L';', i);
    std::wstring text(s.substr(i, end == std::wstring_view::npos ? std::wstring_view::npos : end - i));
    i = end == std::wstring_view::npos ? s.size() : end + 1;
    relative = !text.empty() && (text.back() == L'x' || text.back() == L'X');
    if (relative)
        text.pop_back();
    wchar_t* stop = nullptr;
    value = std::wcstod(text.c_str(), &stop);
    return stop != text.c_str();
}

std::vector<std::vector<Unit>> parseMText(std::wstring_view src, State base)
{
    std::vector<std::vector<Unit>> paragraphs(1);
    std::vector<State> saved;
    State st = base;
    auto addChar = [&](wchar_t ch, bool hard = false) {
        Unit p;
        p.state = st;
        p.ch = ch;
        p.hardSpace = hard;
        p.breakAfter = (ch == L' ' && !hard) || TextMetrics::isWide(ch);
        paragraphs.back().push_back(p);
    };
    for (std::size_t i = 0; i < src.size();) {
        const wchar_t c = src[i];
        if (c == L'{') {
            saved.push_back(st);
            ++i;
        } else if (c == L'}') {
            if (!saved.empty()) {
                st = saved.back();
                saved.pop_back();
            }
            ++i;
        } else if (c == L'^' && i + 1 < src.size() && src[i + 1] == L'J') {
            paragraphs.emplace_back();
            i += 2;
        } else if (c == L'\\' && i + 1 < src.size()) {
            const wchar_t code = src[i + 1];
            i += 2;
            double v = 0.0;
            bool rel = false;
            switch (code) {
            case L'P':
            case L'N': paragraphs.emplace_back(); break;
            case L'H':
                if (readValue(src, i, v, rel) && v > 0.0)
                    st.height = rel ? st.height * v : v;
                break;
            case L'W':
                if (readValue(src, i, v, rel) && v > 0.0)
                    st.widthFactor = rel ? st.widthFactor * v : v;
                break;
            case L'Q':
                if (readValue(src, i, v, rel))
                    st.oblique = v * kPi / 180.0;
                break;
            case L'S': {
                const std::size_t end = src.find(L';', i);
                const std::wstring body(src.substr(i, end == std::wstring_view::npos ? std::wstring_view::npos : end - i));
                i = end == std::wstring_view::npos ? src.size() : end + 1;
                Unit p;
                p.state = st;
                p.stack = true;
                const std::size_t split = body.find_first_of(L"^/#");
                p.stackKind = split == std::wstring::npos ? L'^' : body[split];
                p.upper = body.substr(0, split);
                p.lower = split == std::wstring::npos ? L"" : body.substr(split + 1);
                paragraphs.back().push_back(p);
                break;
            }
            case L'~': addChar(L' ', true); break;
            case L'\\':
            case L'{':
            case L'}': addChar(code); break;
            case L'U':
                if (i < src.size() && src[i] == L'+' && i + 5 <= src.size()) {
                    const std::wstring hex(src.substr(i + 1, 4));
                    addChar(static_cast<wchar_t>(std::wcstol(hex.c_str(), nullptr, 16)));
                    i += 5;
                } else {
                    addChar(L'U');
                }
                break;
            case L'L': case L'l': case L'O': case L'o': case L'K': case L'k': break;
            case L'A': case L'f': case L'F': case L'C': case L'c': case L'T': case L'p': {
                const std::size_t end = src.find(L';', i);
                i = end == std::wstring_view::npos ? src.size() : end + 1;
                break;
            }
            default: addChar(code); break;
            }
        } else {
            addChar(c);
            ++i;
        }
    }
    return paragraphs;
}

} // namespace

bool TextMetrics::isWide(wchar_t ch)
{
    const auto c = static_cast<unsigned long>(ch);
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

double TextMetrics::charWidth(wchar_t ch)
{
    if (isWide(ch))
        return 1.0;
    if (ch >= L'0' && ch <= L'9')
        return 0.7;
    if (ch >= L'A' && ch <= L'Z') {
        switch (ch) {
        case L'I': return 0.3;
        case L'J': return 0.6;
        case L'M': case L'W': return 0.9;
        default: return 0.75;
        }
    }
    if (ch >= L'a' && ch <= L'z') {
        switch (ch) {
        case L'i': case L'j': case L'l': return 0.3;
        case L'f': case L'r': case L't': return 0.45;
        case L'm': case L'w': return 0.85;
        default: return 0.6;
        }
    }
    switch (ch) {
    case L' ': return 0.5;
    case L'.': case L',': case L':': case L';': case L'\'': case L'!': case L'|': case L'`': return 0.3;
    case L'(': case L')': case L'[': case L']': case L'{': case L'}': return 0.4;
    case L'-': case L'_': case L'/': case L'\\': case L'"': case L'^': return 0.5;
    case L'+': case L'=': case L'<': case L'>': case L'~': case L'*': case L'$': case L'?': return 0.7;
    case L'%': case L'#': case L'@': case L'&': return 0.8;
    case 0x00B0: return 0.4; // degree
    case 0x00B1: return 0.7; // plus-minus
    case 0x00D8: case 0x2205: return 0.75; // diameter
    default: break;
    }
    return 0.7;
}

std::wstring TextMetrics::decodeControlCodes(std::wstring_view text)
{
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'%' && i + 2 < text.size() && text[i + 1] == L'%') {
            const wchar_t code = static_cast<wchar_t>(std::towlower(text[i + 2]));
            const wchar_t mapped = code == L'c' ? 0x00D8 : code == L'd' ? 0x00B0 : code == L'p' ? 0x00B1
                                 : code == L'%' ? L'%' : 0;
            if (mapped != 0) {
                out.push_back(mapped);
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

double TextMetrics::measure(std::wstring_view text, double height, double widthFactor, double)
{
    double units = 0.0;
    for (wchar_t ch : text)
        units += charWidth(ch);
    return units * height * widthFactor;
}

TextMetrics::Layout TextMetrics::layoutLine(std::wstring_view text, double height, double widthFactor, double oblique)
{
    Layout layout;
    double x = 0.0;
    for (wchar_t ch : text) {
        const double w = charWidth(ch) * height * widthFactor;
        layout.glyphs.push_back(Glyph{ch, x, 0.0, w, height, oblique});
        x += w;
    }
    layout.box = box(text, height, widthFactor, oblique);
    return layout;
}

double TextMetrics::charDescent(wchar_t ch)
{
    if (isWide(ch))
        return kWideDescent;
    // The narrow characters known to stand on the baseline; any other may reach below it.
    static constexpr std::wstring_view kOnBaseline
        = L"0123456789ABCDEFGHIJKLMNOPRSTUVWXYZabcdefhiklmnorstuvwxz .:+-=*%#!?<>~'\"`";
    return kOnBaseline.find(ch) != std::wstring_view::npos ? 0.0 : kDescent;
}

TextMetrics::Box TextMetrics::box(std::wstring_view text, double height, double widthFactor, double oblique)
{
    double descent = text.empty() ? kDescent : 0.0;
    for (wchar_t ch : text)
        descent = std::max(descent, charDescent(ch));
    const double w = measure(text, height, widthFactor);
    const double top = slantWidth(height, oblique);
    const double bottom = slantWidth(-descent * height, oblique);
    Box b;
    b.minX = std::min(0.0, std::min(top, bottom));
    b.maxX = w + std::max(0.0, std::max(top, bottom));
    b.minY = -descent * height;
    b.maxY = height;
    return b;
}

TextMetrics::Placement TextMetrics::place(std::wstring_view text, double height, double widthFactor, double oblique,
                                          int horzMode, int vertMode, double alignedLength)
{
    Placement p;
    p.height = height;
    p.widthFactor = widthFactor;
    p.width = measure(text, height, widthFactor, oblique);
    const bool spanning = (horzMode == 3 || horzMode == 5) && alignedLength > 0.0 && p.width > 0.0;
    if (spanning && horzMode == 3)
        p.height = height * alignedLength / p.width;
    else if (spanning)
        p.widthFactor = widthFactor * alignedLength / p.width;
    if (spanning)
        p.width = alignedLength;
    switch (horzMode) {
    case 1:
    case 4: p.originX = -p.width / 2.0; break;
    case 2: p.originX = -p.width; break;
    default: p.originX = 0.0; break;
    }
    if (horzMode == 4) {
        p.originY = -p.height / 2.0;
        return p;
    }
    switch (vertMode) {
    case 1: p.originY = kDescent * p.height; break;
    case 2: p.originY = -p.height / 2.0; break;
    case 3: p.originY = -p.height; break;
    default: p.originY = 0.0; break;
    }
    return p;
}

TextMetrics::Layout TextMetrics::layoutMText(std::wstring_view contents, double height, double widthFactor,
                                             double oblique, double wrapWidth, double lineSpacingFactor,
                                             int attachment)
{
    const std::wstring decoded = decodeControlCodes(contents);
    const std::vector<std::vector<Unit>> paragraphs = parseMText(decoded, State{height, widthFactor, oblique});

    // Break paragraphs into lines.
    std::vector<std::vector<Unit>> lines;
    for (const std::vector<Unit>& para : paragraphs) {
        std::vector<Unit> line;
        double x = 0.0;
        for (Unit p : para) {
            p.width = p.stack ? stackWidth(p) : charWidth(p.ch) * p.state.height * p.state.widthFactor;
            if (wrapWidth > 0.0 && !line.empty() && x + p.width > wrapWidth && !(p.ch == L' ' && !p.hardSpace)) {
                // Back to the last place a line may end; a wide character may start a line.
                std::size_t cut = line.size();
                if (!isWide(p.ch) || p.stack) {
                    while (cut > 0 && !line[cut - 1].breakAfter)
                        --cut;
                    if (cut == 0)
                        cut = line.size();
                }
                std::vector<Unit> rest(line.begin() + static_cast<std::ptrdiff_t>(cut), line.end());
                line.resize(cut);
                while (!line.empty() && line.back().ch == L' ' && !line.back().hardSpace && !line.back().stack)
                    line.pop_back();
                lines.push_back(line);
                line = rest;
                x = 0.0;
                for (const Unit& q : line)
                    x += q.width;
            }
            line.push_back(p);
            x += p.width;
        }
        lines.push_back(line);
    }

    // Place the lines from the top down, left-aligned first.
    Layout layout;
    std::vector<double> lineWidths;
    std::vector<std::size_t> lineStarts;
    std::vector<std::size_t> barLines;
    double baseline = 0.0;
    double lastHeight = height;
    for (std::size_t li = 0; li < lines.size(); ++li) {
        double lineHeight = 0.0;
        for (const Unit& p : lines[li])
            lineHeight = std::max(lineHeight, p.state.height);
        if (lineHeight == 0.0)
            lineHeight = height;
        baseline -= li == 0 ? lineHeight : kLineSpacing * std::max(height, lineHeight) * lineSpacingFactor;
        lastHeight = lineHeight;
        lineStarts.push_back(layout.glyphs.size());
        double x = 0.0;
        for (const Unit& p : lines[li]) {
            if (!p.stack) {
                layout.glyphs.push_back(Glyph{p.ch, x, baseline, p.width, p.state.height, p.state.oblique});
            } else {
                const double h = p.state.height;
                const double s = h * kStackScale;
                const double upperW = measure(p.upper, s, p.state.widthFactor);
                const double lowerW = measure(p.lower, s, p.state.widthFactor);
                const bool fraction = p.stackKind != L'^';
                const double upperY = baseline + (fraction ? 0.6 * h : (1.0 - kStackScale) * h);
                const double lowerY = baseline - (fraction ? kDescent * h : 0.45 * h);
                double ux = x + (fraction ? (p.width - upperW) / 2.0 : 0.0);
                double lx = x + (fraction ? (p.width - lowerW) / 2.0 : 0.0);
                for (wchar_t ch : p.upper) {
                    const double w = charWidth(ch) * s * p.state.widthFactor;
                    layout.glyphs.push_back(Glyph{ch, ux, upperY, w, s, p.state.oblique});
                    ux += w;
                }
                for (wchar_t ch : p.lower) {
                    const double w = charWidth(ch) * s * p.state.widthFactor;
                    layout.glyphs.push_back(Glyph{ch, lx, lowerY, w, s, p.state.oblique});
                    lx += w;
                }
                if (p.stackKind == L'/') {
                    layout.bars.push_back(Bar{x, x + p.width, baseline + 0.5 * h});
                    barLines.push_back(li);
                }
            }
            x += p.width;
        }
        lineWidths.push_back(x);
    }
    lineStarts.push_back(layout.glyphs.size());

    // Align the lines in the box and move the origin to the location point.
    const double contentWidth = lineWidths.empty() ? 0.0 : *std::max_element(lineWidths.begin(), lineWidths.end());
    const double boxWidth = wrapWidth > 0.0 ? std::max(wrapWidth, contentWidth) : contentWidth;
    const double boxBottom = baseline - kDescent * lastHeight;
    const int column = (attachment >= 1 && attachment <= 9) ? (attachment - 1) % 3 : 0;
    const int row = (attachment >= 1 && attachment <= 9) ? (attachment - 1) / 3 : 0;
    const double dx = column == 0 ? 0.0 : column == 1 ? -boxWidth / 2.0 : -boxWidth;
    const double dy = row == 0 ? 0.0 : row == 1 ? -boxBottom / 2.0 : -boxBottom;
    for (std::size_t li = 0; li < lineWidths.size(); ++li) {
        const double shift = column == 0 ? 0.0 : column == 1 ? (boxWidth - lineWidths[li]) / 2.0 : boxWidth - lineWidths[li];
        for (std::size_t g = lineStarts[li]; g < lineStarts[li + 1]; ++g) {
            layout.glyphs[g].x += shift + dx;
            layout.glyphs[g].y += dy;
        }
    }
    for (std::size_t bi = 0; bi < layout.bars.size(); ++bi) {
        const std::size_t li = barLines[bi];
        const double shift = column == 0 ? 0.0 : column == 1 ? (boxWidth - lineWidths[li]) / 2.0 : boxWidth - lineWidths[li];
        layout.bars[bi].x0 += shift + dx;
        layout.bars[bi].x1 += shift + dx;
        layout.bars[bi].y += dy;
    }
    layout.box = Box{dx, boxBottom + dy, boxWidth + dx, dy};
    return layout;
}
