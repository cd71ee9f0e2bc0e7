#include "CBentCapProject.h"

#include "CBent_HlFile.h"

namespace {

const double kLoadFactors[] = {0.001, 0.01, 0.1, 1.0};
const double kSaveFactors[] = {1000.0, 100.0, 10.0, 1.0};

int UnitIndex(int unit) { return unit >= 0 && unit <= 3 ? unit : 3; }

} // namespace

double CBentCapProject::GetLoadFactor() const { return kLoadFactors[UnitIndex(m_nUnit)]; }

double CBentCapProject::GetSaveFactor() const { return kSaveFactors[UnitIndex(m_nUnit)]; }

void CBentCapProject::Reset()
{
    // 1. No file yet.
    m_strPath.Empty();
    // 2. A design with its defaults and a geometry of zero lengths and square ends.
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    // 3. Two supports, the entry that follows their spacings, no extra skeleton types, and
    // fifteen bar columns when the design has none.
    design.InitSupports(2);
    design.GetSectionPositions().Add(0);
    design.GetFaceList().RemoveAll();
    if (design.GetMainFace().GetBarColumnCount() == 0)
        design.SetBarColumnCount(15);
    // 4. Millimetres to the current unit.
    design.ScaleLengths(GetLoadFactor());
    // 5. They replace the project's.
    m_BasicGeometry = geometry;
    m_PierInfo = design;
}

int CBentCapProject::SaveTo(const CString& path) const
{
    // 1. Copies, so that the project is never scaled by saving.
    CBent_PierInfo design(m_PierInfo);
    CBent_BasicGeometry geometry = m_BasicGeometry;
    // 2. A file without owner window, aimed at the copies.
    CBent_HlFile file;
    file.SetPath(path);
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    // 3. To millimetres.
    file.ScaleLengths(GetSaveFactor());
    // 4. Version 4.3.
    return file.Save();
}
