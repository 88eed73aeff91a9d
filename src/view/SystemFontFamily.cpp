#include "SystemFontFamily.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

namespace {

QString JapaneseSansFamily() {
    QString family = QStringLiteral("sans-serif");
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja"));
    if (!pattern) {
        return family;
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name) {
            family = QString::fromUtf8(reinterpret_cast<const char*>(name));
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return family;
}

} // namespace

QString SystemFontFamily(const QString& face) {
    if (!face.isEmpty() && QFontDatabase::hasFamily(face)) {
        return face;
    }
    static const QString japanese = JapaneseSansFamily();
    return japanese;
}
