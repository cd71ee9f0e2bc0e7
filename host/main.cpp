// cadhost: stands in for the CAD host. In its window a person works with the drawing and the
// editor sends its draw command; headless it loads the drawing plug-in, runs its commands,
// saves the drawing as DXF and draws it to PNG, SVG or PDF.
#include "CadHostOptions.h"
#include "CadHostSession.h"
#include "CadHostSupport.h"
#include "CadHostWindow.h"

#include <iostream>

int main(int argc, char** argv)
{
    CadHostOptions options;
    std::string error;
    if (!options.parse(argc, argv, error)) {
        std::cerr << "cadhost: " << error << "\n";
        return CadHostSession::kUsage;
    }
    if (options.help) {
        std::cout << CadHostOptions::helpText();
        return 0;
    }
    CadHostSupport::install();
    if (options.windowed)
        return CadHostWindow::exec(argc, argv, options.drawing);
    CadHostSession session(options, argc, argv);
    const int status = session.run(error);
    std::cout.flush();
    if (status != CadHostSession::kOk)
        std::cerr << "cadhost: " << error << "\n";
    return status;
}
