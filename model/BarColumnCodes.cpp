// Per-column strengthening codes and the coded-length range.
// Digits are read as the editor stores them: (code / 100) mod 10, (code / 10) mod 10, code mod 10.
#include "BarColumnCodes.h"

namespace {

int NormalisedThousands(int code)
{
    if (IsSkeletonCode(code))
        return 9;
    if (IsStrengthenedCode(code))
        return 1;
    return 0;
}

bool IsDigit(int value) { return value >= 0 && value <= 9; }

} // namespace

BOOL IsStrengthenedCode(int code) { return code / 1000 == 1; }

BOOL IsSkeletonCode(int code) { return code / 1000 == 9; }

void SetSkeletonCode(int& code, BOOL flag) { code = flag ? 9000 : 0; }

int GetCodeDigit(int code, BOOL hundreds) { return hundreds ? (code / 100) % 10 : (code / 10) % 10; }

int GetCodeUnits(int code) { return code % 10; }

BOOL SetCodeDigit(int& code, int value, BOOL hundreds)
{
    if (!IsDigit(value))
        return FALSE;
    int h = (code / 100) % 10;
    int t = (code / 10) % 10;
    int u = code % 10;
    if (hundreds)
        h = value;
    else
        t = value;
    code = NormalisedThousands(code) * 1000 + h * 100 + t * 10 + u;
    return TRUE;
}

BOOL SetCodeUnits(int& code, int value)
{
    if (!IsDigit(value))
        return FALSE;
    int h = (code / 100) % 10;
    int t = (code / 10) % 10;
    code = NormalisedThousands(code) * 1000 + h * 100 + t * 10 + value;
    return TRUE;
}

BOOL IsBarCodeInRange(double x) { return (x >= 80000.0 && x < 99999.0) ? 1 : 0; }
