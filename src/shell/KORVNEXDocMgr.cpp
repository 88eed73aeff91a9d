#include "KORVNEXDocMgr.h"

#include <QDir>
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
    return FullFileName(unquoted);
}

QString FullFileName(const QString& fileName) {
    const QFileInfo file(fileName);
    const QString canonical = file.canonicalFilePath();
    if (!canonical.isEmpty()) {
        return canonical;
    }
    const QString folder = file.absoluteDir().canonicalPath();
    return folder.isEmpty() ? file.absoluteFilePath() : QDir(folder).filePath(file.fileName());
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
