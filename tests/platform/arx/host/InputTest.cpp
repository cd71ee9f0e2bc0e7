// User input answered from the input script, and selection sets.
#include "HostFixture.h"

#include "AcDbCircle.h"
#include "AcDbLine.h"

#include <cstdlib>
#include <initializer_list>

namespace {

// A filter list of (group, text) and (group, number) items; group 0 is written as RTDXF0.
struct FilterItem {
    int group;
    const wchar_t* text;
    int number;
};

resbuf* filter(std::initializer_list<FilterItem> items)
{
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const FilterItem& item : items) {
        resbuf* rb = acutNewRb(item.group == 0 ? RTDXF0 : item.group);
        if (item.text != nullptr)
            rb->resval.rstring = acutNewString(item.text);
        else
            rb->resval.rint = static_cast<short>(item.number);
        *tail = rb;
        tail = &rb->rbnext;
    }
    return head;
}

void release(resbuf* list)
{
    // Strings of RTDXF0 and -4 are not known to acutRelRb's type table.
    for (resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == RTDXF0 || rb->restype == -4) {
            std::free(rb->resval.rstring);
            rb->resval.rstring = nullptr;
        }
    }
    acutRelRb(list);
}

class InputTest : public HostFixture {
protected:
    void script(const std::wstring& text)
    {
        std::wstring error;
        ASSERT_TRUE(app().inputScript().add(text, &error)) << HostPaths::narrowPath(error);
    }
    AcDbObjectId line(const wchar_t* layer, int colour)
    {
        auto* l = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
        l->setDatabaseDefaults(db());
        acedCommand(RTSTR, L"LAYER", RTSTR, L"N", RTSTR, layer, RTSTR, L"", 0);
        l->setLayer(db()->symbolId(db()->layerTableId(), layer));
        l->setColorIndex(static_cast<Adesk::UInt16>(colour));
        return add(l);
    }
};

TEST_F(InputTest, PointsComeFromTheScriptAndAnEmptyScriptCancels)
{
    script(L"# corners\npoint 10,20\npoint 1.5,-2,3\nnone\n");
    ads_point p;
    ASSERT_EQ(acedGetPoint(nullptr, L"\nFirst: ", p), RTNORM);
    EXPECT_EQ(p[0], 10.0);
    EXPECT_EQ(p[1], 20.0);
    EXPECT_EQ(p[2], 0.0);
    ASSERT_EQ(acedGetPoint(nullptr, L"\nSecond: ", p), RTNORM);
    EXPECT_EQ(p[2], 3.0);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nThird: ", p), RTNONE);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nFourth: ", p), RTCAN);
    EXPECT_NE(transcript().find(L"First: 10,20,0\n"), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Fourth: *Cancel*"), std::wstring::npos);
}

TEST_F(InputTest, AnswerOfTheWrongKindIsAnErrorNotAGuess)
{
    script(L"string hello\n");
    ads_point p;
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", p), RTERROR);
    EXPECT_NE(transcript().find(L"does not answer a point prompt"), std::wstring::npos);
    EXPECT_EQ(app().inputScript().pending(), 0u);
}

TEST_F(InputTest, MalformedScriptLinesAreRefusedWithTheirLineNumber)
{
    for (const wchar_t* bad : {L"point 1\n", L"point a,b\n", L"pick zz\n", L"jump 1,2\n", L"pick 1F 1;2\n"}) {
        std::wstring error;
        EXPECT_FALSE(app().inputScript().add(std::wstring(L"none\n") + bad, &error)) << HostPaths::narrowPath(bad);
        EXPECT_EQ(error.rfind(L"line 2:", 0), 0u) << HostPaths::narrowPath(error);
        EXPECT_EQ(app().inputScript().pending(), 0u);
    }
}

TEST_F(InputTest, EntSelPicksByHandleAndGetStringStopsAtASpaceUnlessCronly)
{
    const AcDbObjectId id = line(L"A", 1);
    script(L"pick " + handleOf(id) + L" 5,0\npick FFFFF\nstring two words\nstring two words\nnone\n");
    ads_name ent;
    ads_point at;
    ASSERT_EQ(acedEntSel(nullptr, ent, at), RTNORM);
    AcDbObjectId picked;
    ASSERT_EQ(acdbGetObjectId(picked, ent), Acad::eOk);
    EXPECT_EQ(picked, id);
    EXPECT_EQ(at[0], 5.0);
    EXPECT_EQ(acedEntSel(L"\nAgain: ", ent, at), RTERROR);

    ACHAR text[133];
    ASSERT_EQ(acedGetString(0, L"\nName: ", text), RTNORM);
    EXPECT_STREQ(text, L"two");
    ASSERT_EQ(acedGetString(1, L"\nName: ", text), RTNORM);
    EXPECT_STREQ(text, L"two words");
    ASSERT_EQ(acedGetString(1, L"\nPress <ENTER> to continue.", text), RTNORM);
    EXPECT_STREQ(text, L"");
    EXPECT_EQ(acedGetString(1, L"\nMore: ", text), RTCAN);
}

TEST_F(InputTest, SelectionOfTheWholeDrawingFiltersByLayerColourAndType)
{
    const AcDbObjectId a1 = line(L"Dim", 1);
    const AcDbObjectId a2 = line(L"DIM", 3);
    line(L"OTHER", 1);
    auto* c = new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
    c->setDatabaseDefaults(db());
    c->setLayer(db()->symbolId(db()->layerTableId(), L"DIM"));
    add(c);

    struct Case {
        resbuf* filter;
        long expected;
    };
    const Case cases[] = {
        {filter({{8, L"dim", 0}}), 3},
        {filter({{8, L"DIM", 0}, {62, nullptr, 1}}), 1},
        {filter({{8, L"D*,OTH?R", 0}, {0, L"LINE", 0}}), 3},
        {filter({{62, nullptr, 5}}), 0},
        {nullptr, 4},
    };
    for (const Case& k : cases) {
        ads_name ss;
        const int status = acedSSGet(L"X", nullptr, nullptr, k.filter, ss);
        if (k.expected == 0) {
            EXPECT_EQ(status, RTERROR);
        } else {
            ASSERT_EQ(status, RTNORM) << k.expected << HostPaths::narrowPath(transcript());
            long n = 0;
            EXPECT_EQ(acedSSLength(ss, &n), RTNORM);
            EXPECT_EQ(n, k.expected);
            EXPECT_EQ(acedSSFree(ss), RTNORM);
        }
        release(k.filter);
    }
    ads_name ss;
    resbuf* colour = filter({{62, nullptr, 1}, {8, L"dim", 0}});
    ASSERT_EQ(acedSSGet(L"_X", nullptr, nullptr, colour, ss), RTNORM);
    ads_name first;
    ASSERT_EQ(acedSSName(ss, 0, first), RTNORM);
    AcDbObjectId id;
    acdbGetObjectId(id, first);
    EXPECT_EQ(id, a1);
    EXPECT_EQ(acedSSName(ss, 1, first), RTERROR);
    acedSSFree(ss);
    release(colour);
    (void)a2;

    resbuf* unsupported = filter({{-4, L"<OR", 0}});
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, unsupported, ss), RTERROR);
    release(unsupported);
    EXPECT_EQ(acedSSGet(L"_C", nullptr, nullptr, nullptr, ss), RTERROR);
}

TEST_F(InputTest, ScriptedAndSingleSelections)
{
    const AcDbObjectId a = line(L"A", 1);
    const AcDbObjectId b = line(L"A", 2);
    script(L"select " + handleOf(a) + L" " + handleOf(b) + L"\nselect " + handleOf(b) + L" " + handleOf(a)
           + L"\nnone\n");
    ads_name ss;
    long n = 0;
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 2);
    acedSSFree(ss);
    ASSERT_EQ(acedSSGet(L":S", nullptr, nullptr, nullptr, ss), RTNORM);
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    ads_name first;
    acedSSName(ss, 0, first);
    AcDbObjectId id;
    acdbGetObjectId(id, first);
    EXPECT_EQ(id, b);
    acedSSFree(ss);
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR);
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
}

TEST_F(InputTest, SetsBuiltByAddHoldEachEntityOnceAndDieWhenFreed)
{
    const AcDbObjectId a = line(L"A", 1);
    const AcDbObjectId b = line(L"A", 1);
    ads_name ea, eb, ss;
    acdbGetAdsName(ea, a);
    acdbGetAdsName(eb, b);
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
    long n = -1;
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(acedSSAdd(ea, ss, ss), RTNORM);
    EXPECT_EQ(acedSSAdd(eb, ss, ss), RTNORM);
    EXPECT_EQ(acedSSAdd(ea, ss, ss), RTNORM);
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(acedSSDel(ea, ss), RTNORM);
    EXPECT_EQ(acedSSDel(ea, ss), RTERROR);
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    EXPECT_EQ(acedSSFree(ss), RTERROR);
    EXPECT_EQ(acedSSLength(ss, &n), RTERROR);
    // An entity name is never taken for a set.
    EXPECT_EQ(acedSSLength(ea, &n), RTERROR);
}

} // namespace
