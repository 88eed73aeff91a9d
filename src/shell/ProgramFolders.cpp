#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramDataFolder() {
    const QDir executableDir(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(executableDir.filePath("VecFont.QVF")) ||
        QFileInfo::exists(executableDir.filePath(QStringLiteral("部品")))) {
        return executableDir.absolutePath();
    }
    const QString installed = executableDir.absoluteFilePath("../share/quillplan");
    return QDir::cleanPath(QFileInfo::exists(installed) ? installed : executableDir.absolutePath());
}

QString LogFolder() {
    const QString data = ProgramDataFolder();
    const QFileInfo info(data);
    if (info.isDir() && info.isWritable()) {
        return data;
    }
    const QString state = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(state);
    return state;
}
