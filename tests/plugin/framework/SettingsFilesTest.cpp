// The two settings files by version: what each reader returns, says, and leaves in the target.
#include "FrameworkFixture.h"

#include "CTov_FileLyr.h"
#include "CTov_FilePre.h"

class SettingsFiles : public FrameworkFixture {};

TEST_F(SettingsFiles, VersionsOtherThanThreeLeaveTheDefaultsAndAreReportedAsTheSystemSays)
{
    struct Case {
        const char* header;
        int layerResult;
        const wchar_t* layerReport;
        int parameterResult;
        const wchar_t* parameterReport;
    };
    const Case cases[] = {
        { "VER 3.5", 0, L"***图层设置文件版本高于当前系统能够读取版本,采用缺省图层参数***", 0, nullptr },
        { "VER 2.0", 0, L"图层设置文件版本低于当前系统能够读取版本，采用缺省图层参数！", 0,
            L"绘图参数文件版本低于当前系统能够读取版本，采用缺省绘图参数！" },
        { "HEAD 3.0", 0, L"文件头没有版本信息或版本信息错误！", 0, L"文件头没有版本信息或版本信息错误！" },
    };
    const CTov_DrawSettings defaults;
    for (const Case& c : cases) {
        const std::string body = std::string(c.header) + "\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n";
        app().transcript().clear();
        CTov_DrawSettings settings;
        CTov_FileLyr layers;
        layers.m_pSettings = &settings;
        layers.SetPath(file("a.lyr", body).wstring().c_str());
        EXPECT_EQ(layers.Read(), c.layerResult) << c.header;
        EXPECT_NE(transcript().find(c.layerReport), std::wstring::npos) << c.header;

        app().transcript().clear();
        CTov_FilePre parameters;
        parameters.m_pSettings = &settings;
        parameters.SetPath(file("a.pre", body).wstring().c_str());
        EXPECT_EQ(parameters.Read(), c.parameterResult) << c.header;
        if (c.parameterReport == nullptr)
            EXPECT_EQ(transcript(), L"") << c.header;
        else
            EXPECT_NE(transcript().find(c.parameterReport), std::wstring::npos) << c.header;
        EXPECT_TRUE(std::equal(std::begin(settings.m_colors), std::end(settings.m_colors), defaults.m_colors));
        EXPECT_TRUE(std::equal(std::begin(settings.m_params), std::end(settings.m_params), defaults.m_params));
    }
}

TEST_F(SettingsFiles, AMissingFileIsNoFailureWorthAWord)
{
    CTov_FileLyr layers;
    layers.SetPath(file("missing.lyr").wstring().c_str());
    EXPECT_EQ(layers.Read(), 0);
    CTov_FilePre parameters;
    parameters.SetPath(L"");
    EXPECT_EQ(parameters.Read(), 0);
    EXPECT_EQ(transcript(), L"");
}

// A bad record (not an integer, or more than one) is colour 7 as the system reads it.
TEST_F(SettingsFiles, BadLayerRecordsAreColourSeven)
{
    CTov_FileLyr layers;
    layers.SetPath(file("bad.lyr", "VER 3.0\nred\n1 2\n3\n").wstring().c_str());
    ASSERT_EQ(layers.Read(), 1);
    EXPECT_EQ(layers.m_ownSettings.m_colors[1], 7);
    EXPECT_EQ(layers.m_ownSettings.m_colors[2], 7);
    EXPECT_EQ(layers.m_ownSettings.m_colors[3], 3);
    EXPECT_EQ(layers.m_ownSettings.m_colors[4], 1);
}
