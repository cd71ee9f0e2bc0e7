// The design's path travels to the plug-in through the registry value "CurGltFile", as the
// editor hands it over; the plug-in reads it when its command runs.
#include "CadHostSession.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbServices.h"
#include "CScriptedMessageBoxAnswerer.h"
#include "CadHostPlot.h"
#include "DrawingRenderer.h"
#include "HeadlessGui.h"
#include "HostApplication.h"
#include "HostPaths.h"
#include "MessageBoxService.h"
#include "Registry.h"
#include "XrefBinder.h"

#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const wchar_t* const kDesignKey = L"Software\\Veltra软件\\Veltra盖梁设计绘图系统";
const char* const kPluginName = "libcorbeldraw.so";
// The CAD utility library is an application of its own, loaded before the plug-in that uses it.
const char* const kKitName = "libcorbelkit.so";

std::string narrow(const std::wstring& text) { return HostPaths::narrowPath(text); }

bool setCurrentDesign(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, kDesignKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                       nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG rc = RegSetValueEx(key, L"CurGltFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                                  static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

} // namespace

CadHostSession::CadHostSession(const CadHostOptions& options, int& argc, char** argv)
    : mOptions(options), mArgc(argc), mArgv(argv)
{
}

std::vector<std::string> CadHostSession::pluginCandidates()
{
    std::vector<std::string> places;
    const fs::path here = HostPaths::programFolder();
    if (!here.empty()) {
        places.push_back((here / kPluginName).string());
        // The installed place: lib/corbel beside the program's bin folder.
        places.push_back((here.parent_path() / "lib" / "corbel" / kPluginName).string());
    }
    places.push_back((fs::path(CORBEL_BUILD_DIR) / "plugin" / kPluginName).string());
    return places;
}

std::size_t CadHostSession::modelSpaceCount(AcDbDatabase* db)
{
    AcDbBlockTableRecord* ms = nullptr;
    if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
        return 0;
    std::size_t n = 0;
    for (const AcDbObjectId& id : ms->entityIds())
        n += id.isErased() ? 0 : 1;
    ms->close();
    return n;
}

int CadHostSession::loadDrawingPlugin(std::string& reason)
{
    std::error_code ec;
    std::string plugin;
    for (const std::string& place : pluginCandidates()) {
        if (fs::is_regular_file(place, ec)) {
            plugin = place;
            break;
        }
    }
    if (plugin.empty()) {
        std::string places;
        for (const std::string& place : pluginCandidates())
            places += (places.empty() ? "" : " or ") + place;
        reason = std::string("the drawing plug-in ") + kPluginName + " is not there yet (looked for " + places + ")";
        return kModule;
    }
    for (const fs::path& kit : {fs::path(plugin).parent_path() / kKitName, fs::path(CORBEL_BUILD_DIR) / "cadkit" / kKitName}) {
        if (!fs::is_regular_file(kit, ec))
            continue;
        if (!acrxLoadModule(HostPaths::widen(kit.string()).c_str(), false)) {
            reason = "the CAD library " + kit.string() + " did not load (see the command line)";
            return kModule;
        }
        break;
    }
    if (!acrxLoadModule(HostPaths::widen(plugin).c_str(), false)) {
        reason = "the drawing plug-in " + plugin + " did not load (see the command line)";
        return kModule;
    }
    return kOk;
}

void CadHostSession::stageDone(const char* name, std::chrono::steady_clock::time_point since)
{
    mStages.push_back({name, std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count()});
}

int CadHostSession::run(std::string& reason)
{
    HostApplication& host = HostApplication::instance();
    CScriptedMessageBoxAnswerer answerer;
    answerer.SetLog(&host.transcript().stream());
    for (const std::string& entry : mOptions.answers) {
        if (!answerer.AddScript(HostPaths::widen(entry))) {
            reason = "--answer \"" + entry + "\" is not CAPTION=BUTTON with a known button";
            return kUsage;
        }
    }
    CMessageBoxAnswerer* previous = SetMessageBoxAnswerer(&answerer);
    const int status = mOptions.draw ? draw(reason) : general(reason);
    host.shutdown();
    SetMessageBoxAnswerer(previous);
    return status;
}

int CadHostSession::draw(std::string& reason)
{
    std::error_code ec;
    const fs::path design = fs::absolute(mOptions.design, ec).lexically_normal();
    if (!fs::is_regular_file(design, ec)) {
        reason = "design file not found: " + mOptions.design;
        return kMissingFile;
    }
    if (!setCurrentDesign(HostPaths::fromPath(design))) {
        reason = "cannot write the current design to the registry (CORBEL_REGISTRY)";
        return kOutput;
    }
    auto since = std::chrono::steady_clock::now();
    if (const int status = loadDrawingPlugin(reason); status != kOk)
        return status;
    stageDone("plug-in loading", since);
    since = std::chrono::steady_clock::now();
    HostApplication& host = HostApplication::instance();
    if (host.runCommand(L"BC_NOUI") != RTNORM) {
        reason = "the drawing command BC_NOUI did not run (see the command line)";
        return kCommand;
    }
    stageDone("design read and drawn", since);
    if (modelSpaceCount(host.database()) == 0) {
        reason = "the drawing command drew nothing for " + design.string() + " (see the command line)";
        return kNothingDrawn;
    }
    const fs::path dir = fs::absolute(mOptions.outputDir, ec);
    fs::create_directories(dir, ec);
    const std::string name = design.stem().string();
    std::vector<std::string> pictures{(dir / (name + ".png")).string()};
    if (mOptions.svg)
        pictures.push_back((dir / (name + ".svg")).string());
    return output((dir / (name + ".dxf")).string(), pictures, reason,
                  mOptions.pdf ? (dir / (name + ".pdf")).string() : std::string());
}

int CadHostSession::general(std::string& reason)
{
    HostApplication& host = HostApplication::instance();
    std::error_code ec;
    if (!mOptions.open.empty()) {
        if (!fs::is_regular_file(mOptions.open, ec)) {
            reason = "drawing not found: " + mOptions.open;
            return kMissingFile;
        }
        auto db = std::make_unique<AcDbDatabase>(false, false);
        const std::wstring path = HostPaths::widen(fs::absolute(mOptions.open, ec).string());
        if (db->readDwgFile(path.c_str()) != Acad::eOk) {
            reason = "cannot read the drawing " + mOptions.open;
            return kMissingFile;
        }
        host.docManager().newDocument(std::move(db), path);
    }
    for (const std::string& module : mOptions.modules) {
        if (!acrxLoadModule(HostPaths::widen(module).c_str(), false)) {
            reason = "module " + module + " did not load (see the command line)";
            return kModule;
        }
    }
    if (!mOptions.input.empty()) {
        std::ifstream in(mOptions.input, std::ios::binary);
        if (!in) {
            reason = "input file not found: " + mOptions.input;
            return kMissingFile;
        }
        std::ostringstream text;
        text << in.rdbuf();
        std::wstring error;
        if (!host.inputScript().add(HostPaths::widen(text.str()), &error)) {
            reason = "input file " + mOptions.input + ", " + narrow(error);
            return kMissingFile;
        }
    }
    for (const std::string& command : mOptions.commands) {
        const std::wstring name = HostPaths::widen(command);
        if (host.commandStack().lookupTyped(name.c_str()) == nullptr) {
            reason = "unknown command " + command;
            host.transcript().report(L"Unknown command \"" + name + L"\".");
            return kCommand;
        }
        if (host.runCommand(name.c_str()) != RTNORM) {
            reason = "command " + command + " failed (see the command line)";
            return kCommand;
        }
    }
    return output(mOptions.save, mOptions.renders, reason);
}

int CadHostSession::output(const std::string& dxf, const std::vector<std::string>& pictures, std::string& reason,
                           const std::string& plot)
{
    HostApplication& host = HostApplication::instance();
    AcDbDatabase* db = host.database();
    auto since = std::chrono::steady_clock::now();
    if (!dxf.empty()) {
        // The saved file stands alone: the drawings it references are bound into it.
        std::vector<std::wstring> unbound;
        XrefBinder::bindAll(db, unbound);
        for (const std::wstring& reference : unbound)
            host.transcript().report(L"The external reference " + reference + L" cannot be read and stays a reference.");
        // The picture shows what the file carries.
        db->updateDimensionBlocks();
    }
    const auto gui = pictures.empty() ? std::unique_ptr<QGuiApplication>() : HeadlessGui::start(mArgc, mArgv);
    DrawingRenderer::Options options;
    options.sizePx = mOptions.sizePx;
    options.useWindow = mOptions.useWindow;
    for (int i = 0; i < 4; ++i)
        options.window[i] = mOptions.window[i];
    const DisplayList list = pictures.empty() ? DisplayList() : DrawingRenderer::collect(db);
    stageDone("display list (with binding and Qt start)", since);
    // A PNG is painted and encoded on a thread of its own while the drawing is saved: painting
    // reads only the display list, saving only the database.
    const auto isPng = [](const std::string& picture) { return fs::path(picture).extension() == ".png"; };
    std::future<QByteArray> png;
    double pngSeconds = 0.0;
    if (!pictures.empty() && isPng(pictures.front()))
        png = std::async(std::launch::async, [&list, &options, &pngSeconds] {
            const auto start = std::chrono::steady_clock::now();
            QByteArray bytes = DrawingRenderer::pngBytes(list, options);
            pngSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            return bytes;
        });
    since = std::chrono::steady_clock::now();
    if (!dxf.empty()) {
        const Acad::ErrorStatus es = db->dxfOut(HostPaths::widen(dxf).c_str());
        if (es != Acad::eOk) {
            reason = "cannot save " + dxf + " (" + narrow(acadErrorStatusText(es)) + ")";
            return kOutput;
        }
        host.transcript().report(L"Saved " + HostPaths::widen(dxf));
        stageDone("DXF written (beside the PNG)", since);
    }
    if (pictures.empty())
        return kOk;
    for (const std::string& picture : pictures) {
        std::wstring error;
        since = std::chrono::steady_clock::now();
        bool drawn = false;
        if (png.valid()) {
            const QByteArray bytes = png.get();
            mStages.push_back({"PNG painted and encoded (beside the DXF)", pngSeconds});
            drawn = DrawingRenderer::writePicture(bytes, HostPaths::widen(picture), &error);
        } else {
            drawn = DrawingRenderer::renderFile(list, HostPaths::widen(picture), options, &error);
        }
        stageDone("picture written (after waiting for it)", since);
        if (!drawn) {
            reason = narrow(error);
            return kOutput;
        }
        host.transcript().report(L"Drew " + HostPaths::widen(picture));
    }
    if (plot.empty())
        return kOk;
    std::wstring error;
    if (!CadHostPlot::write(db, HostPaths::widen(plot), &error)) {
        reason = narrow(error);
        return kOutput;
    }
    host.transcript().report(L"Plotted " + HostPaths::widen(plot));
    return kOk;
}
