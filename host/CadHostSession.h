// One run of cadhost: carries out the options on the host's current document and says why
// it stops when it cannot go on.
#pragma once

#include "CadHostOptions.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

class AcDbDatabase;

class CadHostSession {
public:
    enum Exit { kOk = 0, kUsage = 1, kMissingFile = 2, kModule = 3, kCommand = 4, kOutput = 5, kNothingDrawn = 6 };
    // How long a step of the run took, in seconds of the wall clock.
    struct Stage {
        std::string name;
        double seconds = 0.0;
    };

    CadHostSession(const CadHostOptions& options, int& argc, char** argv);
    // The exit status; `reason` holds the one-line reason for any status but kOk.
    int run(std::string& reason);

    // Where the drawing plug-in is looked for: next to the program, in the installed lib/corbel
    // beside its folder, then in the build tree.
    static std::vector<std::string> pluginCandidates();
    // Loads the CAD library and the drawing plug-in into the host; kOk or kModule.
    static int loadDrawingPlugin(std::string& reason);
    // The entities of the database's model space.
    static std::size_t modelSpaceCount(AcDbDatabase* db);
    // The steps of the last run, in the order they ended (for the benchmark).
    const std::vector<Stage>& stages() const { return mStages; }

private:
    int draw(std::string& reason);
    int general(std::string& reason);
    // Saves the DXF, draws the pictures and, when `plot` names a PDF, plots the sheets to it.
    int output(const std::string& dxf, const std::vector<std::string>& pictures, std::string& reason,
               const std::string& plot = std::string());

    void stageDone(const char* name, std::chrono::steady_clock::time_point since);

    const CadHostOptions& mOptions;
    int& mArgc;
    char** mArgv;
    std::vector<Stage> mStages;
};
