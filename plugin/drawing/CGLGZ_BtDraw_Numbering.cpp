// The lengths of the skew-section drawing's bar codes: each bar of a code stands in every
// skeleton column its column text occupies, with the length its length row gives there.
#include "CGLGZ_BtDraw.h"

#include <algorithm>
#include <cstdlib>

int CGLGZ_BtDraw::ComputeCodeLengths()
{
    for (INT_PTR c = 0; c < m_steelCodes.GetSize(); ++c) {
        CHLGZ_SteelCode& code = m_steelCodes[c];
        // 1. The skeleton bars' diameter.
        code.nDiameter = m_pDesign->GetMoreInfo().GetSkeletonDiameter();
        // 2. The length of every occupied column of every member; a positive member names the
        // first length row, any other the second row of the bar with its absolute number.
        int count = 0;
        double sum = 0.0;
        double longest = 0.0;
        double shortest = 0.0;
        for (int m = 0; m < code.aTags.length(); ++m) {
            const int member = code.aTags[m];
            const CHLGZ_BASSteel* bar = FindBarByNumber(std::abs(member));
            if (bar == nullptr)
                continue;
            const AcGeDoubleArray& row = member > 0 ? bar->GetFirstLengths() : bar->GetSecondLengths();
            const CString text = bar->GetColumnText();
            if (row.length() != text.GetLength())
                continue;
            for (int i = 0; i < row.length(); ++i) {
                if (text[i] != L'1')
                    continue;
                longest = count == 0 ? row[i] : std::max(longest, row[i]);
                shortest = count == 0 ? row[i] : std::min(shortest, row[i]);
                sum += row[i];
                ++count;
            }
        }
        // 3. Count, extremes and average; a code that counted no column keeps them at 0.
        code.nCount = count;
        code.dMaxLength = longest;
        code.dMinLength = shortest;
        code.dAverageLength = count > 0 ? sum / count : 0.0;
    }
    return 1;
}
