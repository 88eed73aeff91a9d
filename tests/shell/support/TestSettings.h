#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

// Gives a test program a settings store of its own, empty at the start: test programs run at
// the same time and must not read or clear each other's settings.
inline void UseOwnTestSettings(const char* program) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("KARDO WORKS"));
    QCoreApplication::setApplicationName(QString::fromLatin1(program));
    QSettings().clear();
}
