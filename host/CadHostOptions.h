// The command line of cadhost: the "draw" job for a design file, or the general form that
// loads modules, runs commands, answers message boxes and input, saves and renders.
#pragma once

#include <string>
#include <vector>

struct CadHostOptions {
    bool help = false;
    // cadhost [DRAWING.dxf]: the window, on an empty drawing or the one named.
    bool windowed = false;
    std::string drawing;
    // draw DESIGN.glt [-o DIR] [--svg] [--pdf]
    bool draw = false;
    std::string design;
    std::string outputDir = ".";
    bool svg = false;
    bool pdf = false;
    // The general form.
    std::string open;
    std::vector<std::string> modules;
    std::vector<std::string> commands;
    std::vector<std::string> answers;
    std::string input;
    std::string save;
    std::vector<std::string> renders;
    // Picture options.
    int sizePx = 2400;
    bool useWindow = false;
    double window[4] = {0.0, 0.0, 0.0, 0.0};

    // Reads the arguments; false with the reason in `error`.
    bool parse(int argc, char** argv, std::string& error);
    static std::string helpText();
};
