#include "RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

constexpr const char* kSection = "Recent File List";

QString FileKey(int n) {
    return QStringLiteral("File%1").arg(n);
}

bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

void CRecentFileList::Load(QSettings& settings) {
    m_files.clear();
    settings.beginGroup(QLatin1String(kSection));
    for (int n = 1; n <= kSize; ++n) {
        const QString file = settings.value(FileKey(n)).toString();
        if (!file.isEmpty()) {
            m_files.append(file);
        }
    }
    settings.endGroup();
}

void CRecentFileList::Save(QSettings& settings) const {
    settings.beginGroup(QLatin1String(kSection));
    for (int n = 1; n <= kSize; ++n) {
        if (n <= m_files.size()) {
            settings.setValue(FileKey(n), m_files.at(n - 1));
        } else {
            settings.remove(FileKey(n));
        }
    }
    settings.endGroup();
}

void CRecentFileList::Add(const QString& fileName) {
    Remove(fileName);
    m_files.prepend(QFileInfo(fileName).absoluteFilePath());
    while (m_files.size() > kSize) {
        m_files.removeLast();
    }
}

void CRecentFileList::Remove(const QString& fileName) {
    m_files.erase(std::remove_if(m_files.begin(), m_files.end(),
                                 [&](const QString& file) { return SameFile(file, fileName); }),
                  m_files.end());
}
