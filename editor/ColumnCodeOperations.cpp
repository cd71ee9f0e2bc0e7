// Digits of the per-column strengthening codes and the editor's operations on the code list.
#include "ColumnCodeOperations.h"

#include "BarColumnCodes.h"
#include "CBent_ExtendSteel.h"

namespace {

int Hundreds(int code) { return (code / 100) % 10; }
int Tens(int code) { return (code / 10) % 10; }
int Units(int code) { return code % 10; }

} // namespace

int SetCodeThousands(int& code, int digit)
{
    if (digit >= 0 && digit <= 9)
        code = digit * 1000 + Hundreds(code) * 100 + Tens(code) * 10 + Units(code);
    return Units(code);
}

int CBent_ExtendSteel::MirrorCodes()
{
    const int count = GetCodeCount();
    for (int i = 0; i < count; ++i)
        m_aCodes[count - 1 - i] = m_aCodes[i];
    return count;
}

void CBent_ExtendSteel::ClearCodeHundreds()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i)
        SetCodeDigit(m_aCodes[i], 0, TRUE);
}

void CBent_ExtendSteel::ClearCodeUnits()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i)
        SetCodeUnits(m_aCodes[i], 0);
}

void CBent_ExtendSteel::CopyCodeHundredsToTens()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i)
        SetCodeDigit(m_aCodes[i], Hundreds(m_aCodes[i]), FALSE);
}

void CBent_ExtendSteel::CopyCodeTensToHundreds()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i)
        SetCodeDigit(m_aCodes[i], Tens(m_aCodes[i]), TRUE);
}

void CBent_ExtendSteel::ReplacePlateBarsWithStrengthening()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i) {
        const int code = m_aCodes[i];
        if (!IsStrengthenedCode(code) || Hundreds(code) == 9 || Tens(code) == 9 || Units(code) == 9)
            continue;
        m_aCodes[i] = (Hundreds(code) + 1) * 100 + (Tens(code) + 1) * 10 + Units(code) + 1;
    }
}

int CBent_ExtendSteel::ReplaceFirstLayerWithPlateBars()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i) {
        const int code = m_aCodes[i];
        if (IsSkeletonCode(code) || IsStrengthenedCode(code) || Hundreds(code) <= 0 || Tens(code) <= 0 ||
            Units(code) <= 0)
            continue;
        m_aCodes[i] = 1000 + (Hundreds(code) - 1) * 100 + (Tens(code) - 1) * 10 + Units(code) - 1;
    }
    return GetCodeCount();
}
