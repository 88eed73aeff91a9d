// qlptool: inspects drawings without a window. Each command declares its arguments in its own
// file; `qlptool --help` lists the commands, `qlptool COMMAND --help` describes one.

#include "CommandLine.h"
#include "DumpCommand.h"
#include "ExVecFont.h"
#include "ExportCommand.h"
#include "PartsCommand.h"
#include "PrintCommand.h"
#include "ToolServices.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The program's font lies beside the tools in the build tree, or in the data folder of an
// installed program. Labels that elements rebuild (areas, rulers) need it; without it they
// are simply left without strokes.
void LoadProgramFont(CExVecFont& font) {
    std::error_code error;
    const fs::path folder = fs::read_symlink("/proc/self/exe", error).parent_path();
    for (const fs::path& candidate :
         {folder / CExVecFont::kFileName, folder / "../share/quillplan" / CExVecFont::kFileName}) {
        if (font.LoadVecFont(candidate)) {
            SetVecFont(&font);
            return;
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    CToolServices services;
    SetAppServices(&services);
    CExVecFont font;
    LoadProgramFont(font);

    CLI::App app("クイルプランの図面をウィンドウなしで調べます", "qlptool");
    SetUpCommandLine(app);
    AddDumpCommand(app, services);
    AddExportCommand(app, services);
    AddPrintCommand(app, services);
    AddPartsCommand(app, services);
    // Only the list of commands has this footer: the commands would inherit it from before.
    app.footer("コマンドの説明は qlptool コマンド --help で表示します");
    const int result = RunCommandLine(app, argc, argv);

    SetAppServices(nullptr);
    SetVecFont(nullptr);
    return result;
}
