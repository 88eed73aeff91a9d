#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}
class CToolServices;

// qlptool export 図面ファイル 画像ファイル [--width ピクセル数] [--height ピクセル数]
//                [--form whole|layout|wiring]
// Draws the whole sheet into a picture as the program's bitmap command does: the sheet fitted
// with a 5 % margin and centred on white, no grid and no selection. The picture's format follows
// its extension (.png, .bmp, .svg, .pdf). Without a form the parts are dimmed as in the
// drawing's view mode; a form picks the parts as printing does, undimmed.
struct ExportRequest {
    static constexpr int kMinPixels = 16;
    static constexpr int kMaxPixels = 16384;

    std::string drawing;
    std::string picture;
    int width = 1024;
    int height = 768;
    std::optional<int> form; // print form 0 whole, 1 layout, 2 wiring; none = the view mode
};

void AddExportCommand(CLI::App& app, CToolServices& services);

// The exit code: 0, or 1 after a message on stderr.
int RunExport(const ExportRequest& request, CToolServices& services);
