// cadhost: stands in for the CAD host. Loads the drawing plug-in, runs its commands headless,
// saves the drawing as DXF and draws it to PNG, SVG or PDF.
#include "CadHostOptions.h"
#include "CadHostSession.h"

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
    CadHostSession session(options, argc, argv);
    const int status = session.run(error);
    std::cout.flush();
    if (status != CadHostSession::kOk)
        std::cerr << "cadhost: " << error << "\n";
    return status;
}
