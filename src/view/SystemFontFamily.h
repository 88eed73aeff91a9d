#pragma once

#include <QString>

// The family text in a face is drawn with: the face itself when the system has it, else the
// family fontconfig picks for Japanese sans-serif text. Drawings name the faces of another
// platform ("ＭＳ ゴシック"); a Latin fallback would draw their labels in the wrong style or
// without their Japanese glyphs.
QString SystemFontFamily(const QString& face);
