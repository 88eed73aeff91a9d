#pragma once

#include <string>

namespace CLI {
class App;
}
class CToolServices;

// qlptool parts 図面ファイル [--csv]
// Prints the bill of materials of a drawing (see ExPartsTally.h) on stdout: a table in aligned
// columns, or with --csv the bytes of the CSV file the parts list saves.
struct PartsRequest {
    std::string drawing;
    bool csv = false;
};

void AddPartsCommand(CLI::App& app, CToolServices& services);

// The exit code: 0, also for a drawing whose last element is damaged (the elements before it are
// counted, with a warning), or 1 after a message on stderr.
int RunParts(const PartsRequest& request, CToolServices& services);
