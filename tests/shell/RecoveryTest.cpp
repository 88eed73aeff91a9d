// Recovering unsaved work: the copies kept of modified drawings and the drawings restored from
// them after a session that ended without closing.

#include "ChildFrame.h"
#include "KORVANEXDoc.h"
#include "MainFrame.h"
#include "RecoveryStore.h"
#include "support/PlacedParts.h"
#include "support/TestSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {

// A modified drawing of one part in a new window of the frame.
CChildFrame* NewModifiedDrawing(CMainFrame& frame) {
    CChildFrame* child = frame.NewDocument();
    AddGeneralPart(child->Document(), {500000, 500000}, 100000);
    child->Document().SetModifiedFlag();
    return child;
}

// Copies every file of a folder into another, as a killed session leaves them behind.
void CopyFiles(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
    }
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        UseOwnTestSettings("QUILLPLAN-RECOVERY-TEST");
        QDir(CRecoveryStore::DefaultFolder()).removeRecursively();
    }

    void theStoreKeepsACopyAndANoteAndLeavesTheDrawingAlone() {
        QTemporaryDir folder;
        const CRecoveryStore store(folder.filePath(QStringLiteral("recovery")));
        CKORVANEXDoc doc;
        AddGeneralPart(doc, {500000, 500000}, 100000);
        doc.SetModifiedFlag();
        QVERIFY(store.Write(QStringLiteral("a"), doc, QStringLiteral("/plans/事務所.qlp"),
                            QStringLiteral("事務所")));
        QVERIFY(doc.IsModified());
        // Notes without their copy, or not notes at all, are passed over.
        QFile(store.Folder() + QStringLiteral("/b.json")).open(QIODevice::WriteOnly);
        QFile garbage(store.Folder() + QStringLiteral("/c.json"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not json");
        garbage.close();
        QFile::copy(store.Folder() + QStringLiteral("/a.qlp"),
                    store.Folder() + QStringLiteral("/c.qlp"));

        const QList<CRecoveryStore::Entry> entries = store.Entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].fileName, QStringLiteral("/plans/事務所.qlp"));
        QCOMPARE(entries[0].title, QStringLiteral("事務所"));
        QVERIFY(qAbs(entries[0].saved.secsTo(QDateTime::currentDateTime())) < 60);
        CKORVANEXDoc copy;
        QVERIFY(copy.OnOpenDocument(QFileInfo(entries[0].copy).filesystemAbsoluteFilePath()));
        QCOMPARE(copy.GetElementCount(), std::size_t(1));

        store.Remove(QStringLiteral("a"));
        QVERIFY(store.Entries().isEmpty());
        QVERIFY(!QFile::exists(store.Folder() + QStringLiteral("/a.qlp")));
    }

    void aDrawingLeftByAKilledSessionIsRestoredModifiedAndNamed() {
        QTemporaryDir left;
        QTemporaryDir files;
        const QString plan = files.filePath(QStringLiteral("plan.qlp"));
        {
            CMainFrame frame;
            NewModifiedDrawing(frame);
            CChildFrame* named = NewModifiedDrawing(frame);
            QVERIFY(named->SaveTo(plan));
            AddGeneralPart(named->Document(), {900000, 500000}, 100000);
            named->Document().SetModifiedFlag();
            frame.KeepRecoveryCopies();
            QCOMPARE(frame.Recovery().Entries().size(), 2);
            // What a killed session leaves behind: the frame below closes as it would not.
            CopyFiles(frame.Recovery().Folder(), left.path());
        }
        CopyFiles(left.path(), CRecoveryStore().Folder());

        CMainFrame frame;
        const QList<CRecoveryStore::Entry> entries = frame.Recovery().Entries();
        QCOMPARE(entries.size(), 2);
        const QList<CChildFrame*> restored = frame.RestoreRecovered(entries);
        QCOMPARE(restored.size(), 2);
        for (CChildFrame* child : restored) {
            QVERIFY(child->Document().IsModified());
            QVERIFY2(!child->History().isClean(), "undo never reaches the file");
        }
        CChildFrame* untitled = restored[0]->FileName().isEmpty() ? restored[0] : restored[1];
        CChildFrame* named = untitled == restored[0] ? restored[1] : restored[0];
        QCOMPARE(named->FileName(), plan);
        QCOMPARE(named->Title(), QStringLiteral("plan"));
        QCOMPARE(named->Document().GetElementCount(), std::size_t(2));
        QVERIFY(untitled->Title().startsWith(QStringLiteral("無題")));
        QCOMPARE(untitled->Document().GetElementCount(), std::size_t(1));
        // A new drawing does not take the restored one's number.
        QVERIFY(frame.NewDocument()->Title() != untitled->Title());
    }

    void savingOrClosingADrawingRemovesItsCopy() {
        QTemporaryDir folder;
        CMainFrame frame;
        CChildFrame* child = NewModifiedDrawing(frame);
        frame.KeepRecoveryCopies();
        QCOMPARE(frame.Recovery().Entries().size(), 1);
        QVERIFY(child->SaveTo(folder.filePath(QStringLiteral("plan.qlp"))));
        QVERIFY(frame.Recovery().Entries().isEmpty());

        child->Document().SetModifiedFlag();
        frame.KeepRecoveryCopies();
        QCOMPARE(frame.Recovery().Entries().size(), 1);
        child->CloseAnswered();
        QTRY_VERIFY(frame.Recovery().Entries().isEmpty());
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
