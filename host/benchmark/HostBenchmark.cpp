// Times what cadhost does with a large drawing: the DXF save and the drawing to PNG, and
// loading a module when one is named. Prints entities per second for each.
//   cadhost_benchmark [ENTITIES] [--module PATH]
// With --dxf it reads a drawing and times its DXF writing alone, the median of RUNS writes
// (5 by default) into memory in processor time (steady on a busy machine), printed in seconds
// on the last line:
//   cadhost_benchmark --dxf DRAWING.dxf [--runs RUNS]
// With --job it makes the drawing of a design as `cadhost draw` does and prints how long each
// step took, one "stage<TAB>seconds<TAB>step" line each among the command line's own:
//   cadhost_benchmark --job DESIGN.glt [-o DIR]
#include "AcDbArc.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCircle.h"
#include "AcDbDatabase.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "CadHostOptions.h"
#include "CadHostSession.h"
#include "CadHostSupport.h"
#include "DrawingRenderer.h"
#include "HeadlessGui.h"
#include "HostApplication.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// A sheet-like mix: mostly lines, some polylines, arcs, circles and texts, on a grid.
void fill(AcDbDatabase* db, int count)
{
    AcDbBlockTableRecord* ms = nullptr;
    acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite);
    for (int i = 0; i < count; ++i) {
        const double x = (i % 400) * 10.0, y = (i / 400) * 10.0;
        AcDbEntity* ent = nullptr;
        switch (i % 10) {
        case 0: {
            auto* t = new AcDbText();
            t->setPosition(AcGePoint3d(x, y, 0));
            t->setHeight(2.5);
            t->setTextString(L"N1 Φ25 盖梁");
            ent = t;
            break;
        }
        case 1: ent = new AcDbCircle(AcGePoint3d(x + 5, y + 5, 0), AcGeVector3d::kZAxis, 3.0); break;
        case 2: ent = new AcDbArc(AcGePoint3d(x + 5, y + 5, 0), 4.0, 0.0, 3.0); break;
        case 3: {
            auto* pl = new AcDbPolyline();
            pl->addVertexAt(0, AcGePoint2d(x, y), 0.0, 0.0, 0.0);
            pl->addVertexAt(1, AcGePoint2d(x + 8, y), 0.5, 0.0, 0.0);
            pl->addVertexAt(2, AcGePoint2d(x + 8, y + 8), 0.0, 0.0, 0.0);
            ent = pl;
            break;
        }
        default: ent = new AcDbLine(AcGePoint3d(x, y, 0), AcGePoint3d(x + 9, y + (i % 7), 0)); break;
        }
        ent->setDatabaseDefaults(db);
        ms->appendAcDbEntity(ent);
        ent->close();
    }
    ms->close();
}

// The median time of writing the drawing's DXF text.
int timeDxfWriting(const std::string& drawing, int runs)
{
    AcDbDatabase db(false, true);
    if (db.readDwgFile(std::filesystem::path(drawing).wstring().c_str()) != Acad::eOk) {
        std::fprintf(stderr, "cannot read %s\n", drawing.c_str());
        return 1;
    }
    std::vector<double> times;
    std::size_t bytes = 0;
    for (int run = 0; run < runs; ++run) {
        const std::clock_t t0 = std::clock();
        bytes = db.dxfText().size();
        times.push_back(static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC);
    }
    std::sort(times.begin(), times.end());
    std::printf("DXF writing of %s (%zu bytes), median of %d:\n%.6f\n", drawing.c_str(), bytes, runs,
                times[times.size() / 2]);
    return 0;
}

// One `cadhost draw` of the design, with the time of each step.
int timeJob(const std::string& design, const std::string& outputDir, int argc, char** argv)
{
    std::vector<std::string> words{"cadhost", "draw", design, "-o", outputDir};
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    CadHostOptions options;
    std::string error;
    if (!options.parse(static_cast<int>(args.size()), args.data(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    CadHostSupport::install();
    CadHostSession session(options, argc, argv);
    const int status = session.run(error);
    if (status != CadHostSession::kOk) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return status;
    }
    for (const CadHostSession::Stage& stage : session.stages())
        std::printf("stage\t%.6f\t%s\n", stage.seconds, stage.name.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    int count = 100000;
    int runs = 5;
    std::string module, drawing, design, outputDir = ".";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--module" && i + 1 < argc)
            module = argv[++i];
        else if (a == "--dxf" && i + 1 < argc)
            drawing = argv[++i];
        else if (a == "--job" && i + 1 < argc)
            design = argv[++i];
        else if (a == "-o" && i + 1 < argc)
            outputDir = argv[++i];
        else if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            count = std::max(1, std::atoi(a.c_str()));
    }
    if (!design.empty())
        return timeJob(design, outputDir, argc, argv);
    HostApplication& host = HostApplication::instance();
    if (!drawing.empty()) {
        const int status = timeDxfWriting(drawing, runs);
        host.shutdown();
        return status;
    }
    if (!module.empty()) {
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = acrxLoadModule(std::filesystem::path(module).wstring().c_str(), false);
        std::printf("module load: %s in %.4f s\n", ok ? "loaded" : "FAILED", seconds(t0));
    }
    AcDbDatabase* db = host.database();
    auto t0 = std::chrono::steady_clock::now();
    fill(db, count);
    std::printf("build:  %d entities in %.3f s\n", count, seconds(t0));

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "cadhost-benchmark";
    std::filesystem::create_directories(dir);
    t0 = std::chrono::steady_clock::now();
    const Acad::ErrorStatus es = db->dxfOut((dir / "bench.dxf").wstring().c_str());
    const double save = seconds(t0);
    std::printf("DXF save: %.3f s, %.0f entities/s%s\n", save, count / save, es == Acad::eOk ? "" : " (FAILED)");

    auto gui = HeadlessGui::start(argc, argv);
    t0 = std::chrono::steady_clock::now();
    std::wstring error;
    const bool drawn = DrawingRenderer::renderFile(db, (dir / "bench.png").wstring(), DrawingRenderer::Options(), &error);
    const double render = seconds(t0);
    std::printf("PNG drawing: %.3f s, %.0f entities/s%s\n", render, count / render, drawn ? "" : " (FAILED)");
    std::printf("DXF + PNG: %.3f s\n", save + render);
    host.shutdown();
    return es == Acad::eOk && drawn ? 0 : 1;
}
