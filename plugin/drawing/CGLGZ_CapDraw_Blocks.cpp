#include "CGLGZ_CapDraw.h"

#include "AcDbBlockReference.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbServices.h"
#include "AcDbSolid.h"
#include "AcGePlane.h"
#include "CTov_DwgDataBase.h"
#include "DrawingConstants.h"
#include "MavUtils.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kHalfPi = 1.57079632675;
const wchar_t* const kWeldNames[3] = { L"BRI-HLHF_N", L"BRI-HLHF_M", L"BRI-HLHF_H" };
const wchar_t* const kWeldComment = L"钢筋焊缝示意";
const wchar_t* const kArrowComment = L"标注箭头";

// The block of the name when it exists; else a new record (base point, comment, name) that the
// caller fills, returned open for writing. Null id and record when the table cannot be opened.
AcDbObjectId GetOrAddBlock(
    const wchar_t* name, const AcGePoint3d& base, const wchar_t* comment, AcDbBlockTableRecord*& newRecord)
{
    newRecord = nullptr;
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    AcDbBlockTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getBlockTable(pTable, AcDb::kForWrite) != Acad::eOk)
        return AcDbObjectId();
    AcDbObjectId id;
    if (pTable->getAt(name, id) == Acad::eOk) {
        pTable->close();
        return id;
    }
    auto* pRecord = new AcDbBlockTableRecord();
    pRecord->setOrigin(base);
    pRecord->setComments(comment);
    pRecord->setName(name);
    if (pTable->add(id, pRecord) != Acad::eOk) {
        delete pRecord;
        pTable->close();
        return AcDbObjectId();
    }
    pTable->close();
    newRecord = pRecord;
    return id;
}

// Entities in a block take their colour from the reference and stand on the current layer.
void AppendByBlock(AcDbBlockTableRecord* pRecord, AcDbEntity* pEntity)
{
    pEntity->setColorIndex(0);
    pEntity->setLayer(acdbHostApplicationServices()->workingDatabase()->clayer());
    pRecord->appendAcDbEntity(pEntity);
    pEntity->close();
}

AcGePoint3d Corner(double x, double y) { return AcGePoint3d(x, y, 0.0); }

} // namespace

AcDbObjectId CGLGZ_CapDraw::GetWeldBlock(double a, double h, int type)
{
    if (type < 0 || type > 2)
        return AcDbObjectId();
    const AcGePoint3d base = type == 0 ? Corner(0.0, 0.0) : Corner(a / 2.0, 0.0);
    AcDbBlockTableRecord* pRecord = nullptr;
    const AcDbObjectId id = GetOrAddBlock(kWeldNames[type], base, kWeldComment, pRecord);
    if (pRecord == nullptr)
        return id;
    MavUtils::selectLayer(L"04-钢筋");
    const int m = (m_pDesign != nullptr && m_pDesign->GetMoreInfo().GetWeldType() == 1) ? 20 : 10;
    const double s = (a / 2.0) / (m - 1);
    for (int i = type == 2 ? m / 2 : 0; i < m; ++i) {
        const double x = a / 4.0 + i * s;
        AppendByBlock(pRecord, new AcDbLine(Corner(x, 0.0), Corner(x, h)));
    }
    pRecord->close();
    return id;
}

AcDbObjectId CGLGZ_CapDraw::GetLeaderArrowBlock()
{
    AcDbBlockTableRecord* pRecord = nullptr;
    const AcDbObjectId id = GetOrAddBlock(L"BRI-HLJT", Corner(0.0, 0.0), kArrowComment, pRecord);
    if (id.isNull())
        return id;
    MavUtils::selectLayer(L"08-标注");
    if (pRecord == nullptr)
        return id;
    AppendByBlock(pRecord, new AcDbSolid(Corner(0.0, 0.0), Corner(0.8258, 0.1823), Corner(1.0, 0.0)));
    pRecord->close();
    return id;
}

AcDbObjectId CGLGZ_CapDraw::GetDimArrowBlock()
{
    AcDbBlockTableRecord* pRecord = nullptr;
    const AcDbObjectId id = GetOrAddBlock(L"BRI-BZJT", Corner(0.0, 0.0), kArrowComment, pRecord);
    if (id.isNull())
        return id;
    MavUtils::selectLayer(L"08-标注");
    if (pRecord == nullptr)
        return id;
    const AcGePoint3d p0 = Corner(0.0, 0.0), p1 = Corner(-0.8258, -0.1823), p2 = Corner(-1.0, 0.0);
    AppendByBlock(pRecord, new AcDbSolid(p0, p1, p2));
    AppendByBlock(pRecord, new AcDbLine(p0, p1));
    AppendByBlock(pRecord, new AcDbLine(p1, p2));
    AppendByBlock(pRecord, new AcDbLine(p2, p0));
    pRecord->close();
    return id;
}

void CGLGZ_CapDraw::InsertMirroredBlock(
    const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& q, double x, int type)
{
    if (type < 0 || type > 2)
        return;
    // 1. Insertion point and turn, so that the hatch stands on the side away from Q.
    AcGePoint3d p;
    double r = 0.0;
    if (a.y != b.y && a.x != b.x) {
        const AcGePoint3d& left = a.x < b.x ? a : b;
        const AcGePoint3d& right = a.x < b.x ? b : a;
        p = right;
        const double t = std::asin(std::fabs(b.y - a.y) / a.distanceTo(b));
        r = right.y > left.y ? kPi + t : kPi - t;
    } else if (a.x == b.x) {
        const bool rightOfQ = a.x > q.x;
        r = rightOfQ ? -kHalfPi : kHalfPi;
        p = (a.y > b.y) == rightOfQ ? a : b;
    } else {
        const bool aboveQ = a.y > q.y;
        r = aboveQ ? 0.0 : -kPi;
        p = (a.x < b.x) == aboveQ ? a : b;
    }
    // 2. The centred block sits at the middle.
    if (type == 1)
        p = AcGePoint3d((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, (a.z + b.z) / 2.0);
    // 3. A view cut at its middle keeps only the marks left of the cut, halved on the cut.
    if (m_bClipAtMiddle) {
        if (a.x > x + 0.05 && b.x > x + 0.05)
            return;
        if ((a.x - x) * (b.x - x) < 0.0) {
            p = AcGePoint3d(x, a.y, 0.0);
            type = 2;
        }
    }
    // 4. The reference on the auxiliary layer, at the drawing's scale.
    MavUtils::selectLayer(L"07-辅助");
    auto* pRef = new AcDbBlockReference(p, m_idWeldBlocks[type]);
    pRef->setRotation(r);
    const double scale = m_dScale != 0.0 ? 1.0 / m_dScale : 1.0;
    pRef->setScaleFactors(AcGeScale3d(scale, scale, scale));
    // 5. The half hatch lies left of the cut.
    if (type == 2 && r == 0.0)
        pRef->transformBy(AcGeMatrix3d::mirroring(AcGePlane(p, AcGeVector3d(1.0, 0.0, 0.0))));
    // 6.
    AcDbObjectId id;
    if (AppendToModelSpace(pRef, id))
        pRef->close();
    else
        delete pRef;
}

void CGLGZ_CapDraw::InsertMarkBlock(
    const AcGePoint3d& position, double scale, double angle, AcDbObjectId blockId, const int* mirror)
{
    auto* pRef = new AcDbBlockReference(position, blockId);
    pRef->setRotation(angle * kPi / 180.0);
    pRef->setScaleFactors(AcGeScale3d(scale, scale, scale));
    AcDbObjectId id;
    if (!AppendToModelSpace(pRef, id)) {
        delete pRef;
        return;
    }
    if (mirror != nullptr)
        pRef->transformBy(AcGeMatrix3d::mirroring(AcGePlane(position, AcGeVector3d(0.0, 1.0, 0.0))));
    pRef->close();
}
