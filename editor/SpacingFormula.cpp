// Spacing formulas and the regular layouts the editor proposes.
#include "SpacingFormula.h"

#include "CLocale.h"
#include "NumericHelpers.h"

#include <cmath>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

// More spacings than any section can have stand for a mistyped count.
constexpr long kMaxTermCount = 10000;

struct Term {
    int count;
    int tenths;
};

// Terms with a count of 0 are left out; they would not read back.
CString JoinTerms(const std::vector<Term>& terms)
{
    CString formula;
    for (const Term& term : terms) {
        if (term.count <= 0)
            continue;
        if (!formula.IsEmpty())
            formula += L"+";
        formula.AppendFormat(L"%d*%s", term.count, FormatFixed(term.tenths / 10.0, -7));
    }
    return formula;
}

// The clear length in whole tenths, and its split into spacings equal spacings plus a
// remainder of tenths.
struct Split {
    int spacings;
    int tenths;
    int remainder;
};

Split SplitLength(double clear, int spacings)
{
    const int total = static_cast<int>(clear * 10.0 + 0.5);
    const int tenths = total / spacings;
    return {spacings, tenths, total - spacings * tenths};
}

bool IsWholeNumber(const CString& text)
{
    if (text.IsEmpty() || text.GetLength() > 9)
        return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (!std::iswdigit(text[i]))
            return false;
    return true;
}

// The whole text a finite real above 0.
bool ReadSpacing(const CString& text, double& value)
{
    if (text.IsEmpty())
        return false;
    wchar_t* end = nullptr;
    value = wcstod_l(text.GetString(), &end, corbel::CLocale());
    return *end == L'\0' && std::isfinite(value) && value > 0.0;
}

bool ReadTerm(CString term, std::vector<double>& spacings)
{
    term.Trim();
    long count = 1;
    CString spacingText = term;
    const int star = term.Find(L'*');
    if (star >= 0) {
        CString countText = term.Left(star);
        countText.Trim();
        spacingText = term.Mid(star + 1);
        if (!IsWholeNumber(countText))
            return false;
        count = std::wcstol(countText.GetString(), nullptr, 10);
    }
    spacingText.Trim();
    double spacing = 0.0;
    if (count < 1 || count > kMaxTermCount || !ReadSpacing(spacingText, spacing))
        return false;
    spacings.insert(spacings.end(), static_cast<size_t>(count), spacing);
    return spacings.size() <= static_cast<size_t>(kMaxTermCount);
}

} // namespace

int FormatSkeletonSpacing(double width, double cover, int columns, CString& formula)
{
    formula.Empty();
    if (columns < 2)
        return 1;
    const Split s = SplitLength(width - 2.0 * cover, columns - 1);
    const int g = s.spacings, d = s.tenths, r = s.remainder;
    if (r == 0)
        formula = JoinTerms({{g, d}});
    else if (r % 2 == 0)
        formula = JoinTerms({{r / 2, d + 1}, {g - r, d}, {r / 2, d + 1}});
    else
        // The wider spacings in the middle; with an even count of spacings the narrow ones
        // cannot be split evenly and the right side takes one more.
        formula = JoinTerms({{(g - r) / 2, d}, {r, d + 1}, {g - r - (g - r) / 2, d}});
    return 1;
}

int FormatSideSpacing(double height, double topCover, double bottomCover, int bars, CString& formula)
{
    formula.Empty();
    if (bars < 2)
        return 1;
    const Split s = SplitLength(height - bottomCover - topCover, bars - 1);
    const int g = s.spacings, d = s.tenths, r = s.remainder;
    if (r == 0)
        formula = JoinTerms({{g, d}});
    else if (r % 2 == 0)
        formula = JoinTerms({{r, d + 1}, {g - r, d}});
    else
        formula = JoinTerms({{g - r, d}, {r, d + 1}});
    return 1;
}

SpacingFormulaStatus ParseSpacingFormula(const CString& formula, CArray<double, const double&>& spacings)
{
    CString text = formula;
    text.Trim();
    if (text.IsEmpty())
        return SpacingFormulaStatus::Empty;
    std::vector<double> values;
    int start = 0;
    while (start <= text.GetLength()) {
        int plus = text.Find(L'+', start);
        if (plus < 0)
            plus = text.GetLength();
        if (!ReadTerm(text.Mid(start, plus - start), values))
            return SpacingFormulaStatus::BadTerm;
        start = plus + 1;
    }
    spacings.RemoveAll();
    for (double v : values)
        spacings.Add(v);
    return SpacingFormulaStatus::Valid;
}

int DivideStirrupColumns(int stirrups, int columns, CArray<int, const int&>& starts, CArray<int, const int&>& ends)
{
    const int k = stirrups, n = columns;
    if (k < 1 || n < 2 * k || n > 8 * k)
        return 0;
    // The column gaps in 2k - 1 segments, symmetric, the spare gaps going in pairs to the
    // segments where two stirrups overlap.
    const int b = 2 * k - 1;
    std::vector<int> w(static_cast<size_t>(b), 0);
    const int q = (n - 1) / b;
    int rem = (n - 1) - q * b;
    int outer = 0;
    for (int i = 0; i <= k - 2; ++i) {
        w[i] = q;
        if (i % 2 == 1 && rem >= 2) {
            w[i] += 1;
            rem -= 2;
        }
        w[b - 1 - i] = w[i];
        outer += 2 * w[i];
    }
    w[k - 1] = n - 1 - outer;

    // Stirrup j spans the segments from first to last: the two outer stirrups two segments,
    // the others three.
    auto columnAfter = [&](int segment) {
        int sum = 0;
        for (int i = 0; i < segment; ++i)
            sum += w[i];
        return sum;
    };
    starts.RemoveAll();
    ends.RemoveAll();
    if (k == 1) {
        starts.Add(0);
        ends.Add(n - 1);
        return 1;
    }
    for (int j = 0; j < k; ++j) {
        const int first = j == 0 ? 0 : 2 * j - 1;
        const int last = j == 0 ? 1 : (j == k - 1 ? 2 * k - 2 : 2 * j + 1);
        starts.Add(columnAfter(first));
        ends.Add(columnAfter(last + 1));
    }
    return 1;
}
