// One face of a cap-beam design.
#include "CBent_FaceInfo.h"

#include "DesignLimits.h"
#include "RecordListHelpers.h"

CBent_FaceInfo::CBent_FaceInfo() { Reset(); }

CBent_FaceInfo::CBent_FaceInfo(const CBent_FaceInfo& other) : CBent_FaceInfo() { Copy(other, TRUE); }

CBent_FaceInfo& CBent_FaceInfo::operator=(const CBent_FaceInfo& other)
{
    Copy(other, TRUE);
    return *this;
}

void CBent_FaceInfo::Reset()
{
    m_nBarColumnCount = 0;
    m_LTLSteel.Reset();
    m_LBLSteel.Reset();
    m_aLUTSteels.RemoveAll();
    m_aLUBSteels.RemoveAll();
    m_aLUPSteels.RemoveAll();
    m_aLUMSteels.RemoveAll();
    m_aSupports.RemoveAll();
    m_aStirrups.RemoveAll();
}

void CBent_FaceInfo::Copy(const CBent_FaceInfo& other, BOOL withStirrups)
{
    if (&other == this)
        return;
    m_nBarColumnCount = other.m_nBarColumnCount;
    m_LTLSteel = other.m_LTLSteel;
    m_LBLSteel = other.m_LBLSteel;
    m_aLUTSteels.Copy(other.m_aLUTSteels);
    m_aLUBSteels.Copy(other.m_aLUBSteels);
    m_aLUPSteels.Copy(other.m_aLUPSteels);
    m_aLUMSteels.Copy(other.m_aLUMSteels);
    m_aSupports.Copy(other.m_aSupports);
    if (withStirrups)
        m_aStirrups.Copy(other.m_aStirrups);
}

BOOL CBent_FaceInfo::SetBarColumnCount(int n)
{
    if (n < 0 || n > kMaxBarColumns)
        return FALSE;
    m_nBarColumnCount = n;
    return TRUE;
}

void CBent_FaceInfo::SetColumnText(const CString& text)
{
    m_LTLSteel.SetColumnText(text);
    m_LBLSteel.SetColumnText(text);
    SetListColumnText(m_aLUTSteels, text);
    SetListColumnText(m_aLUBSteels, text);
    SetListColumnText(m_aLUPSteels, text);
    SetListColumnText(m_aLUMSteels, text);
    SetListColumnText(m_aSupports, text);
}

BOOL CBent_FaceInfo::SetSupportCount(int n)
{
    if (n < 0 || n > kMaxSupportCount)
        return FALSE;
    int c = static_cast<int>(m_aSupports.GetSize());
    // The bent-up bars keep their per-support values: growing again resizes them from there.
    if (n == 0) {
        m_aSupports.RemoveAll();
        return TRUE;
    }
    if (n == c)
        return TRUE;

    if (n > c) {
        // The last support stays last; new ones repeat its inner neighbour.
        CBent_PoleInfo pattern;
        if (c > 1)
            pattern = m_aSupports[c - 2];
        else if (c == 1)
            pattern = m_aSupports[0];
        if (c <= 1) {
            for (int i = c; i < n; ++i)
                m_aSupports.Add(pattern);
        } else {
            m_aSupports.InsertAt(c - 1, pattern, n - c);
        }
    } else if (n == 1) {
        m_aSupports.RemoveAt(1, c - 1);
    } else {
        m_aSupports.RemoveAt(n - 1, c - n);
    }

    for (INT_PTR i = 0; i < m_aLUTSteels.GetSize(); ++i)
        m_aLUTSteels[i].ResizeColumnLists(n);
    for (INT_PTR i = 0; i < m_aLUBSteels.GetSize(); ++i)
        m_aLUBSteels[i].ResizeColumnLists(n);
    return TRUE;
}

void CBent_FaceInfo::ApplySymmetry()
{
    m_LTLSteel.MirrorDistances();
    for (INT_PTR i = 0; i < m_aLUTSteels.GetSize(); ++i)
        m_aLUTSteels[i].MirrorLists();
    for (INT_PTR i = 0; i < m_aLUBSteels.GetSize(); ++i)
        m_aLUBSteels[i].MirrorLists();
    for (INT_PTR i = 0; i < m_aLUPSteels.GetSize(); ++i)
        m_aLUPSteels[i].MirrorDistances();
    // From the right end down: the right half copies the untouched left half, and the left half
    // then copies that copy back, which exchanges left and right twice and so restores it.
    INT_PTR n = m_aSupports.GetSize();
    for (INT_PTR l = n - 1; l >= 0; --l)
        m_aSupports[l].MirrorFrom(m_aSupports[n - 1 - l]);
}

void CBent_FaceInfo::RemoveMirroredStirrups()
{
    const int n = m_nBarColumnCount;
    const int m = (n + 1) / 2;
    for (INT_PTR k = m_aStirrups.GetSize() - 1; k >= 0; --k) {
        const int s = m_aStirrups[k].GetStartColumn();
        const int e = m_aStirrups[k].GetEndColumn();
        bool remove = (s == -1 && e == -1) || (s > m && (e >= s || e == -1)) || (s == -1 && e > m);
        for (INT_PTR j = 0; j < k && !remove; ++j) {
            const int s2 = m_aStirrups[j].GetStartColumn();
            const int e2 = m_aStirrups[j].GetEndColumn();
            if (s2 == s && e2 == e)
                remove = true;
            else if (s != -1 && e != -1 && s2 != -1 && e2 != -1 && s == n - e2 + 1 && e == n - s2 + 1)
                remove = true;
        }
        if (remove)
            m_aStirrups.RemoveAt(k);
    }
}

void CBent_FaceInfo::CompleteStirrups()
{
    RemoveMirroredStirrups();
    const int n = m_nBarColumnCount;
    const bool odd = (n % 2) != 0;
    const INT_PTR kept = m_aStirrups.GetSize();
    for (INT_PTR k = 0; k < kept; ++k) {
        CBent_PAFSteel mirror = m_aStirrups[k];
        const int s = mirror.GetStartColumn();
        const int e = mirror.GetEndColumn();
        if (s != -1 && e != -1) {
            if (s == n + 1 - e)
                continue;
            mirror.SetStartColumn(n + 1 - e);
            mirror.SetEndColumn(n + 1 - s);
        } else if (s != -1) {
            if (odd && s == (n + 1) / 2)
                continue;
            mirror.SetStartColumn(-1);
            mirror.SetEndColumn(n - s + 1);
        } else {
            if (odd && e == (n + 1) / 2)
                continue;
            mirror.SetStartColumn(n - e + 1);
            mirror.SetEndColumn(-1);
        }
        m_aStirrups.Add(mirror);
    }
}

bool CBent_FaceInfo::operator==(const CBent_FaceInfo& other) const
{
    return m_LTLSteel == other.m_LTLSteel && m_LBLSteel == other.m_LBLSteel &&
           ListsEqual(m_aLUTSteels, other.m_aLUTSteels) && ListsEqual(m_aLUBSteels, other.m_aLUBSteels) &&
           ListsEqual(m_aLUPSteels, other.m_aLUPSteels) && ListsEqual(m_aLUMSteels, other.m_aLUMSteels) &&
           ListsEqual(m_aSupports, other.m_aSupports) && ListsEqual(m_aStirrups, other.m_aStirrups) &&
           m_nBarColumnCount == other.m_nBarColumnCount;
}
