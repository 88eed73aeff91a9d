#include "ExPartsTally.h"

#include "Cp932.h"
#include "ExArea.h"
#include "ExParts.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"

#include <string_view>
#include <unordered_map>

namespace {

bool IsWiringCode(int code) {
    const int group = code / 100;
    return group == excode::kCableGroup || group == excode::kWiringLayerGroup;
}

bool IsCableCode(int code) {
    return code / 100 == excode::kCableGroup;
}

// The summed lengths of the cables of each cable code, in cm.
std::unordered_map<int, std::int64_t> CableLengths(const CKORVANEXDoc& doc) {
    std::unordered_map<int, std::int64_t> lengths;
    for (const auto& element : doc.Elements()) {
        const int code = element->GetPartsCode();
        if (!IsCableCode(code)) {
            continue;
        }
        // A cable code on some other kind of element counts, but has no length of its own.
        const auto* cable = dynamic_cast<const CExWiringParts*>(element.get());
        lengths[code] += cable ? cable->GetTotalLength() : 0;
    }
    return lengths;
}

// One row for each element of the area measurements' code, in drawing order.
void AddAreaRows(const CKORVANEXDoc& doc, std::vector<ExPartsTallyRow>& rows) {
    for (const auto& element : doc.Elements()) {
        if (element->GetPartsCode() != excode::kArea) {
            continue;
        }
        ExPartsTallyRow row{excode::kArea, element->GetPartsName(), 1, std::nullopt, std::nullopt};
        if (const auto* area = dynamic_cast<const CExArea*>(element.get())) {
            row.strArea = area->GetAreaText();
        }
        rows.push_back(std::move(row));
    }
}

// A field in double quotes when a spreadsheet would otherwise split it. A text a spreadsheet
// would run as a formula (a part's name can be any text, from any drawing) gets an apostrophe in
// front, so that it stays text.
std::string CsvField(const std::string& field) {
    const bool formula =
        !field.empty() && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos;
    const std::string text = formula ? "'" + field : field;
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

void AppendCsvLine(const std::vector<std::string>& fields, std::string& out) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += CsvField(fields[i]);
    }
    out += "\r\n";
}

} // namespace

std::vector<PARTSLISTITEM> BuildPartsList(const CKORVANEXDoc& doc, ExPartsListKind kind) {
    std::vector<PARTSLISTITEM> items;
    std::unordered_map<int, std::size_t> indexOfCode;
    for (const auto& element : doc.Elements()) {
        const int code = element->GetPartsCode();
        if (IsWiringCode(code) != (kind == ExPartsListKind::Wiring)) {
            continue;
        }
        const auto [it, added] = indexOfCode.try_emplace(code, items.size());
        if (added) {
            items.push_back({static_cast<int>(items.size()), code, element->GetPartsName(), 0});
        }
        ++items[it->second].nCount;
    }
    return items;
}

std::vector<ExPartsTallyRow> TallyParts(const CKORVANEXDoc& doc) {
    const std::unordered_map<int, std::int64_t> lengths = CableLengths(doc);
    std::vector<ExPartsTallyRow> rows;
    for (const ExPartsListKind kind : {ExPartsListKind::Layout, ExPartsListKind::Wiring}) {
        for (PARTSLISTITEM& item : BuildPartsList(doc, kind)) {
            if (item.nPartsCode == excode::kArea) {
                AddAreaRows(doc, rows);
                continue;
            }
            ExPartsTallyRow row{item.nPartsCode, std::move(item.strName), item.nCount, std::nullopt,
                                std::nullopt};
            if (const auto length = lengths.find(item.nPartsCode); length != lengths.end()) {
                row.nLengthCm = length->second;
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::string FormatMetres(std::int64_t centimetres) {
    const std::uint64_t magnitude = centimetres < 0 ? 0 - static_cast<std::uint64_t>(centimetres)
                                                    : static_cast<std::uint64_t>(centimetres);
    const std::uint64_t rest = magnitude % 100;
    return (centimetres < 0 ? "-" : "") + std::to_string(magnitude / 100) +
           (rest < 10 ? ".0" : ".") + std::to_string(rest);
}

const std::vector<std::string>& PartsTallyColumns() {
    static const std::vector<std::string> columns{"部品名", "部品コード", "数量", "長さ(m)",
                                                  "面積(㎡)"};
    return columns;
}

std::vector<std::string> PartsTallyFields(const ExPartsTallyRow& row) {
    return {cp932::ToUtf8(row.strName), std::to_string(row.nPartsCode), std::to_string(row.nCount),
            row.nLengthCm ? FormatMetres(*row.nLengthCm) : "", row.strArea.value_or("")};
}

std::string PartsTallyCsv(const std::vector<ExPartsTallyRow>& rows) {
    std::string out = "\xEF\xBB\xBF";
    AppendCsvLine(PartsTallyColumns(), out);
    for (const ExPartsTallyRow& row : rows) {
        AppendCsvLine(PartsTallyFields(row), out);
    }
    return out;
}
