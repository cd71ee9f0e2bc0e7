// The drawing set-up on a drawing: layers, linetypes, text and dimension styles as a reader of
// the saved drawing finds them, settings files read into them, failures stopping the set-up.
#include "FrameworkFixture.h"

#include "AcDbLayerTableRecord.h"
#include "AcDbLinetypeTable.h"
#include "CTov_InitDraw.h"
#include "DimensionText.h"

#include <set>
#include <sstream>

namespace {

std::set<std::string> linesStartingWith(const std::string& text, const std::string& prefix)
{
    std::set<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) == 0)
            lines.insert(line);
    }
    return lines;
}

} // namespace

class InitDraw : public FrameworkFixture {};

TEST_F(InitDraw, AnEmptyDrawingGetsExactlyTheSystemsLayersAndStyles)
{
    CTov_InitDraw setup;
    ASSERT_EQ(setup.Run(), 1);
    EXPECT_EQ(transcript().find(L"*****"), std::wstring::npos);
    EXPECT_NEAR(db()->ltscale(), 4.0, 1e-12);
    const std::filesystem::path dxf = file("setup.dxf");
    ASSERT_EQ(db()->saveAs(dxf.wstring().c_str()), Acad::eOk);

    int status = 0;
    const std::string out = runScript("setup_dxf.py", dxf, status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_NE(out.find("audit 0 0"), std::string::npos) << out;
    const std::set<std::string> layers {
        "layer 0 7 Continuous 25",
        "layer 01-图框 5 Continuous 70",
        "layer 02-结构 7 Continuous 30",
        "layer 03-预筋 6 Continuous 20",
        "layer 04-钢筋 1 Continuous 35",
        "layer 05-表格 1 Continuous 30",
        "layer 06-锚具 6 Continuous 30",
        "layer 07-辅助 7 Continuous 20",
        "layer 08-标注 7 Continuous 20",
        "layer 09-文本 7 Continuous 20",
        "layer 10-打断 4 Continuous 20",
        "layer 11-揭示 4 Continuous 20",
        "layer 12-内廓 7 HIDDEN 20",
        "layer 13-中心 6 CENTER 20",
        "layer 14-双点 3 PHANTOM2 20",
        // The host's own layer of dimension definition points, made with the first dimension style.
        "layer Defpoints 7 Continuous -3",
    };
    EXPECT_EQ(linesStartingWith(out, "layer "), layers) << out;
    const std::set<std::string> styles {
        "style Standard fsdb_e.shx fsdb.shx 2.5 0.85",
        "style DM fsdb_e.shx fsdb.shx 3 0.85",
        "style BT fsdb_e.shx fsdb.shx 4 0.85",
        "style FZ fsdb_e.shx fsdb.shx 4 0.85",
        "style YB fsdb_e.shx fsdb.shx 3 0.85",
    };
    const std::set<std::string> foundStyles = linesStartingWith(out, "style ");
    for (const std::string& style : styles)
        EXPECT_EQ(foundStyles.count(style), 1u) << style << "\n" << out;
    // The TrueType style carries its face, not font files, width or height.
    EXPECT_EQ(linesStartingWith(out, "style FS ").size(), 1u) << out;
    EXPECT_EQ(GetFontFaceNameLength(setup.m_textStyleIds[5]), 2);
    const std::set<std::string> dimstyles = linesStartingWith(out, "dimstyle ");
    EXPECT_EQ(dimstyles.count("dimstyle DIM50 5"), 1u) << out;
    EXPECT_EQ(dimstyles.count("dimstyle DIM40 4"), 1u) << out;
}

TEST_F(InitDraw, ASecondRunReusesWhatTheFirstMade)
{
    CTov_InitDraw first;
    ASSERT_EQ(first.Run(), 1);
    CTov_InitDraw second;
    second.m_dElevationScale = 62.5;
    second.m_dSectionScale = 62.5;
    ASSERT_EQ(second.Run(), 1);
    for (int i = 0; i < CTov_DrawSettings::kLayerCount; ++i)
        EXPECT_EQ(second.m_layerIds[i], first.m_layerIds[i]) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(second.m_textStyleIds[i], first.m_textStyleIds[i]) << i;
    EXPECT_FALSE(db()->symbolId(db()->dimStyleTableId(), L"DIM62.5").isNull());
}

// A linetype table that cannot be opened stops the set-up at the linetypes: its box, its line,
// and no layer made.
TEST_F(InitDraw, AFailedLinetypeStepStopsBeforeAnyLayer)
{
    CTov_InitDraw setup;
    AcDbLinetypeTable* table = nullptr;
    ASSERT_EQ(db()->getLinetypeTable(table, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(setup.Run(), 0);
    table->close();
    const std::wstring text = transcript();
    EXPECT_NE(text.find(L"[预筋模块] 打开数据库获取线型表记录失败"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"*****初始化线型失败*****\n"), std::wstring::npos) << text;
    EXPECT_TRUE(db()->symbolId(db()->layerTableId(), L"01-图框").isNull());
    EXPECT_TRUE(setup.m_layerIds[0].isNull());
}

// The settings files, read when the set-up is given their paths: colours of the layers listed
// (out of range: 7), the layers a short file leaves out keep their own colours, parameters
// above 0 replace the text heights and width factor, the first two in swapped order.
TEST_F(InitDraw, SettingsFilesGivenByPathChangeColoursAndTextSizes)
{
    CTov_InitDraw setup;
    setup.m_strTexts[CTov_InitDraw::kLayerFileText] =
        file("layers.lyr", "// colours\nVER 3.0\n2\n0\n-3\n257\n256\n8\n9\n10\n11\n12\n").wstring().c_str();
    setup.m_strTexts[CTov_InitDraw::kParameterFileText] =
        file("params.pre", "ver 3.0\n5.0\n6.0\n0\n-1\n30\n0.7\n0.9\n").wstring().c_str();
    ASSERT_EQ(setup.Run(), 1);
    const int expected[15] = { 7, 2, 7, 7, 7, 256, 8, 9, 10, 11, 12, 4, 7, 6, 3 };
    for (int i = 0; i < 15; ++i) {
        ReadBack<AcDbLayerTableRecord> layer(setup.m_layerIds[i]);
        ASSERT_TRUE(layer);
        EXPECT_EQ(layer->color().colorIndex(), expected[i]) << i;
    }
    const double params[7] = { 6.0, 5.0, 4.0, 3.0, 30.0, 0.7, 0.9 };
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(setup.m_settings.m_params[i], params[i]) << i;
}
