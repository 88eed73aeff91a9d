#pragma once

#include <nlohmann/json.hpp>

class CKORVANEXDoc;

// The JSON description of a loaded drawing that `qlptool dump` prints. Every element is first
// brought up to date (UpdateParts, RecalcParts) against a headless view at the drawing's own
// divisor and sheet and 96 dpi. Key names are stable: scripts rely on them.
nlohmann::ordered_json DumpDrawing(CKORVANEXDoc& doc);
