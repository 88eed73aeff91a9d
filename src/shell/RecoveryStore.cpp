#include "RecoveryStore.h"

#include "KORVANEXDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <system_error>

namespace {

constexpr const char* kNoteSuffix = ".json";
// A note is a few hundred bytes; anything much larger is not one of ours.
constexpr qint64 kMaxNoteBytes = 64 * 1024;

} // namespace

CRecoveryStore::CRecoveryStore(QString folder) : m_strFolder(std::move(folder)) {}

QString CRecoveryStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

QString CRecoveryStore::CopyOf(const QString& id) const {
    return m_strFolder + QLatin1Char('/') + id + QStringLiteral(".qlp");
}

QString CRecoveryStore::NoteOf(const QString& id) const {
    return m_strFolder + QLatin1Char('/') + id + QLatin1String(kNoteSuffix);
}

bool CRecoveryStore::Write(const QString& id, CKORVANEXDoc& doc, const QString& fileName,
                           const QString& title) const {
    if (!QDir().mkpath(m_strFolder)) {
        return false;
    }
    std::error_code error;
    if (!doc.WriteCopy(QFileInfo(CopyOf(id)).filesystemAbsoluteFilePath(), error)) {
        return false;
    }
    QJsonObject note;
    note.insert(QStringLiteral("fileName"), fileName);
    note.insert(QStringLiteral("title"), title);
    note.insert(QStringLiteral("saved"), QDateTime::currentDateTime().toString(Qt::ISODate));
    QSaveFile file(NoteOf(id));
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(note).toJson()) >= 0 &&
           file.commit();
}

void CRecoveryStore::Remove(const QString& id) const {
    QFile::remove(NoteOf(id));
    QFile::remove(CopyOf(id));
}

QList<CRecoveryStore::Entry> CRecoveryStore::Entries() const {
    QList<Entry> entries;
    const QDir folder(m_strFolder);
    for (const QFileInfo& info :
         folder.entryInfoList({QStringLiteral("*") + QLatin1String(kNoteSuffix)}, QDir::Files)) {
        Entry entry;
        entry.id = info.completeBaseName();
        entry.copy = CopyOf(entry.id);
        QFile file(info.filePath());
        if (!QFileInfo::exists(entry.copy) || info.size() > kMaxNoteBytes ||
            !file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QJsonObject note = QJsonDocument::fromJson(file.readAll()).object();
        entry.fileName = note.value(QStringLiteral("fileName")).toString();
        entry.title = note.value(QStringLiteral("title")).toString();
        entry.saved =
            QDateTime::fromString(note.value(QStringLiteral("saved")).toString(), Qt::ISODate);
        if (entry.title.isEmpty()) {
            continue;
        }
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.saved > b.saved; });
    return entries;
}
