// The free functions the utility library calls: result-buffer lists, typed distances,
// registered applications and the user coordinate system.
#include "AcDbRegAppTable.h"
#include "DbFixture.h"

#include <clocale>

using ServicesTest = DbTest;

TEST_F(ServicesTest, BuildListTakesEachValueByItsType)
{
    const ads_point pt = { 1.0, 2.0, 3.0 };
    resbuf* list = acutBuildList(
        RTSTR, L"explode", RTSHORT, 5003, RTREAL, 2.5, RT3DPOINT, pt, RTLB, RTLONG, 70000, RTLE, 1000, L"x", 0);
    std::vector<short> types;
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        types.push_back(rb->restype);
    EXPECT_EQ(types, (std::vector<short> { RTSTR, RTSHORT, RTREAL, RT3DPOINT, RTLB, RTLONG, RTLE, 1000 }));
    EXPECT_STREQ(list->resval.rstring, L"explode");
    EXPECT_EQ(list->rbnext->resval.rint, 5003);
    EXPECT_DOUBLE_EQ(list->rbnext->rbnext->resval.rreal, 2.5);
    EXPECT_DOUBLE_EQ(list->rbnext->rbnext->rbnext->resval.rpoint[1], 2.0);
    EXPECT_EQ(list->rbnext->rbnext->rbnext->rbnext->rbnext->resval.rlong, 70000);
    EXPECT_EQ(acutRelRb(list), RTNORM);
    resbuf* one = acutNewRb(RTSTR);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->resval.rstring, nullptr);
    acutRelRb(one);
}

TEST_F(ServicesTest, DistancesParseInTheCLocaleWhateverTheProcessLocale)
{
    struct Case {
        const ACHAR* text;
        int status;
        double value;
    };
    const Case cases[] = {
        { L"12.5", RTNORM, 12.5 },
        { L" -0.75 ", RTNORM, -0.75 },
        { L".5", RTNORM, 0.5 },
        { L"+3", RTNORM, 3.0 },
        { L"1e3", RTNORM, 1000.0 },
        { L"12,5", RTERROR, 0.0 },
        { L"abc", RTERROR, 0.0 },
        { L"", RTERROR, 0.0 },
        { L"５", RTERROR, 0.0 },
    };
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    for (const Case& c : cases) {
        ads_real v = -1.0;
        EXPECT_EQ(acdbDisToF(c.text, -1, &v), c.status) << c.text;
        if (c.status == RTNORM)
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        else
            EXPECT_DOUBLE_EQ(v, -1.0) << c.text;
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST_F(ServicesTest, RegAppAddsOnceAndRefusesBadNames)
{
    EXPECT_EQ(acdbRegApp(L"Mav_ROAD"), 1);
    EXPECT_EQ(acdbRegApp(L"MAV_ROAD"), 1);
    EXPECT_EQ(acdbRegApp(L"bad|name"), 0);
    AcDbRegAppTable* table = nullptr;
    ASSERT_EQ(db->getRegAppTable(table), Acad::eOk);
    int count = 0;
    for (const AcDbObjectId& id : table->recordIds())
        count += id.isErased() ? 0 : 1;
    EXPECT_EQ(count, 2);
    table->close();
    AcGeMatrix3d ucs;
    EXPECT_TRUE(acdbUcsMatrix(ucs));
    EXPECT_EQ(ucs, AcGeMatrix3d::kIdentity);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_EQ(acdbRegApp(L"OTHER"), 0);
}
