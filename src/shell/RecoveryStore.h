#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class CKORVANEXDoc;

// Copies of modified drawings kept in the user's data folder, so that unsaved work survives a
// crash or a killed session. Each open drawing has its own entry: the copy and a note of what it
// was (its file, or its title when untitled) and when it was written. Both are written safely;
// the drawing's own file and its unsaved mark are never touched.
class CRecoveryStore {
public:
    struct Entry {
        QString id;
        QString copy;     // the copied drawing
        QString fileName; // the drawing's own file; empty for an untitled drawing
        QString title;
        QDateTime saved;
    };

    explicit CRecoveryStore(QString folder = DefaultFolder());

    // "recovery" in the program's folder of the user's data.
    static QString DefaultFolder();
    const QString& Folder() const { return m_strFolder; }

    // Writes the drawing's copy and note under the id; false when either could not be written.
    bool Write(const QString& id, CKORVANEXDoc& doc, const QString& fileName,
               const QString& title) const;
    void Remove(const QString& id) const;
    // The entries whose copy is there, the newest first.
    QList<Entry> Entries() const;

private:
    QString CopyOf(const QString& id) const;
    QString NoteOf(const QString& id) const;

    QString m_strFolder;
};
