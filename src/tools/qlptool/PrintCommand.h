#pragma once

#include <QPageSize>

#include <optional>
#include <string>

namespace CLI {
class App;
}
class CToolServices;

// qlptool print 図面ファイル PDFファイル [--scale fit|N] [--form whole|layout|wiring]
//               [--paper A4|A3|B4|B5|Letter] [--landscape]
// Writes the pages the program's print command prints to a PDF, on a page with 10 mm margins:
// at the divisor that fits the sheet on one page, or at 1/N over as many pages as the sheet
// needs. Without a form the form is the one the print dialog proposes for the drawing's view
// mode.
struct PrintRequest {
    std::string drawing;
    std::string pdf;
    int scale = 0; // 0: fit the sheet on one page
    std::optional<int> form;
    int paper = QPageSize::A4; // a QPageSize::PageSizeId
    bool landscape = false;
};

void AddPrintCommand(CLI::App& app, CToolServices& services);

// The exit code: 0, or 1 after a message on stderr.
int RunPrint(const PrintRequest& request, CToolServices& services);
