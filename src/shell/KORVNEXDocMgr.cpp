#include "KORVNEXDocMgr.h"

#include <QFile>
#include <QFileInfo>

#include <climits>

QString OpenFileName(const QString& name) {
    QString unquoted = name;
    if (unquoted.startsWith(QLatin1Char('"'))) {
        unquoted.remove(0, 1);
    }
    const qsizetype quote = unquoted.lastIndexOf(QLatin1Char('"'));
    if (quote >= 0) {
        unquoted.truncate(quote);
    }
    const QFileInfo file(unquoted);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

int UntitledNumber(const QString& title) {
    const QString prefix = QString::fromUtf8(exdocmgr::kUntitled);
    if (!title.startsWith(prefix) || title.size() == prefix.size()) {
        return 0;
    }
    const QString digits = title.mid(prefix.size());
    if (digits.front() == QLatin1Char('0')) {
        return 0;
    }
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return 0;
        }
    }
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? number : 0;
}

bool IsFileNameTooLong(const QString& fileName) {
    const QByteArray encoded = QFile::encodeName(QFileInfo(fileName).absoluteFilePath());
    if (encoded.size() >= PATH_MAX) {
        return true;
    }
    for (const QByteArray& part : encoded.split('/')) {
        if (part.size() > NAME_MAX) {
            return true;
        }
    }
    return false;
}

QStringList FileArguments(const QStringList& arguments) {
    QStringList files;
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-'))) {
            files.append(argument);
        }
    }
    return files;
}
