#pragma once

#include "ExHeadlessView.h"

#include <nlohmann/json.hpp>

class CKORVANEXDoc;
struct ExViewSettings;

// The headless view the commands bring a drawing up to date with: the drawing's own divisor and
// sheet (a stored value outside what the view accepts as the view would use it) and 96 dpi.
CExHeadlessView DrawingView(const ExViewSettings& settings);

// The JSON description of a loaded drawing that `qlptool dump` prints. Every element is first
// brought up to date (UpdateParts, RecalcParts) against a headless view at the drawing's own
// divisor and sheet and 96 dpi. Key names are stable: scripts rely on them.
nlohmann::ordered_json DumpDrawing(CKORVANEXDoc& doc);
