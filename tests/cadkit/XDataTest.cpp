// Extended data under "Mav_ROAD" written and read back, and the conversions between ids,
// entity names and handle strings.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbLine.h"
#include "HostPaths.h"
#include "aced.h"

#include <cmath>
#include <vector>

namespace {

struct Item {
    short code;
    std::wstring text;
    double real;
};

// The application's items as the entity holds them.
std::vector<Item> itemsOf(AcDbObjectId id)
{
    std::vector<Item> items;
    AcDbEntity* ent = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForRead), Acad::eOk);
    resbuf* chain = ent->xData(L"Mav_ROAD");
    ent->close();
    for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == 1040)
            items.push_back({rb->restype, L"", rb->resval.rreal});
        else
            items.push_back({rb->restype, rb->resval.rstring ? rb->resval.rstring : L"", 0.0});
    }
    acutRelRb(chain);
    return items;
}

AcDbObjectId newLine(AcDbObjectId (*add)(AcDbEntity*))
{
    return add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0)));
}

} // namespace

using ExtendedData = CadkitFixture;

TEST_F(ExtendedData, EachWriteReplacesTheTextAndNumberOfTheLastOne)
{
    const AcDbObjectId id = newLine(&add);
    MavUtils::setXData(id, CString(L"主筋"), 2.5);
    double value = 0.0;
    EXPECT_EQ(MavUtils::getXData(id, value), Acad::eOk);
    EXPECT_EQ(value, 2.5);

    MavUtils::setXData(id, CString(L"箍筋"), 0.0);
    std::vector<Item> items = itemsOf(id);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].code, 1001);
    EXPECT_EQ(items[0].text, L"Mav_ROAD");
    EXPECT_EQ(items[1].code, 1000);
    EXPECT_EQ(items[1].text, L"箍筋");
    EXPECT_EQ(items[2].code, 1040);
    EXPECT_EQ(items[2].real, 0.0);

    MavUtils::setXData(id, CString(L"n"), -1.5);
    EXPECT_EQ(MavUtils::getXData(id, value), Acad::eOk);
    EXPECT_EQ(value, -1.5);

    MavUtils::setXData(id, CString(L"n"), std::nan(""));
    items = itemsOf(id);
    ASSERT_EQ(items.size(), 2u);
    value = 7.0;
    EXPECT_EQ(MavUtils::getXData(id, value), Acad::eOk);
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(transcript(), L"");
}

TEST_F(ExtendedData, EntityWithoutTheApplicationsDataAnswersThreeAndLeavesTheOutput)
{
    const AcDbObjectId id = newLine(&add);
    double value = 4.0;
    AcGePoint3d point(1, 2, 3);
    EXPECT_EQ(MavUtils::getXData(id, value), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::getXData(id, point), Acad::eInvalidInput);
    EXPECT_EQ(value, 4.0);
    EXPECT_EQ(point, AcGePoint3d(1, 2, 3));
    AcDbEntity* none = nullptr;
    EXPECT_EQ(MavUtils::getXData(none, value), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::getXData(none, point), Acad::eInvalidInput);
}

TEST_F(ExtendedData, PointReadsTakeTheLastPointItem)
{
    const AcDbObjectId id = newLine(&add);
    ASSERT_EQ(acdbRegApp(L"Mav_ROAD"), 1);
    const double first[3] = {2003, 1, 4};
    const double last[3] = {205, 7, 2};
    resbuf* chain = acutBuildList(1001, L"Mav_ROAD", 1010, first, 1000, L"x", 1011, last, RTNONE);
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForWrite), Acad::eOk);
    ASSERT_EQ(ent->setXData(chain), Acad::eOk);
    ent->close();
    acutRelRb(chain);

    AcGePoint3d point;
    EXPECT_EQ(MavUtils::getXData(id, point), Acad::eOk);
    EXPECT_EQ(point, AcGePoint3d(205, 7, 2));
}

TEST_F(ExtendedData, IdsThatDoNotOpenAreReportedWithTheMembersTag)
{
    const AcDbObjectId id = newLine(&add);
    MavUtils::deleteObj(id);
    double value = 1.0;
    AcGePoint3d point;
    MavUtils::setXData(id, CString(L"s"), 1.0);
    EXPECT_EQ(MavUtils::getXData(id, value), Acad::eWasErased);
    EXPECT_EQ(MavUtils::getXData(id, point), Acad::eWasErased);
    EXPECT_EQ(transcript(), L"\nsetXData 出现异常!\ngetXData 出现异常!\ngetXData 出现异常!");
}

TEST_F(ExtendedData, PointWritesChangeNothing)
{
    const AcDbObjectId id = newLine(&add);
    MavUtils::setXData(id, CString(L"s"), AcGePoint3d(1, 2, 3));
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForRead), Acad::eOk);
    MavUtils::setXData(ent, CString(L"s"), AcGePoint3d(1, 2, 3));
    EXPECT_EQ(ent->xData(L"Mav_ROAD"), nullptr);
    ent->close();
}

using IdsAndHandles = CadkitFixture;

TEST_F(IdsAndHandles, IdsEntityNamesAndHandlesConvertBothWays)
{
    const AcDbObjectId id = newLine(&add);
    ads_name ename = {0, 0};
    EXPECT_EQ(MavUtils::objIdToEname(AcDbObjectId::kNull, ename), Acad::eInvalidInput);
    ASSERT_EQ(MavUtils::objIdToEname(id, ename), Acad::eOk);
    AcDbObjectId back;
    ASSERT_EQ(MavUtils::enameToObjId(ename, back), Acad::eOk);
    EXPECT_EQ(back, id);

    CString handle;
    ASSERT_EQ(MavUtils::objIdToHandleStr(id, handle), Acad::eOk);
    EXPECT_EQ(handle.str(), HostPaths::widen(id.handle().hex()));
    AcDbObjectId found;
    EXPECT_EQ(MavUtils::handleStrToObjId(db(), handle, found, true), Acad::eOk);
    EXPECT_EQ(found, id);

    CString kept = L"x";
    EXPECT_EQ(MavUtils::objToHandleStr(nullptr, kept), Acad::eInvalidInput);
    EXPECT_EQ(kept, CString(L"x"));
    EXPECT_EQ(MavUtils::objIdToHandleStr(AcDbObjectId::kNull, kept), Acad::eNullObjectId);
    EXPECT_EQ(kept, CString(L""));
    EXPECT_EQ(transcript(), L"");
}

TEST_F(IdsAndHandles, UnknownHandleAnswersThreeAndSpeaksOnlyWhenAsked)
{
    AcDbObjectId found;
    EXPECT_EQ(MavUtils::handleStrToObjId(db(), L"FFFFFF", found, false), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"");
    EXPECT_EQ(MavUtils::handleStrToObjId(db(), L"FFFFFF", found, true), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"\nERROR: Could not translate handle to objectId");
    EXPECT_TRUE(found.isNull());
}

TEST_F(IdsAndHandles, SelectionSetBecomesIdsAppendedToTheList)
{
    const AcDbObjectId a = newLine(&add);
    const AcDbObjectId b = newLine(&add);
    ads_name all = {0, 0};
    ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, all), RTNORM);
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId::kNull);
    EXPECT_EQ(MavUtils::enameToObjIds(all, ids), Acad::eOk);
    acedSSFree(all);
    ASSERT_EQ(ids.length(), 3);
    EXPECT_EQ(ids[1], a);
    EXPECT_EQ(ids[2], b);

    ads_name freed = {all[0], all[1]};
    EXPECT_EQ(MavUtils::enameToObjIds(freed, ids), Acad::eInvalidInput);
}

TEST(IdLists, RepeatedIdsAreRemovedKeepingTheFirstOfEach)
{
    AcDbObjectId p, q, r;
    p.setFromOldId(0x100);
    q.setFromOldId(0x200);
    r.setFromOldId(0x300);
    AcArray<AcDbObjectId> ids;
    for (const AcDbObjectId& id : {p, q, p, r, q})
        ids.append(id);
    EXPECT_EQ(MavUtils::checkIdArray(ids), 1);
    ASSERT_EQ(ids.length(), 3);
    EXPECT_EQ(ids[0], p);
    EXPECT_EQ(ids[1], q);
    EXPECT_EQ(ids[2], r);
    AcArray<AcDbObjectId> none;
    EXPECT_EQ(MavUtils::checkIdArray(none), 1);
}

TEST_F(IdsAndHandles, ExplodingANullIdAnswersThree)
{
    EXPECT_EQ(MavUtils::explodeMavCurve(AcDbObjectId::kNull), Acad::eInvalidInput);
}
