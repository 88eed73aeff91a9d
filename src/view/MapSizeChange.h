#pragma once

class CExEditRecorder;
class CKORVANEXDoc;

// A new sheet size confirmed in the drawing size dialog. Sizes are whole metres.
struct ExMapSize {
    int width = 25;
    int height = 25;

    friend bool operator==(const ExMapSize&, const ExMapSize&) = default;
};

// Applies a new sheet size to a document shown at viewScale. Shrinking a sheet that has parts
// asks first (OK/Cancel); on OK the selection is cleared and every part reaching beyond the new
// sheet is deleted, and the document is marked modified. Returns the size now in force: the new
// one, or the old one when the question was cancelled.
ExMapSize ApplyMapSize(CExEditRecorder& recorder, ExMapSize current, ExMapSize requested,
                       int viewScale);

namespace exmsg {
inline constexpr const char* kShrinkSheetQuestion =
    "変更された図面サイズの外側にある部品は削除されますがよろしいですか？";
} // namespace exmsg
