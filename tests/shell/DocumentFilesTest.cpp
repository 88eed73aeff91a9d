// The drawings' files as the main window handles them: opening, saving, quitting, the tabs.

#include "ChildFrame.h"
#include "ExGeneralParts.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "KORVNEXDocMgr.h"
#include "MainFrame.h"
#include "QtAppServices.h"
#include "support/ModalAnswerer.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"
#include "support/TestSettings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QByteArray Bytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A drawing of two parts on disk.
void WriteTwoParts(const QString& fileName) {
    CKORVANEXDoc doc;
    for (const int x : {100000, 300000}) {
        auto part = std::make_unique<CExGeneralParts>();
        const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
        part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
        part->SetPartsCode(70101);
        part->SetPosition(x, 100000);
        part->UpdateParts();
        doc.AddElement(std::move(part));
    }
    QVERIFY(doc.OnSaveDocument(QFileInfo(fileName).filesystemAbsoluteFilePath()));
}

void WriteEmptyDrawing(const QString& fileName) {
    CKORVANEXDoc doc;
    QVERIFY(doc.OnSaveDocument(QFileInfo(fileName).filesystemAbsoluteFilePath()));
}

QString LastMessage(const RecordingServices& services) {
    return services.Messages().empty() ? QString()
                                       : QString::fromStdString(services.Messages().back().text);
}

} // namespace

class DocumentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseOwnTestSettings("QUILLPLAN-FILES-TEST"); }
    void cleanupTestCase() { QSettings().clear(); }

    void aDrawingReadInPartKeepsItsFileUntilTheUserNamesWhereToSave() {
        QTemporaryDir folder;
        const QString damaged = folder.filePath(QStringLiteral("damaged.qlp"));
        WriteTwoParts(damaged);
        QByteArray bytes = Bytes(damaged);
        bytes.chop(1);
        WriteBytes(damaged, bytes);

        CMainFrame frame;
        frame.show();
        RecordingServices services;
        CChildFrame* child = frame.OpenDocument(damaged);
        QVERIFY(child);
        QCOMPARE(child->Document().GetElementCount(), 1u);
        QCOMPARE(LastMessage(services),
                 QStringLiteral("図面を途中までしか読み込めませんでした。読み込めた部品は 1 "
                                "個です。\n%1\n元のファイルを上書きしないよう、最初の保存では保存"
                                "先をお聞きします。")
                     .arg(damaged));

        child->Document().SetModifiedFlag();
        {
            ModalAnswerer answerer;
            QVERIFY(!child->Save());
            QCOMPARE(answerer.FileDialogs(), 1);
        }
        QCOMPARE(Bytes(damaged), bytes);

        const QString repaired = folder.filePath(QStringLiteral("repaired.qlp"));
        ModalAnswerer answerer;
        answerer.Files({repaired});
        QVERIFY(child->Save());
        QCOMPARE(child->FileName(), repaired);
        QCOMPARE(Bytes(damaged), bytes);
        QVERIFY(child->Save());
        QCOMPARE(answerer.FileDialogs(), 1);
    }

    void savingOntoADrawingOpenInAnotherTabIsRefused() {
        QTemporaryDir folder;
        const QString open = folder.filePath(QStringLiteral("open.qlp"));
        QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("sub"))));
        QVERIFY(QFile::link(open, folder.filePath(QStringLiteral("link.qlp"))));
        CMainFrame frame;
        frame.show();
        RecordingServices services;
        CChildFrame* first = frame.NewDocument();
        QVERIFY(first->SaveTo(open));
        const QByteArray saved = Bytes(open);
        CChildFrame* second = frame.NewDocument();
        for (const char* name : {"open.qlp", "sub/../open.qlp", "link.qlp"}) {
            QVERIFY2(!second->SaveTo(folder.filePath(QLatin1String(name))), name);
            QCOMPARE(LastMessage(services),
                     QStringLiteral("同じファイル名のファイルは開けません。"));
        }
        {
            // As the user does it: the dialog asks before replacing, then the drawing is refused.
            ModalAnswerer answerer;
            answerer.Buttons({QMessageBox::Yes}).Files({open});
            QVERIFY(!second->SaveAs());
            QCOMPARE(answerer.FileDialogs(), 1);
        }
        QCOMPARE(services.Messages().size(), 4u);
        QVERIFY(second->FileName().isEmpty());
        QCOMPARE(Bytes(open), saved);
        QVERIFY(first->SaveTo(folder.filePath(QStringLiteral("link.qlp"))));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("link.qlp"))).isSymLink());
    }

    void quittingAsksAboutEachDrawingInFrontAndCancelKeepsThemAll() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (int i = 0; i < 3; ++i) {
            frame.NewDocument()->Document().SetModifiedFlag();
        }
        QStringList inFront;
        ModalAnswerer answerer;
        answerer.Buttons({QMessageBox::No, QMessageBox::Cancel}).OnQuestion([&] {
            inFront.append(frame.TabBar()->tabText(frame.TabBar()->currentIndex()));
        });
        QVERIFY(!frame.close());
        QCOMPARE(answerer.Texts(), (QStringList{QStringLiteral("無題1 への変更を保存しますか?"),
                                                QStringLiteral("無題2 への変更を保存しますか?")}));
        QCOMPARE(inFront, (QStringList{QStringLiteral("無題1"), QStringLiteral("無題2")}));
        QCOMPARE(frame.Children().size(), 3);

        answerer.Buttons({QMessageBox::No, QMessageBox::No, QMessageBox::No});
        QVERIFY(frame.close());
        QCOMPARE(answerer.Texts().size(), 5);
        QTRY_COMPARE(frame.Children().size(), 0);
    }

    void tabsOfDrawingsOfOneNameTellTheirFoldersApart() {
        QTemporaryDir folder;
        QStringList files;
        for (const char* name : {"east/plan.qlp", "west/plan.qlp"}) {
            files.append(folder.filePath(QLatin1String(name)));
            QVERIFY(QDir().mkpath(QFileInfo(files.back()).path()));
            WriteEmptyDrawing(files.back());
        }
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.OpenDocument(files[0]));
        QVERIFY(frame.OpenDocument(files[1]));
        CChildFrame* untitled = frame.NewDocument();
        QTabBar* tabs = frame.TabBar();
        QCOMPARE(tabs->tabText(0), tabs->tabText(1));
        QCOMPARE(tabs->tabToolTip(0), files[0]);
        QCOMPARE(tabs->tabToolTip(1), files[1]);
        QCOMPARE(tabs->tabToolTip(2), QStringLiteral("無題1"));
        const QString saved = folder.filePath(QStringLiteral("north/plan.qlp"));
        QVERIFY(QDir().mkpath(QFileInfo(saved).path()));
        QVERIFY(untitled->SaveTo(saved));
        QCOMPARE(tabs->tabToolTip(2), saved);
        tabs->moveTab(2, 0);
        QVERIFY(untitled->SaveTo(folder.filePath(QStringLiteral("plan.qlp"))));
        QCOMPARE(tabs->tabToolTip(0), folder.filePath(QStringLiteral("plan.qlp")));
        QCOMPARE(tabs->tabToolTip(1), files[0]);
    }

    void failedOpensAndSavesNameTheFileAndTheReason() {
        QTemporaryDir folder;
        const QString text = folder.filePath(QStringLiteral("notes.qlp"));
        WriteBytes(text, "not a drawing at all");
        const QString cut = folder.filePath(QStringLiteral("cut.qlp"));
        WriteEmptyDrawing(cut);
        QByteArray bytes = Bytes(cut);
        bytes.chop(1);
        WriteBytes(cut, bytes);
        CMainFrame frame;
        RecordingServices services;
        const struct {
            QString file;
            const char* reason;
        } cases[] = {
            {folder.filePath(QStringLiteral("missing.qlp")),
             "ファイルまたはフォルダーがありません"},
            {folder.filePath(QStringLiteral("gone/plan.qlp")),
             "ファイルまたはフォルダーがありません"},
            {folder.path(), "ファイルではなくフォルダーです"},
            {text, "クイルプランの図面ではありません"},
            {cut, "図面が壊れています"},
        };
        for (const auto& entry : cases) {
            QVERIFY(!frame.OpenDocument(entry.file));
            QCOMPARE(LastMessage(services),
                     QStringLiteral("ファイル読み込みに失敗しました\n%1（%2）")
                         .arg(entry.file, QString::fromUtf8(entry.reason)));
        }
        CChildFrame* child = frame.NewDocument();
        const QString unsaved = folder.filePath(QStringLiteral("gone/plan.qlp"));
        QVERIFY(!child->SaveTo(unsaved));
        QCOMPARE(
            LastMessage(services),
            QStringLiteral("ファイル保存に失敗しました\n%1（ファイルまたはフォルダーがありません）")
                .arg(unsaved));
        if (::geteuid() != 0) {
            QFile::setPermissions(text, QFileDevice::Permissions());
            QVERIFY(!frame.OpenDocument(text));
            QVERIFY(
                LastMessage(services).endsWith(QStringLiteral("（アクセスする権限がありません）")));
        }
    }

    void aRecentFileThatIsGoneLeavesTheList() {
        QTemporaryDir folder;
        const QString spoilt = folder.filePath(QStringLiteral("spoilt.qlp"));
        const QString gone = folder.filePath(QStringLiteral("gone.qlp"));
        CMainFrame frame;
        RecordingServices services;
        QVERIFY(frame.NewDocument()->SaveTo(spoilt));
        QVERIFY(frame.NewDocument()->SaveTo(gone));
        for (CChildFrame* child : frame.Children()) {
            child->close();
        }
        QTRY_COMPARE(frame.Children().size(), 0);
        // The menu's entries of before are gone once the events have run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WriteBytes(spoilt, "spoilt");
        QVERIFY(QFile::remove(gone));
        QCOMPARE(frame.RecentFiles().Files(), (QStringList{gone, spoilt}));

        frame.Action(QStringLiteral("recentFile2"))->trigger();
        QVERIFY(
            LastMessage(services).startsWith(QStringLiteral("ファイル読み込みに失敗しました\n")));
        QCOMPARE(frame.RecentFiles().Files(), (QStringList{gone, spoilt}));
        frame.Action(QStringLiteral("recentFile1"))->trigger();
        QCOMPARE(LastMessage(services),
                 QStringLiteral(
                     "ファイル読み込みに失敗しました\n%1（ファイルまたはフォルダーがありません）")
                     .arg(gone));
        QCOMPARE(frame.RecentFiles().Files(), QStringList{spoilt});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(frame.Action(QStringLiteral("recentFile1"))->text(),
                 QStringLiteral("&1 %1").arg(spoilt));
    }

    void messagesShowFileNamesAsTheyAre() {
        CQtAppServices services;
        ModalAnswerer answerer;
        Qt::TextFormat format = Qt::AutoText;
        answerer.Buttons({QMessageBox::Ok}).OnQuestion([&] {
            format = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->textFormat();
        });
        services.MessageBox("ファイル読み込みに失敗しました\n/tmp/<b>plan</b>.qlp",
                            ExMessageIcon::Stop, ExMessageButtons::Ok);
        QCOMPARE(answerer.Texts(), QStringList{QStringLiteral(
                                       "ファイル読み込みに失敗しました\n/tmp/<b>plan</b>.qlp")});
        QCOMPARE(format, Qt::PlainText);
    }

    // The offscreen platform of the tests starts no browser.
    void withoutABrowserTheManualIsNamed() {
        QVERIFY(QFileInfo::exists(CMainFrame::ManualFile()));
        CMainFrame frame;
        RecordingServices services;
        frame.OnHelpContents();
        QCOMPARE(LastMessage(services),
                 QStringLiteral("マニュアルを表示するブラウザを起動できませんでした。\n%1")
                     .arg(QFileInfo(CMainFrame::ManualFile()).absoluteFilePath()));
    }
};

QTEST_MAIN(DocumentFilesTest)
#include "DocumentFilesTest.moc"
