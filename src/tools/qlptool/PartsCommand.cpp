#include "PartsCommand.h"

#include "CommandLine.h"
#include "DrawingDump.h"
#include "ExArea.h"
#include "ExPartsTally.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <vector>

namespace {

// The columns after the name hold numbers and line up on the right.
constexpr std::size_t kNameColumn = 0;
constexpr const char* kColumnGap = "  ";

// The areas and lengths the elements show, as the drawing view would compute them. Areas come
// last: they subtract the pillars inside them, found by the pillars' outlines in the view.
void BringUpToDate(CKORVANEXDoc& doc) {
    CExHeadlessView view = DrawingView(doc.ViewSettings());
    view.SetDocument(&doc);
    ExActiveViewScope active(&view);
    for (const bool areas : {false, true}) {
        for (const auto& element : doc.Elements()) {
            if ((dynamic_cast<const CExArea*>(element.get()) != nullptr) == areas) {
                element->UpdateParts();
                element->RecalcParts();
            }
        }
    }
}

// A name keeps to its line of the table.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
    return text;
}

std::string Table(const std::vector<ExPartsTallyRow>& tally) {
    std::vector<std::vector<std::string>> rows{PartsTallyColumns()};
    for (const ExPartsTallyRow& row : tally) {
        rows.push_back(PartsTallyFields(row));
        rows.back()[kNameColumn] = OneLine(rows.back()[kNameColumn]);
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
        }
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string padding(widths[i] - DisplayWidth(row[i]), ' ');
            line += i == kNameColumn ? row[i] + padding : kColumnGap + padding + row[i];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + '\n';
    }
    return out;
}

} // namespace

void AddPartsCommand(CLI::App& app, CToolServices& services) {
    auto request = std::make_shared<PartsRequest>();
    CLI::App* command =
        AddCommand(app, "parts", "図面の部品の一覧（部品表）を標準出力に書き出します",
                   [request, &services] { return RunParts(*request, services); });
    command->add_option("図面ファイル", request->drawing, "読み込む図面（.qlp）")->required();
    command->add_flag("--csv", request->csv,
                      "表の代わりに CSV（UTF-8、BOM 付き、改行 CRLF）で書き出します");
}

int RunParts(const PartsRequest& request, CToolServices& services) {
    CKORVANEXDoc doc;
    if (!OpenDrawing(doc, request.drawing, services)) {
        return 1;
    }
    if (!doc.IsComplete()) {
        Say("図面の最後の部品が壊れているため、その前までを数えます: " + request.drawing);
    }
    BringUpToDate(doc);
    const std::vector<ExPartsTallyRow> tally = TallyParts(doc);
    std::cout << (request.csv ? PartsTallyCsv(tally) : Table(tally)) << std::flush;
    return 0;
}
