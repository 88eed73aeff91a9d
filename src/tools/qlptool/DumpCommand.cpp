#include "DumpCommand.h"

#include "CommandLine.h"
#include "DrawingDump.h"
#include "KORVANEXDoc.h"

#include <iostream>
#include <memory>

void AddDumpCommand(CLI::App& app, CToolServices& services) {
    auto request = std::make_shared<DumpRequest>();
    CLI::App* command = AddCommand(app, "dump", "図面の内容を JSON で標準出力に書き出します",
                                   [request, &services] { return RunDump(*request, services); });
    command->add_option("図面ファイル", request->drawing, "読み込む図面（.qlp）")->required();
}

int RunDump(const DumpRequest& request, CToolServices& services) {
    CKORVANEXDoc doc;
    if (!OpenDrawing(doc, request.drawing, services)) {
        return 1;
    }
    if (!doc.IsComplete()) {
        Say("図面の最後の部品が壊れているため、その前までを書き出します: " + request.drawing);
    }
    std::cout << DumpDrawing(doc).dump(2) << '\n';
    return 0;
}
