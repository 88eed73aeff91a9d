#pragma once

#include "ExTypes.h"

class CKORVANEXDoc;

// The view-unit rectangle the selected parts cover (empty when nothing is selected).
ExRect SelectionViewRect(const CKORVANEXDoc& doc);
// The same with the distance rulers attached to the selected parts, which follow them.
ExRect SelectionAndRulersRect(const CKORVANEXDoc& doc);
// The smallest rectangle holding both (either may be empty).
ExRect UnionRect(const ExRect& a, const ExRect& b);
