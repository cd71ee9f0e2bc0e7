// Selection and editor input answered from the host's input script: picks, selections by
// window, layer, colour and curve condition, command echo, object snap and zoom.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcApDocument.h"
#include "AcDbLine.h"
#include "AcDbRegAppTable.h"
#include "aced.h"

#include <string>

namespace {

std::wstring handleOf(AcDbObjectId id)
{
    ACHAR text[17] = {0};
    id.handle().getIntoAsciiBuffer(text);
    return text;
}

short variable(const wchar_t* name)
{
    resbuf value{};
    acedGetVar(name, &value);
    return value.resval.rint;
}

void setVariable(const wchar_t* name, short value)
{
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    ASSERT_EQ(acedSetVar(name, &rb), RTNORM);
}

} // namespace

class Selection : public CadkitFixture {
protected:
    void script(const std::wstring& answers)
    {
        std::wstring error;
        ASSERT_TRUE(app().inputScript().add(answers, &error)) << std::string(error.begin(), error.end());
    }

    AcDbObjectId line(const wchar_t* layer, double x, int color = 256, AcDbObjectId space = {})
    {
        AcDbObjectId layerId;
        EXPECT_EQ(MavUtils::createLayer(layer, layerId), Acad::eOk);
        auto* ent = new AcDbLine(AcGePoint3d(x, 0, 0), AcGePoint3d(x + 1, 1, 0));
        ent->setDatabaseDefaults(db());
        ent->setLayer(layer);
        ent->setColorIndex(static_cast<Adesk::UInt16>(color));
        AcDbBlockTableRecord* block = nullptr;
        AcDbObjectId id;
        EXPECT_EQ(acdbOpenObject(block, space.isNull() ? db()->modelSpaceId() : space, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(block->appendAcDbEntity(id, ent), Acad::eOk);
        block->close();
        ent->close();
        return id;
    }

    // The curve-condition point of the library's extended data.
    void tag(AcDbObjectId id, double type, double position, double box)
    {
        ASSERT_EQ(acdbRegApp(L"Mav_ROAD"), 1);
        AcDbEntity* ent = nullptr;
        ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForWrite), Acad::eOk);
        const double point[3] = {type, position, box};
        resbuf* chain = acutBuildList(1001, L"Mav_ROAD", 1010, point, RTNONE);
        EXPECT_EQ(ent->setXData(chain), Acad::eOk);
        acutRelRb(chain);
        ent->close();
    }
};

TEST_F(Selection, SelectionsAccumulateInSetOrderAndACancelAddsNothing)
{
    const AcDbObjectId a = line(L"0", 0);
    const AcDbObjectId b = line(L"0", 5);
    const AcDbObjectId c = line(L"0", 10);
    script(L"select " + handleOf(c) + L" " + handleOf(a) + L"\nselect " + handleOf(b) + L"\n");
    AcArray<AcDbObjectId> ids;
    EXPECT_EQ(MavUtils::selectEntity(L"选择钢筋", ids), Acad::eOk);
    EXPECT_EQ(MavUtils::selectEntity(nullptr, ids), Acad::eOk);
    ASSERT_EQ(ids.length(), 3);
    EXPECT_EQ(ids[0], c);
    EXPECT_EQ(ids[1], a);
    EXPECT_EQ(ids[2], b);
    EXPECT_NE(transcript().find(L"\n选择钢筋"), std::wstring::npos);
    // The script is empty now: the user's Esc is no selection, and the caller hears so.
    EXPECT_NE(MavUtils::selectEntity(L"again", ids), Acad::eOk);
    EXPECT_EQ(ids.length(), 3);
    EXPECT_EQ(app().selectionSets().count(), 0u);
}

TEST_F(Selection, ASinglePickIsShownUntilEnterAndACancelGivesTheNullId)
{
    const AcDbObjectId a = line(L"0", 0);
    script(L"select " + handleOf(a) + L"\nnone\n");
    char prompt[] = "pick one";
    EXPECT_EQ(MavUtils::selectSingleEntity(prompt), a);
    EXPECT_NE(transcript().find(L"\nPress <ENTER> to continue."), std::wstring::npos);
    EXPECT_EQ(app().inputScript().pending(), 0u);
    EXPECT_TRUE(MavUtils::selectSingleEntity(prompt).isNull());
    script(L"select " + handleOf(a) + L"\n");
    EXPECT_EQ(MavUtils::selectSingleEntity(CString(L"单选")), a);
    EXPECT_EQ(app().selectionSets().count(), 0u);
}

TEST_F(Selection, AWindowSelectionLeavesTheCallersOtherSetAlone)
{
    const AcDbObjectId inside = line(L"0", 2);
    line(L"0", 50);
    ads_name entity = {0, 0};
    ASSERT_EQ(acdbGetAdsName(entity, inside), Acad::eOk);
    ads_name held = {0, 0};
    ASSERT_EQ(acedSSAdd(entity, nullptr, held), RTNORM);
    ads_name earlier = {held[0], held[1]};

    MavUtils::selectInWindow(AcGePoint3d(0, -1, 0), AcGePoint3d(10, 10, 0), held);
    long length = 0;
    ASSERT_EQ(acedSSLength(held, &length), RTNORM);
    EXPECT_EQ(length, 1);
    ads_name member = {0, 0};
    AcDbObjectId id;
    ASSERT_EQ(acedSSName(held, 0, member), RTNORM);
    ASSERT_EQ(acdbGetObjectId(id, member), Acad::eOk);
    EXPECT_EQ(id, inside);
    EXPECT_EQ(acedSSLength(earlier, &length), RTNORM);
    acedSSFree(held);
    acedSSFree(earlier);
}

TEST_F(Selection, TheConditionPicksTheFirstTwoMatchesOnTheLayerInDatabaseOrder)
{
    const AcDbObjectId other = line(L"box", 0);
    const AcDbObjectId nearly = line(L"MAIN", 1);
    const AcDbObjectId first = line(L"Main", 2);
    const AcDbObjectId second = line(L"MAIN", 3);
    const AcDbObjectId third = line(L"MAIN", 4);
    const AcDbObjectId untagged = line(L"MAIN", 5);
    tag(other, 2003, 1, 7);
    tag(nearly, 2003.0000001, 1, 7);
    for (AcDbObjectId id : {first, second, third})
        tag(id, 2003, 1, 7);
    (void)untagged;
    MavCondition condition;
    condition.setCurveType(static_cast<Mavcad::CurveType>(2003));
    condition.setLayerName(L"main");
    condition.setPosition(1);
    condition.setBoxName(7);

    AcDbObjectId a;
    AcDbObjectId b;
    EXPECT_EQ(MavUtils::selectEntityInLayerEx(condition, a, b, true), Acad::eOk);
    EXPECT_EQ(a, first);
    EXPECT_EQ(b, second);
    // The one-result form keeps the last match.
    AcDbObjectId last;
    EXPECT_EQ(MavUtils::selectEntityInLayerEx(condition, last, true), Acad::eOk);
    EXPECT_EQ(last, third);
    // Nothing in paper space: the caller's ids stay.
    AcDbObjectId kept = other;
    EXPECT_EQ(MavUtils::selectEntityInLayerEx(condition, kept, b, false), Acad::eOk);
    EXPECT_EQ(kept, other);
}

TEST_F(Selection, EntitiesByLayerAndColourAndErasedByLayer)
{
    const AcDbObjectId a = line(L"DIM", 0, 1);
    const AcDbObjectId b = line(L"dim", 2, 3);
    const AcDbObjectId c = line(L"TEXT", 4, 1);
    const AcDbObjectId paper = line(L"DIM", 6, 1, db()->paperSpaceId());

    AcArray<AcDbObjectId> ids;
    EXPECT_EQ(MavUtils::selectEntityInLayer(L"Dim", ids), Acad::eOk);
    EXPECT_EQ(ids.length(), 3);
    EXPECT_EQ(MavUtils::selectEntityInLayer(L"EMPTY", ids), Acad::eInvalidInput);
    EXPECT_NE(transcript().find(L"\nNothing in the Layer! SelectEntityInLayer 出现异常!"), std::wstring::npos);

    ids.setLogicalLength(0);
    EXPECT_EQ(MavUtils::selectEntityInLayerEx(CString(L"Dim"), ids, true), Acad::eOk);
    EXPECT_EQ(ids.length(), 2);
    ids.setLogicalLength(0);
    EXPECT_EQ(MavUtils::selectEntityByColorIndex(1, ids, true), Acad::eOk);
    ASSERT_EQ(ids.length(), 2);
    EXPECT_EQ(ids[0], a);
    EXPECT_EQ(ids[1], c);

    MavUtils::deleteObjsInLayer(L"DIM");
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), (std::vector<AcDbObjectId>{c}));
    EXPECT_EQ(entitiesOf(db()->paperSpaceId()), (std::vector<AcDbObjectId>{paper}));
    EXPECT_TRUE(b.isErased());
}

TEST_F(Selection, PicksAndPointsFromTheScript)
{
    const AcDbObjectId a = line(L"0", 0);
    AcDbObjectId id;
    script(L"pick " + handleOf(a) + L" 1,2\n");
    EXPECT_TRUE(MavUtils::selectEntity(static_cast<const wchar_t*>(nullptr), id));
    EXPECT_EQ(id, a);
    EXPECT_FALSE(MavUtils::selectEntity(L"\nagain: ", id));
    EXPECT_NE(transcript().find(L"\nNothing selected."), std::wstring::npos);

    // The asking form asks again after a wrong answer, and stops at Esc.
    script(L"string no\npick " + handleOf(a) + L" 3,4,5\n");
    AcDbObjectId picked;
    AcGePoint3d at;
    wchar_t prompt[] = L"\n选择: ";
    EXPECT_TRUE(MavUtils::selectEntity(picked, at, prompt));
    EXPECT_EQ(picked, a);
    EXPECT_EQ(at, AcGePoint3d(3, 4, 5));
    EXPECT_FALSE(MavUtils::selectEntity(picked, at, prompt));

    script(L"pick " + handleOf(a) + L"\n");
    AcDbEntity* ent = MavUtils::selectEntity(prompt, AcDb::kForWrite);
    ASSERT_NE(ent, nullptr);
    EXPECT_EQ(ent->objectId(), a);
    ent->close();

    AcGePoint3d point;
    script(L"point 7,8\nnone\nstring x\npoint 1,1\n");
    EXPECT_EQ(MavUtils::getInsertPoint(point), 1);
    EXPECT_EQ(point, AcGePoint3d(7, 8, 0));
    EXPECT_NE(transcript().find(L"\n请选择一点作为插入点:"), std::wstring::npos);
    EXPECT_EQ(MavUtils::getInsertPointEx(L"\npoint: ", point), 1);
    EXPECT_EQ(point, AcGePoint3d(1, 1, 0));
    EXPECT_EQ(MavUtils::getInsertPoint(AcGePoint3d(0, 0, 0), L"\nbase: ", point), 0);
}

TEST_F(Selection, HighlightsRefuseTheNullId)
{
    EXPECT_EQ(MavUtils::highlight(AcDbObjectId::kNull), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::unhighlight(AcDbObjectId::kNull), Acad::eInvalidInput);
    const AcDbObjectId a = line(L"0", 0);
    EXPECT_EQ(MavUtils::highlight(a), Acad::eOk);
    EXPECT_EQ(MavUtils::unhighlight(a), Acad::eOk);
}

TEST_F(Selection, EchoIsOffForTheLibrarysCommandsAndRestoredAfterwards)
{
    setVariable(L"CMDECHO", 1);
    resbuf* saved = nullptr;
    resbuf* zero = nullptr;
    MavUtils::echoStart(saved, zero);
    EXPECT_EQ(variable(L"CMDECHO"), 0);
    ASSERT_NE(saved, nullptr);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->restype, RTSHORT);
    MavUtils::echoEnt(saved, zero);
    EXPECT_EQ(variable(L"CMDECHO"), 1);

    MavUtils::zoomToHere(AcGePoint3d(0, 0, 0), AcGePoint3d(30, 40, 0));
    EXPECT_EQ(variable(L"CMDECHO"), 1);
    double lower[2] = {0, 0};
    double upper[2] = {0, 0};
    ASSERT_TRUE(acDocManager->curDocument()->viewWindow(lower, upper));
    EXPECT_DOUBLE_EQ(lower[0], -12.5);
    EXPECT_DOUBLE_EQ(lower[1], -12.5);
    EXPECT_DOUBLE_EQ(upper[0], 42.5);
    EXPECT_DOUBLE_EQ(upper[1], 52.5);
    MavUtils::zoomWindow(AcGePoint3d(100, 0, 0), AcGePoint3d(520, 277, 0));
    ASSERT_TRUE(acDocManager->curDocument()->viewWindow(lower, upper));
    EXPECT_DOUBLE_EQ(upper[0], 520.0);

    setVariable(L"OSMODE", 35);
    MavUtils::turnOffOsnap();
    EXPECT_EQ(variable(L"OSMODE"), 16419);
    MavUtils::turnOffOsnap();
    EXPECT_EQ(variable(L"OSMODE"), 16419);
    MavUtils::turnOnOsnap();
    EXPECT_EQ(variable(L"OSMODE"), 35);
}
