#pragma once

#include <QStringList>

class QSettings;

// The most recently opened or saved drawings, newest first, kept in the settings store.
class CRecentFileList {
public:
    static constexpr int kSize = 4;

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // Puts a file first, removing it further down and dropping the oldest beyond the size.
    void Add(const QString& fileName);
    void Remove(const QString& fileName);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};
