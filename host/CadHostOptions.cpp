// Options may come in any order; the general form's steps always run in the order the help
// lists them.
#include "CadHostOptions.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

bool parseWindow(const std::string& text, double out[4])
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    char comma = 0;
    return static_cast<bool>(in >> out[0] >> comma >> out[1] >> comma >> out[2] >> comma >> out[3]) && in.peek() == EOF;
}

} // namespace

bool CadHostOptions::parse(int argc, char** argv, std::string& error)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || (args.size() == 1 && args[0] != "draw" && args[0].rfind('-', 0) != 0)) {
        windowed = true;
        drawing = args.empty() ? std::string() : args[0];
        return true;
    }
    std::size_t i = 0;
    if (args[0] == "draw") {
        draw = true;
        i = 1;
    }
    auto value = [&](const std::string& option) -> const std::string* {
        if (i + 1 >= args.size()) {
            error = option + " needs a value";
            return nullptr;
        }
        return &args[++i];
    };
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::string* v = nullptr;
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == "--svg") {
            svg = true;
        } else if (a == "--pdf") {
            pdf = true;
        } else if (a == "-o" || a == "--output") {
            if (!(v = value(a)))
                return false;
            outputDir = *v;
        } else if (a == "--open") {
            if (!(v = value(a)))
                return false;
            open = *v;
        } else if (a == "--load") {
            if (!(v = value(a)))
                return false;
            modules.push_back(*v);
        } else if (a == "--run") {
            if (!(v = value(a)))
                return false;
            commands.push_back(*v);
        } else if (a == "--answer") {
            if (!(v = value(a)))
                return false;
            answers.push_back(*v);
        } else if (a == "--input") {
            if (!(v = value(a)))
                return false;
            input = *v;
        } else if (a == "--save") {
            if (!(v = value(a)))
                return false;
            save = *v;
        } else if (a == "--render") {
            if (!(v = value(a)))
                return false;
            renders.push_back(*v);
        } else if (a == "--size") {
            if (!(v = value(a)))
                return false;
            char* end = nullptr;
            const long n = std::strtol(v->c_str(), &end, 10);
            if (*end != 0 || n < 16 || n > 20000) {
                error = "--size takes a number of pixels from 16 to 20000";
                return false;
            }
            sizePx = static_cast<int>(n);
        } else if (a == "--window") {
            if (!(v = value(a)))
                return false;
            if (!parseWindow(*v, window)) {
                error = "--window takes X0,Y0,X1,Y1";
                return false;
            }
            useWindow = true;
        } else if (draw && design.empty() && !a.empty() && a[0] != '-') {
            design = a;
        } else {
            error = "unknown argument \"" + a + "\" (try --help)";
            return false;
        }
    }
    if (help)
        return true;
    if (draw && design.empty()) {
        error = "draw needs a design file (cadhost draw DESIGN.glt)";
        return false;
    }
    if (!draw && (svg || pdf)) {
        error = "--svg and --pdf belong to draw; use --render FILE.svg or FILE.pdf";
        return false;
    }
    return true;
}

std::string CadHostOptions::helpText()
{
    return R"(cadhost - runs the cap-beam drawing plug-in without a CAD program and shows its drawing

Work with the drawing in a window:
  cadhost [DRAWING.dxf]
      Shows the drawing (an empty one unless DRAWING.dxf is named) with the command line
      below it; the menu makes a new drawing, opens and saves DXF, plots every sheet to PDF,
      exports PNG or SVG, loads a module and runs a command. The drawing plug-in is loaded at
      start, message boxes are dialogs, and the editor corbeldesk sends its draw command here
      through the local socket $XDG_RUNTIME_DIR/corbel-cadhost.

Make the drawing of a design:
  cadhost draw DESIGN.glt [-o DIR] [--svg] [--pdf]
      Sets DESIGN.glt as the current design, loads the CAD library (libcorbelkit.so) and the
      drawing plug-in (libcorbeldraw.so), found next to cadhost or in the build tree, runs
      the plug-in's command BC_NOUI and writes DIR/NAME.dxf and DIR/NAME.png (NAME is the
      design's name); --svg also writes DIR/NAME.svg, --pdf the plot DIR/NAME.pdf (one A3
      page for every sheet frame, at 1:1). DIR is the current folder unless -o gives one.

Run anything (the steps run in this order):
  cadhost [--open DRAWING.dxf] [--load MODULE]... [--answer CAPTION=BUTTON]...
          [--input FILE] [--run COMMAND]... [--save FILE.dxf] [--render FILE]...
  --open FILE      start from this drawing (DXF) instead of an empty one
  --load MODULE    load an application module (a shared library exporting acrxEntryPoint)
  --answer C=B     answer every message box captioned C with button B (OK, Cancel, Yes, No,
                   Abort, Retry, Ignore, or a number); a plain BUTTON answers the next box.
                   Boxes without an answer get their default button.
  --input FILE     answers to the commands' questions, one per line:
                     point X,Y[,Z]         a point
                     pick HANDLE [X,Y]     the entity with that (hexadecimal) handle
                     select HANDLE ...     a selection of entities
                     string TEXT           a text
                     none                  Enter
                     cancel                Esc
                   When the answers run out, every further question is cancelled.
  --run COMMAND    run a command the modules registered, by its name
  --save FILE.dxf  save the drawing as DXF
  --render FILE    draw the drawing's model space to FILE.png, FILE.svg or FILE.pdf

Picture options (draw and --render):
  --size PIXELS            longer side of a PNG or SVG picture (default 2400)
  --window X0,Y0,X1,Y1     show this window of model space instead of the whole drawing

The command line (what the commands print, message boxes as [caption] text) goes to
standard output. When something cannot be done, cadhost says why on one line of standard
error and exits with:
  1 wrong arguments       2 a file to read is missing or unreadable
  3 a module did not load  4 a command is unknown or failed
  5 saving or drawing failed  6 the drawing command drew nothing

Environment: CORBEL_REGISTRY names the registry file shared with the editor;
CORBEL_MODULE_PATH (colon-separated folders) is searched for modules named without a folder;
CORBEL_SUPPORT_PATH for support files (linetypes, title blocks).
)";
}
