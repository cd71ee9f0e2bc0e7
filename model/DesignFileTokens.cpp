// Numbers of the design file's tokens.
#include "DesignFileTokens.h"

#include "CIbFileText.h"
#include "CLocale.h"

#include <climits>
#include <cwchar>

int TokenToInt(const CString& token)
{
    long value = wcstol_l(token.GetString(), nullptr, 10, corbel::CLocale());
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double TokenToReal(const CString& token) { return wcstod_l(token.GetString(), nullptr, corbel::CLocale()); }

int AreRealTokens(const CStringArray& tokens, int first)
{
    for (INT_PTR i = first; i < tokens.GetSize(); ++i)
        if (!IsRealText(tokens[i]))
            return 0;
    return 1;
}
