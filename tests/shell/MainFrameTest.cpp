#include "MainFrame.h"
#include "ChildFrame.h"
#include "ExSplashDlg.h"
#include "KORVANEXView.h"
#include "ProgramFolders.h"
#include "support/RecordingServices.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("KARDO WORKS"));
        QCoreApplication::setApplicationName(QStringLiteral("QUILLPLAN-TEST"));
        QSettings().clear();
    }

    void mainWindowCarriesTheProgramName() {
        CMainFrame frame;
        QCOMPARE(frame.windowTitle(), QStringLiteral("クイルプラン"));
        QVERIFY(frame.centralWidget() != nullptr);
    }

    void theMenusCarryTheirTextsAndShortcuts() {
        CMainFrame frame;
        const struct {
            const char* name;
            const char* text;
            QKeySequence shortcut;
        } expected[] = {
            {"fileNew", "新規作成(&N)", QKeySequence(Qt::CTRL | Qt::Key_N)},
            {"fileOpen", "開く(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"fileClose", "閉じる(&C)", QKeySequence()},
            {"fileSaveAs", "名前を付けて保存(&A)...", QKeySequence()},
            {"fileSave", "上書き保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"fileBitmap", "ビットマップ保存(&B)", QKeySequence(Qt::CTRL | Qt::Key_B)},
            {"appExit", "アプリケーションの終了(&X)", QKeySequence()},
            {"viewGrid", "グリッド", QKeySequence()},
            {"viewMeasure", "定規", QKeySequence()},
            {"viewArea", "面積", QKeySequence()},
            {"zoomIn", "図面拡大", QKeySequence()},
            {"zoomOut", "図面縮小", QKeySequence()},
            {"zoomDialog", "指定する", QKeySequence()},
            {"zoomPreset2", "1/500", QKeySequence()},
            {"zoomPreset10", "1/10", QKeySequence()},
            {"mapSize", "図面サイズ変更...", QKeySequence()},
        };
        for (const auto& entry : expected) {
            QAction* action = frame.Action(QLatin1String(entry.name));
            QVERIFY2(action, entry.name);
            QCOMPARE(action->text(), QString::fromUtf8(entry.text));
            QCOMPARE(action->shortcut(), entry.shortcut);
        }
        QVERIFY(frame.Action(QStringLiteral("recentFiles")));
        QVERIFY(!frame.Action(QStringLiteral("recentFiles"))->isEnabled());
        QVERIFY(!frame.Action(QStringLiteral("fileSave"))->isEnabled());
    }

    void newDrawingsAreNumberedAndShowTheirZoom() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CChildFrame* first = frame.NewDocument();
        CChildFrame* second = frame.NewDocument();
        QCOMPARE(first->Title(), QStringLiteral("無題1"));
        QCOMPARE(second->Title(), QStringLiteral("無題2"));
        QCOMPARE(frame.ActiveChild(), second);
        QCOMPARE(frame.ZoomIndicatorText(), QStringLiteral("1/100"));
        QVERIFY(frame.Action(QStringLiteral("fileSave"))->isEnabled());
        QVERIFY(frame.Action(QStringLiteral("zoomPreset6"))->isChecked());

        frame.Action(QStringLiteral("zoomIn"))->trigger();
        QCOMPARE(frame.ZoomIndicatorText(), QStringLiteral("1/75"));
        QVERIFY(frame.Action(QStringLiteral("zoomPreset7"))->isChecked());
        frame.Action(QStringLiteral("zoomPreset10"))->trigger();
        QVERIFY(!frame.Action(QStringLiteral("zoomIn"))->isEnabled());
        frame.Action(QStringLiteral("viewGrid"))->trigger();
        QVERIFY(!frame.Action(QStringLiteral("viewGrid"))->isChecked());
        frame.Action(QStringLiteral("wiringView"))->trigger();
        QCOMPARE(second->Document().GetViewMode(), excommand::kWiringView);
    }

    void aSavedDrawingReopensAndCannotBeOpenedTwice() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("plan.qlp"));
        {
            CMainFrame frame;
            frame.show();
            CChildFrame* child = frame.NewDocument();
            child->View().OnZoomPreset(8);
            QVERIFY(child->SaveTo(file));
            QCOMPARE(child->Title(), QStringLiteral("plan"));
            QCOMPARE(frame.RecentFiles().Files().value(0), QFileInfo(file).absoluteFilePath());
        }
        CMainFrame frame;
        frame.show();
        RecordingServices services;
        CChildFrame* opened = frame.OpenDocument(file);
        QVERIFY(opened);
        QCOMPARE(opened->Title(), QStringLiteral("plan"));
        QTRY_COMPARE(opened->View().GetZoom(), 50);
        CChildFrame* again = frame.OpenDocument(file);
        QCOMPARE(again, opened);
        QCOMPARE(frame.Children().size(), 1);
        QCOMPARE(QString::fromStdString(services.Messages().back().text),
                 QStringLiteral("同じファイル名のファイルは開けません。"));
    }

    void theCommandLineOpensTheNamedDrawingOrANewOne() {
        CMainFrame frame;
        RecordingServices services;
        frame.ProcessCommandLine(
            {QStringLiteral("quillplan"), QStringLiteral("\"/nowhere/none.qlp\"")});
        QCOMPARE(frame.Children().size(), 1);
        QCOMPARE(frame.Children().front()->Title(), QStringLiteral("無題1"));
        QCOMPARE(QString::fromStdString(services.Messages().back().text),
                 QStringLiteral("ファイル読み込みに失敗しました"));
    }

    void theSettingsAreWrittenAtClose() {
        QSettings().clear();
        {
            CMainFrame frame;
            ExDrawingDefaults defaults = frame.DrawingDefaults();
            defaults.sheetWidthM = 33;
            frame.SetDrawingDefaults(defaults);
            frame.SetAreaAttention(false);
            frame.show();
            QVERIFY(frame.close());
        }
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("AppState/App-sketchMapSize-X")).toInt(), 33);
        QCOMPARE(settings.value(QStringLiteral("AreaAttention/AreaAttentionMsg")).toInt(), 0);
        QVERIFY(settings.contains(QStringLiteral("WindowState/Window-ShowCmd")));
        QVERIFY(settings.contains(QStringLiteral("ToolBarState/BarNorm-Visible")));
        CMainFrame next;
        QCOMPARE(next.DrawingDefaults().sheetWidthM, 33);
        QVERIFY(!next.AreaAttention());
    }

    void theSplashClosesAtTheFirstKeyAndSwallowsIt() {
        QWidget target;
        target.show();
        int keys = 0;
        struct Counter : QObject {
            int& count;
            explicit Counter(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override {
                count += event->type() == QEvent::KeyPress ? 1 : 0;
                return false;
            }
        } counter(keys);
        target.installEventFilter(&counter);
        CExSplashDlg splash;
        QSignalSpy closed(&splash, &CExSplashDlg::closed);
        splash.Start();
        QVERIFY(splash.isVisible());
        QTest::keyClick(&target, Qt::Key_A);
        QVERIFY(!splash.isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(keys, 0);
        QTest::keyClick(&target, Qt::Key_B);
        QCOMPARE(keys, 1);
    }

    void theSplashClosesItselfAfterTwoSeconds() {
        CExSplashDlg splash;
        splash.Start();
        QVERIFY(splash.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 4000);
        QCOMPARE(CExSplashDlg::Picture().size(), QSize(480, 300));
    }

    void logFolderIsWritable() {
        const QString folder = LogFolder();
        QVERIFY(QDir(folder).exists());
        QVERIFY(QFileInfo(folder).isWritable());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
