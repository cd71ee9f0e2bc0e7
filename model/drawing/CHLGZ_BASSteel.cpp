// Base of every drawing-side bar record.
#include "CHLGZ_BASSteel.h"

#include "ColumnText.h"
#include "DesignLimits.h"

CHLGZ_BASSteel::CHLGZ_BASSteel() { Reset(); }

CHLGZ_BASSteel::CHLGZ_BASSteel(const CHLGZ_BASSteel& other) : CHLGZ_BASSteel() { *this = other; }

CHLGZ_BASSteel& CHLGZ_BASSteel::operator=(const CHLGZ_BASSteel& other)
{
    m_nKind = other.m_nKind;
    m_nBarType = other.m_nBarType;
    m_nDiameter = other.m_nDiameter;
    m_strColumnText = other.m_strColumnText;
    m_nTag = other.m_nTag;
    m_nBendType = other.m_nBendType;
    m_idFirst = other.m_idFirst;
    m_idSecond = other.m_idSecond;
    m_ptMark = other.m_ptMark;
    return *this;
}

void CHLGZ_BASSteel::Reset()
{
    m_aFirstPoints.removeAll();
    m_aFirstRadii.removeAll();
    m_aSecondPoints.removeAll();
    m_aSecondRadii.removeAll();
    m_idFirst.setNull();
    m_nStartFlag = 0;
    m_nEndFlag = 0;
    m_ptMark = AcGePoint2d(0.0, 0.0);
    m_nKind = 0;
    m_nBarType = 1;
    m_nDiameter = 28;
    SetColumnCount(kMaxBarColumns, 0);
}

void CHLGZ_BASSteel::AssignFrom(const CBent_BASSteel& design)
{
    m_nKind = design.GetKind();
    m_nBarType = design.GetBarType();
    m_nDiameter = design.GetDiameter();
    m_strColumnText = design.GetColumnText();
}

void CHLGZ_BASSteel::SetColumnCount(int n, int flag)
{
    if (n < 0)
        return;
    FitColumnText(m_strColumnText, n, m_nKind, flag != 0);
}

void CHLGZ_BASSteel::Transform(const AcGeMatrix3d& matrix, int first, int second)
{
    if (first)
        for (AcGePoint3d& p : m_aFirstPoints)
            p.transformBy(matrix);
    if (second)
        for (AcGePoint3d& p : m_aSecondPoints)
            p.transformBy(matrix);
}

void CHLGZ_BASSteel::CollectEntityIds(AcDbObjectIdArray& ids, AcGeIntArray& tags, int skipNull) const
{
    for (const AcDbObjectId& id : {m_idFirst, m_idSecond}) {
        if (skipNull && id.isNull())
            continue;
        ids.append(id);
        tags.append(m_nTag);
    }
}
