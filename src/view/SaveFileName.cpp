#include "SaveFileName.h"

#include "ExAppServices.h"

#include <QFileInfo>

namespace {

constexpr const char* kOverwriteQuestion = "%1 は既に存在します。\n上書きしますか？";

} // namespace

QString NameWithSuffix(const QString& fileName, const char* suffix) {
    const QString named = fileName + QLatin1Char('.') + QLatin1String(suffix);
    if (QFileInfo::exists(named)) {
        const QString question = QString::fromUtf8(kOverwriteQuestion).arg(named);
        if (AppServices().MessageBox(question.toStdString(), ExMessageIcon::Question,
                                     ExMessageButtons::OkCancel) != ExMessageResult::Ok) {
            return {};
        }
    }
    return named;
}
