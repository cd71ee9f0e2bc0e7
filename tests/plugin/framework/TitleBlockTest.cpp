// The title block attached per sheet from the registered system folder, and the title-block
// drawing the system ships.
#include "FrameworkFixture.h"

#include "AcDbBlockReference.h"
#include "AcDbText.h"
#include "CTov_BaseDraw.h"
#include "CTov_InitDraw.h"
#include "DrawingRenderer.h"
#include "HeadlessGui.h"
#include "ReadRegistryString.h"
#include "Registry.h"

#include <QGuiApplication>

#include <cstdlib>

class TitleBlock : public FrameworkFixture {
protected:
    void SetUp() override
    {
        FrameworkFixture::SetUp();
        // A registry of this test's own, so that concurrent tests do not see its folder.
        setenv("CORBEL_REGISTRY", file("registry").c_str(), 1);
        CTov_InitDraw setup;
        ASSERT_EQ(setup.Run(), 1);
    }

    void registerFolder(const std::filesystem::path& folder)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, L"Software\\Veltra软件\\Veltra盖梁设计绘图系统", 0, nullptr, 0,
                      KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        const std::wstring value = folder.wstring();
        ASSERT_EQ(RegSetValueEx(key, L"Location", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static std::filesystem::path shipped() { return std::filesystem::path(CORBEL_SOURCE_DIR) / "Support" / "tk.dxf"; }
};

TEST_F(TitleBlock, EachSheetGetsTheReferenceTwentyLeftOfItsOrigin)
{
    std::filesystem::create_directories(mFolder / "system" / "Support");
    std::filesystem::copy_file(shipped(), mFolder / "system" / "Support" / "tk.dxf");
    registerFolder(mFolder / "system");

    CTov_BaseDraw drawing;
    for (double y : { 0.0, -350.0 }) {
        drawing.m_frame.SetOrigin(AcGePoint3d(0, y, 0));
        EXPECT_EQ(drawing.m_frame.InsertTitleBlock(), 1);
    }
    const auto refs = entitiesOf<AcDbBlockReference>();
    ASSERT_EQ(refs.size(), 2u) << std::string(transcript().begin(), transcript().end());
    ReadBack<AcDbBlockReference> second(refs[1]);
    EXPECT_EQ(second->position(), AcGePoint3d(-20, -350, 0));
    EXPECT_EQ(AcDbDatabase::symbolName(second->layerId()), L"01-图框");

    // The rendered drawing shows both frames, read from the referenced drawing: the sheets'
    // borders span 420 across and from 10 below the lower sheet to 287 above the upper one,
    // and each title table's captions are drawn.
    const DisplayList list = DrawingRenderer::collect(db());
    EXPECT_NEAR(list.extents().width(), 420.0, 1e-6);
    EXPECT_NEAR(list.extents().left(), -30.0, 1e-6);
    EXPECT_NEAR(list.extents().top(), -360.0, 1e-6);
    EXPECT_NEAR(list.extents().bottom(), 287.0, 1e-6);
    int captionGlyphs = 0;
    for (const DisplayItem& item : list.items())
        captionGlyphs += item.kind == DisplayItem::Kind::Glyph && item.ch == L'审' ? 1 : 0;
    EXPECT_EQ(captionGlyphs, 2);
    static int argc = 1;
    static char name[] = "test_framework";
    static char* argv[] = { name, nullptr };
    const auto gui = QGuiApplication::instance() == nullptr ? HeadlessGui::start(argc, argv) : nullptr;
    DrawingRenderer::Options options;
    options.sizePx = 800;
    const QImage picture = DrawingRenderer::renderImage(db(), options);
    ASSERT_FALSE(picture.isNull());
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 1000);

    const std::filesystem::path dxf = file("sheets.dxf");
    ASSERT_EQ(db()->saveAs(dxf.wstring().c_str()), Acad::eOk);
    int status = 0;
    const std::string out = runScript("setup_dxf.py", dxf, status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_NE(out.find("audit 0 0"), std::string::npos) << out;
    EXPECT_NE(out.find("xref tk 01-图框 -20 -350 True " + (mFolder / "system" / "Support" / "tk.dxf").string()),
        std::string::npos)
        << out;
}

// Without a registered folder the path stays "\Support\tk.dwg", which the host cannot find: it
// says so and nothing is attached.
TEST_F(TitleBlock, WithoutTheSystemFolderTheHostReportsTheMissingDrawing)
{
    CTov_InitFrame frame;
    EXPECT_EQ(frame.InsertTitleBlock(), 1);
    EXPECT_TRUE(entitiesOf<AcDbBlockReference>().empty());
    EXPECT_NE(transcript().find(L"\\Support\\tk.dwg"), std::wstring::npos) << transcript();
}

// The shipped drawing: an A3 sheet with its frame and the captions of the title table, read
// back by the host's reader and clean in an independent one.
TEST_F(TitleBlock, TheShippedDrawingIsAnA3SheetWithItsTitleTable)
{
    AcDbDatabase sheet(false, true);
    ASSERT_EQ(sheet.readDwgFile(shipped().wstring().c_str()), Acad::eOk);
    std::vector<std::wstring> texts;
    AcDbExtents extents;
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, sheet.modelSpaceId(), AcDb::kForRead), Acad::eOk);
    for (const AcDbObjectId& id : ms->entityIds()) {
        AcDbEntity* e = nullptr;
        ASSERT_EQ(acdbOpenAcDbEntity(e, id, AcDb::kForRead), Acad::eOk);
        AcDbExtents box;
        if (e->getGeomExtents(box) == Acad::eOk)
            extents.addExt(box);
        if (auto* t = AcDbText::cast(e))
            texts.push_back(t->textStringConst());
        e->close();
    }
    ms->close();
    for (const wchar_t* caption : { L"工程名称", L"图名", L"设计", L"复核", L"审核", L"图号", L"日期", L"比例" })
        EXPECT_NE(std::find(texts.begin(), texts.end(), caption), texts.end()) << caption;
    EXPECT_NEAR(extents.maxPoint().x - extents.minPoint().x, 420.0, 1e-6);
    EXPECT_NEAR(extents.maxPoint().y - extents.minPoint().y, 297.0, 1e-6);
    // The drawing area of a sheet, 380 x 277 from the sheet origin (20, 0 here), lies inside.
    EXPECT_LT(extents.minPoint().x, 20.0);
    EXPECT_GT(extents.maxPoint().x, 400.0);
    EXPECT_LT(extents.minPoint().y, 0.0);
    EXPECT_GT(extents.maxPoint().y, 277.0);

    int status = 0;
    const std::string out = runScript("setup_dxf.py", shipped(), status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_NE(out.find("audit 0 0"), std::string::npos) << out;
}

// The installation's registration: the folder the tool registers is the one the title block
// reads, a long one too (more than the 128 characters a half-offered buffer would hold).
TEST_F(TitleBlock, TheRegisteredFolderReadsBackWhateverItsLength)
{
    // 200 characters in all, whatever the length of the temporary folder (up to 190).
    const size_t base = mFolder.string().size() + 1;
    ASSERT_LT(base, 190u);
    const std::filesystem::path folder = mFolder / std::string(200 - base, 'f');
    std::filesystem::create_directories(folder);
    const std::string command = std::string(CORBEL_REGISTER_TOOL) + " '" + folder.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    CString location;
    ASSERT_EQ(ReadRegistryString(L"Location", location, 0), 1);
    EXPECT_EQ(std::wstring(location.GetString()), folder.wstring());
    CString unchanged(L"kept");
    EXPECT_EQ(ReadRegistryString(L"CurGltFile", unchanged, 1), 0);
    EXPECT_EQ(std::wstring(unchanged.GetString()), L"kept");
}
