#pragma once

class CExParts;
class CKORVANEXDoc;
class QWidget;

// Opens the property dialog of a part's kind on a sheet of the given size (whole metres) and,
// on OK with changed values, writes them back and recomputes the part. A part moved or turned
// as a whole brings the distance rulers attached to it along; a changed pillar also recomputes the
// area measurements, which subtract pillars. A ruler whose new length would leave the sheet stays
// as it was, after a message. Area measurements have no dialog. True when the part was changed;
// marking the drawing modified is the caller's.
bool ShowPropertyDialog(QWidget* parent, CKORVANEXDoc& doc, CExParts& part, int mapWidthM,
                        int mapHeightM);

namespace exmsg {
inline constexpr const char* kRulerLeavesSheet =
    "指定した長さでは定規が図面外に出てしまいます。\n適切な長さを指定してください。";
} // namespace exmsg
