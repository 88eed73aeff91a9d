#pragma once

#include <string>

namespace CLI {
class App;
}
class CToolServices;

// qlptool dump 図面ファイル
// Prints the drawing as one JSON object on stdout (see DrawingDump.h).
struct DumpRequest {
    std::string drawing;
};

void AddDumpCommand(CLI::App& app, CToolServices& services);

// The exit code: 0, also for a drawing whose last element is damaged (the elements before it are
// printed, with a warning), or 1 after a message on stderr.
int RunDump(const DumpRequest& request, CToolServices& services);
