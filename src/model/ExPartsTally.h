#pragma once

// What a drawing is made of, counted by parts code: the parts list of the "部品一覧" dialog and
// the bill of materials that is saved as CSV and printed by qlptool. Both count the same way:
// elements with equal codes together under the first element's name, in the order of their
// first elements.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CKORVANEXDoc;

// One line of the parts list: a parts code placed in the drawing, the name of its first
// element and how many elements carry the code.
struct PARTSLISTITEM {
    int nImage = 0;
    int nPartsCode = 0;
    std::string strName;
    int nCount = 0;
};

enum class ExPartsListKind { Layout, Wiring };

// The parts of a drawing by code, in the order of their first elements: the layout list holds
// everything but cables and other wiring parts, the wiring list only those.
std::vector<PARTSLISTITEM> BuildPartsList(const CKORVANEXDoc& doc, ExPartsListKind kind);

// One row of the bill of materials.
struct ExPartsTallyRow {
    int nPartsCode = 0;
    std::string strName; // code page 932
    int nCount = 0;
    // Cables: the length of all cables of the code with their height corrections, in cm.
    std::optional<std::int64_t> nLengthCm;
    // An area measurement: its area in square metres as its label shows it.
    std::optional<std::string> strArea;
};

// The bill of materials of a drawing as its elements stand (brought up to date by the caller):
// the layout list, then the wiring list, each line with the total length of its cables; area
// measurements are not counted together but each is a row of its own with its name, a count of
// one and its area, where the first of them stands in the layout list.
std::vector<ExPartsTallyRow> TallyParts(const CKORVANEXDoc& doc);

// Metres with two decimals of a length in centimetres, as the cable shows its own: 1205 gives
// "12.05", -5 gives "-0.05".
std::string FormatMetres(std::int64_t centimetres);

// The header row, UTF-8: 部品名, 部品コード, 数量, 長さ(m), 面積(㎡).
const std::vector<std::string>& PartsTallyColumns();

// The fields of a row, UTF-8, in the order of the header; empty where a column does not apply.
std::vector<std::string> PartsTallyFields(const ExPartsTallyRow& row);

// The bill of materials as a CSV file a spreadsheet opens with its Japanese names intact:
// UTF-8 with a byte-order mark, the header row, lines ended by CR LF, and a field holding a
// comma, a double quote, CR or LF put in double quotes with its double quotes doubled.
std::string PartsTallyCsv(const std::vector<ExPartsTallyRow>& rows);
