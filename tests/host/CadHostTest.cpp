// cadhost as a user runs it: exit statuses and one-line reasons, the command line on standard
// output, message boxes and input answered from the options, the files it writes.
#include "AcDbBlockReference.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbServices.h"
#include "HostPaths.h"
#include "Registry.h"
#include "WinError.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Appends one word of a shell command in single quotes, after a space if the command has words.
void appendWord(std::string& command, const std::string& word)
{
    if (!command.empty())
        command += ' ';
    command += '\'';
    for (char c : word) {
        if (c == '\'')
            command += "'\\''";
        else
            command += c;
    }
    command += '\'';
}

std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs cadhost with the arguments in a scratch folder; standard output and error are kept.
Outcome cadhost(const std::vector<std::string>& args, const fs::path& dir)
{
    fs::create_directories(dir);
    std::string command = "cd";
    appendWord(command, dir.string());
    command += " &&";
    appendWord(command, CADHOST);
    for (const std::string& a : args)
        appendWord(command, a);
    command += " >";
    appendWord(command, (dir / "stdout.txt").string());
    command += " 2>";
    appendWord(command, (dir / "stderr.txt").string());
    Outcome r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(dir / "stdout.txt");
    r.err = slurp(dir / "stderr.txt");
    return r;
}

class CadHostTest : public ::testing::Test {
protected:
    fs::path scratch() const
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const fs::path dir = fs::path(CORBEL_TEST_OUTPUT) / "runs" / info->name();
        fs::remove_all(dir);
        return dir;
    }
    static int lines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }
};

// A drawing whose model space holds a reference to each named drawing file, by block name.
void writeReferencingDrawing(const fs::path& file, const std::vector<std::pair<std::wstring, fs::path>>& references)
{
    AcDbDatabase db(true, true);
    for (const auto& [name, path] : references) {
        AcDbBlockTable* table = nullptr;
        ASSERT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* block = new AcDbBlockTableRecord();
        block->setName(name.c_str());
        block->setPathName(path.wstring().c_str());
        AcDbObjectId blockId;
        ASSERT_EQ(table->add(blockId, block), Acad::eOk);
        block->close();
        table->close();
        AcDbBlockTableRecord* ms = nullptr;
        ASSERT_EQ(acdbOpenObject(ms, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        auto* ref = new AcDbBlockReference(AcGePoint3d(10, 0, 0), blockId);
        ASSERT_EQ(ms->appendAcDbEntity(ref), Acad::eOk);
        ref->close();
        ms->close();
    }
    ASSERT_EQ(db.dxfOut(file.wstring().c_str()), Acad::eOk);
}

// How many live entities a block of the drawing holds, and whether it is still a reference.
std::pair<std::size_t, bool> blockOf(AcDbDatabase& db, const wchar_t* name)
{
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, db.symbolId(db.blockTableId(), name), AcDb::kForRead) != Acad::eOk)
        return {0, false};
    std::size_t count = 0;
    for (const AcDbObjectId& id : block->entityIds())
        count += id.isErased() ? 0 : 1;
    const bool external = block->isFromExternalReference();
    block->close();
    return {count, external};
}

TEST_F(CadHostTest, HelpExplainsBothFormsAndTheExitStatuses)
{
    const Outcome r = cadhost({"--help"}, scratch());
    EXPECT_EQ(r.status, 0);
    for (const char* text : {"cadhost draw DESIGN.glt [-o DIR] [--svg] [--pdf]", "--load MODULE", "--run COMMAND",
                             "--answer C=B", "--input FILE", "--save FILE.dxf", "--render FILE", "point X,Y[,Z]",
                             "3 a module did not load"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    EXPECT_EQ(r.err, "");
}

TEST_F(CadHostTest, WrongArgumentsGiveOneLineAndStatusOne)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--frobnicate"}, {"draw"}, {"--load"}, {"--svg"}, {"--size", "3"},
          {"--window", "1,2,3"}, {"--answer", "Caption=NoSuchButton"}}) {
        const Outcome r = cadhost(args, scratch());
        EXPECT_EQ(r.status, 1) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(lines(r.err), 1) << r.err;
        EXPECT_EQ(r.err.rfind("cadhost: ", 0), 0u) << r.err;
    }
}

TEST_F(CadHostTest, DrawRefusesAMissingDesign)
{
    const Outcome r = cadhost({"draw", "no-such-design.glt"}, scratch());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "cadhost: design file not found: no-such-design.glt\n");
}

TEST_F(CadHostTest, DrawSetsTheCurrentDesignAndNeedsThePlugIn)
{
    const fs::path dir = scratch();
    const fs::path design = fs::path(CORBEL_EXAMPLES) / "sample.glt";
    // No system folder registered and no support path given: the host's own support folder
    // gives the plug-in the title block that frames its sheets.
    unsetenv("CORBEL_SUPPORT_PATH");
    const Outcome r = cadhost({"draw", design.string(), "-o", (dir / "out").string(), "--pdf"}, dir);

    // The design's full path is the registry value the plug-in reads.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Veltra软件\\Veltra盖梁设计绘图系统", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    wchar_t value[260] = {};
    DWORD size = sizeof(value);
    DWORD type = 0;
    ASSERT_EQ(RegQueryValueEx(key, L"CurGltFile", nullptr, &type, reinterpret_cast<LPBYTE>(value), &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(HostPaths::narrowPath(value), fs::absolute(design).lexically_normal().string());

    const bool pluginBuilt = fs::exists(fs::path(CADHOST).parent_path().parent_path() / "plugin" / "libcorbeldraw.so");
    if (!pluginBuilt) {
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(lines(r.err), 1);
        EXPECT_NE(r.err.find("the drawing plug-in libcorbeldraw.so is not there yet"), std::string::npos) << r.err;
        return;
    }
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(dir / "out" / "sample.dxf"));
    EXPECT_TRUE(fs::exists(dir / "out" / "sample.png"));
    EXPECT_EQ(r.out.find("cannot find"), std::string::npos) << r.out;
    EXPECT_NE(slurp(dir / "out" / "sample.dxf").find("\ntk\n"), std::string::npos);
    // The plot: an A3 landscape page (in points) for each of the sample's three sheets.
    const std::string pdf = slurp(dir / "out" / "sample.pdf");
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") == 0 ? 0 : 1;
    EXPECT_EQ(pages, 3);
    EXPECT_NE(pdf.find("/MediaBox [0 0 1191.000000 842.000000]"), std::string::npos);
}

TEST_F(CadHostTest, ModuleCommandIsRunSavedAndDrawn)
{
    const fs::path dir = scratch();
    const Outcome r = cadhost({"--load", CORBEL_TEST_MODULE, "--run", "DRAWSOME", "--save", "drawing.dxf", "--render",
                           "drawing.png", "--render", "drawing.svg", "--render", "drawing.pdf", "--size", "400"},
                          dir);
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(r.err, "");
    for (const char* text : {"[test module] loaded", "Command: DRAWSOME", "[test module] drew 3 entities",
                             "Saved drawing.dxf", "Drew drawing.png", "[test module] unloaded"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text << "\n" << r.out;
    EXPECT_LT(r.out.find("Saved drawing.dxf"), r.out.find("[test module] unloaded"));
    EXPECT_NE(slurp(dir / "drawing.dxf").find("AcDbLine"), std::string::npos);
    EXPECT_NE(slurp(dir / "drawing.svg").find("<svg"), std::string::npos);
    EXPECT_EQ(slurp(dir / "drawing.pdf").rfind("%PDF", 0), 0u);

    // The picture has ink (the entities) and white paper around.
    const QImage png(QString::fromStdString((dir / "drawing.png").string()));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(std::max(png.width(), png.height()), 400);
    int ink = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            ink += QColor(png.pixel(x, y)).lightness() < 200 ? 1 : 0;
    EXPECT_GT(ink, 300);
    EXPECT_LT(ink, png.width() * png.height() / 4);
    EXPECT_EQ(QColor(png.pixel(0, 0)), QColor(Qt::white));
}

TEST_F(CadHostTest, MessageBoxesAndInputAreAnsweredFromTheOptions)
{
    const fs::path dir = scratch();
    fs::create_directories(dir);
    std::ofstream(dir / "answers.txt") << "# the insertion point\npoint 12.5,7\n";
    Outcome r = cadhost({"--load", CORBEL_TEST_MODULE, "--answer", "确认=No", "--input", "answers.txt", "--run", "ASK"}, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("[确认] 继续绘图吗?"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[test module] answer 7"), std::string::npos);
    EXPECT_NE(r.out.find("Insertion point: 12.5,7,0"), std::string::npos);
    EXPECT_NE(r.out.find("[test module] point 12.5,7.0"), std::string::npos);

    // No answers: the box takes its default button and the point prompt is cancelled.
    r = cadhost({"--load", CORBEL_TEST_MODULE, "--run", "ASK"}, dir);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("[test module] answer 6"), std::string::npos);
    EXPECT_NE(r.out.find("*Cancel*"), std::string::npos);
    EXPECT_NE(r.out.find("[test module] no point"), std::string::npos);
}

TEST_F(CadHostTest, FailuresSayWhyWithTheirOwnStatus)
{
    const fs::path dir = scratch();
    fs::create_directories(dir);
    std::ofstream(dir / "bad-input.txt") << "point nowhere\n";
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* reason;
    };
    const Case cases[] = {
        {{"--load", "no-such-module.so"}, 3, "cadhost: module no-such-module.so did not load"},
        {{"--load", CORBEL_TEST_MODULE, "--run", "NOSUCH"}, 4, "cadhost: unknown command NOSUCH"},
        {{"--run", "DRAWSOME"}, 4, "cadhost: unknown command DRAWSOME"},
        {{"--input", "missing.txt"}, 2, "cadhost: input file not found: missing.txt"},
        {{"--input", "bad-input.txt"}, 2, "cadhost: input file bad-input.txt, line 1: \"nowhere\" is not a point"},
        {{"--open", "missing.dxf"}, 2, "cadhost: drawing not found: missing.dxf"},
        {{"--render", "picture.bmp"}, 5, "use .png, .svg or .pdf"},
        {{"--save", "/nonexistent/folder/x.dxf"}, 5, "cadhost: cannot save /nonexistent/folder/x.dxf"},
    };
    for (const Case& c : cases) {
        const Outcome r = cadhost(c.args, dir);
        EXPECT_EQ(r.status, c.status) << c.reason << "\n" << r.err;
        EXPECT_EQ(lines(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
}

TEST_F(CadHostTest, OpenedDrawingIsDrawnWithinItsWindow)
{
    const fs::path dir = scratch();
    ASSERT_EQ(cadhost({"--load", CORBEL_TEST_MODULE, "--run", "DS", "--save", "first.dxf"}, dir).status, 0);
    const Outcome r = cadhost({"--open", "first.dxf", "--render", "window.png", "--window", "0,0,100,100", "--size", "200"}, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage png(QString::fromStdString((dir / "window.png").string()));
    EXPECT_EQ(png.size(), QSize(200, 200));
}

TEST_F(CadHostTest, SavedDrawingStandsAloneWithItsReferencesBound)
{
    const fs::path dir = scratch();
    ASSERT_EQ(cadhost({"--load", CORBEL_TEST_MODULE, "--run", "DS", "--save", "frame.dxf"}, dir).status, 0);
    writeReferencingDrawing(dir / "sheet.dxf", {{L"frame", dir / "frame.dxf"}, {L"gone", dir / "missing.dxf"}});

    const Outcome r = cadhost({"--open", "sheet.dxf", "--save", "bound.dxf"}, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("The external reference gone"), std::string::npos) << r.out;
    AcDbDatabase frame(false, true), bound(false, true);
    ASSERT_EQ(frame.readDwgFile((dir / "frame.dxf").wstring().c_str()), Acad::eOk);
    ASSERT_EQ(bound.readDwgFile((dir / "bound.dxf").wstring().c_str()), Acad::eOk);
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, frame.modelSpaceId(), AcDb::kForRead), Acad::eOk);
    const std::size_t drawn = ms->entityIds().size();
    ms->close();
    ASSERT_GT(drawn, 0u);
    // The referenced drawing's entities are in the block; a drawing that is not there stays
    // a reference, and the file still saves.
    EXPECT_EQ(blockOf(bound, L"frame"), std::make_pair(drawn, false));
    EXPECT_EQ(blockOf(bound, L"gone"), std::make_pair(std::size_t{0}, true));
}

} // namespace
