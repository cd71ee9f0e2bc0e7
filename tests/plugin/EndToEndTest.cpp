// The whole road through the host program: cadhost draws each example with the plug-in it
// loads, and the saved drawing passes ezdxf's audit with the set-up's layers, styles and one
// title block a sheet.
#include "FrameworkFixture.h"

#include <sys/wait.h>

#include <set>
#include <sstream>

namespace {

class EndToEnd : public FrameworkFixture {
protected:
    // Runs cadhost with a registry and an output folder of this test; its standard output.
    std::string Draw(const std::string& design, int& exitCode)
    {
        return Host("draw '" + design + "' -o '" + mFolder.string() + "'", exitCode);
    }

    std::string Host(const std::string& arguments, int& exitCode)
    {
        const std::string command = "CORBEL_REGISTRY='" + (mFolder / "registry").string() + "' CORBEL_SUPPORT_PATH='"
            + CORBEL_SOURCE_DIR + "/Support' '" + CORBEL_CADHOST + "' " + arguments + " 2>&1";
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            exitCode = -1;
            return out;
        }
        std::array<char, 4096> buffer {};
        size_t n = 0;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            out.append(buffer.data(), n);
        const int status = pclose(pipe);
        exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return out;
    }

    static std::vector<std::string> Lines(const std::string& text, const std::string& prefix)
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line.substr(prefix.size()));
        }
        return lines;
    }
};

TEST_F(EndToEnd, EveryExampleIsDrawnSavedAndRendered)
{
    for (const char* name : { "sample", "square-two-columns", "abutment", "l-section" }) {
        SCOPED_TRACE(name);
        int code = 0;
        const std::string out = Draw(std::string(CORBEL_SOURCE_DIR) + "/examples/" + name + ".glt", code);
        ASSERT_EQ(code, 0) << out;
        // The command's transcript: the weld line, the set-up, the title block, the wipeout frames.
        EXPECT_NE(out.find("Command: BC_NOUI"), std::string::npos) << out;
        EXPECT_NE(out.find("采用用户设置焊缝值"), std::string::npos) << out;
        EXPECT_NE(out.find("Command: -XREF A"), std::string::npos) << out;
        EXPECT_NE(out.find("Command: wipeout F ON"), std::string::npos) << out;
        EXPECT_EQ(out.find("["), std::string::npos) << "no message box expected: " << out;
        EXPECT_EQ(out.find("*****初始化"), std::string::npos) << out;
        const std::filesystem::path dxf = mFolder / (std::string(name) + ".dxf");
        ASSERT_TRUE(std::filesystem::exists(dxf));
        EXPECT_GT(std::filesystem::file_size(mFolder / (std::string(name) + ".png")), 0u);

        int status = 0;
        const std::string report = runScript("drawing_dxf.py", dxf, status);
        ASSERT_EQ(status, 0) << report;
        EXPECT_EQ(Lines(report, "audit "), std::vector<std::string> { "0" }) << report;
        const std::vector<std::string> layers = Lines(report, "layer ");
        for (const char* layer : { "0 ", "01-图框 ", "02-结构 ", "04-钢筋 ", "08-标注 ", "09-文本 ", "13-中心 ", "14-双点 " }) {
            EXPECT_NE(std::find_if(layers.begin(), layers.end(), [&](const std::string& l) { return l.rfind(layer, 0) == 0; }),
                layers.end())
                << layer << report;
        }
        EXPECT_NE(std::find(layers.begin(), layers.end(), "03-预筋 plot=0"), layers.end()) << report;
        const std::vector<std::string> styles = Lines(report, "style ");
        for (const char* style : { "DM", "BT", "FZ", "YB", "FS" })
            EXPECT_NE(std::find(styles.begin(), styles.end(), style), styles.end()) << style;
        const std::vector<std::string> dimstyles = Lines(report, "dimstyle ");
        EXPECT_NE(std::find(dimstyles.begin(), dimstyles.end(), "DIM50"), dimstyles.end()) << report;
        EXPECT_NE(std::find(dimstyles.begin(), dimstyles.end(), "DIM40"), dimstyles.end()) << report;
        // One title block a sheet at its origin moved 20 left, the sheets 350 apart downward.
        const std::vector<std::string> blocks = Lines(report, "titleblock ");
        ASSERT_FALSE(blocks.empty()) << report;
        for (size_t i = 0; i < blocks.size(); ++i)
            EXPECT_EQ(blocks[i], "01-图框 -20 " + std::to_string(-350 * static_cast<long>(i)) + " True");
    }
}

TEST_F(EndToEnd, TheLocalNameBCRunsTheSameDrawing)
{
    int code = 0;
    Draw(std::string(CORBEL_SOURCE_DIR) + "/examples/sample.glt", code);
    ASSERT_EQ(code, 0);
    const std::string plugin = CORBEL_PLUGIN_FILE;
    const std::string kit = std::filesystem::path(plugin).parent_path().parent_path() / "cadkit" / "libcorbelkit.so";
    const std::string out
        = Host("--load '" + kit + "' --load '" + plugin + "' --run BC --save '" + (mFolder / "bc.dxf").string() + "'", code);
    EXPECT_EQ(code, 0) << out;
    EXPECT_NE(out.find("采用用户设置焊缝值160mm!"), std::string::npos) << out;
    EXPECT_NE(out.find("Command: wipeout F ON"), std::string::npos) << out;
    int status = 0;
    const std::string report = runScript("drawing_dxf.py", mFolder / "bc.dxf", status);
    const std::vector<std::string> blocks = Lines(report, "titleblock ");
    ASSERT_FALSE(blocks.empty()) << report;
    EXPECT_EQ(blocks[0], "01-图框 -20 0 True") << report;
}

TEST_F(EndToEnd, ADesignFileThatCannotBeReadEndsWithTheReadersBoxAndNoDrawing)
{
    const std::filesystem::path design = file("newer.glt", "//version\r\nVer 9.9\r\n");
    int code = 0;
    const std::string out = Draw(design.string(), code);
    EXPECT_EQ(code, 6) << out;
    EXPECT_NE(out.find("盖梁文件版本高于当前系统能够读取版本，无法读取文件！"), std::string::npos) << out;
    EXPECT_EQ(out.find("wipeout"), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(mFolder / "newer.dxf"));
}

} // namespace
