#include "MainFrame.h"
#include "ChildFrame.h"
#include "ExParts.h"
#include "ExSplashDlg.h"
#include "KORVANEXView.h"
#include "KORVNEXDocMgr.h"
#include "ProgramFolders.h"
#include "SingleInstance.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"
#include "support/TestSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>

namespace {

// What the menu under a zoom button's arrow offers as it opens.
QStringList ZoomMenuTexts(const CMainFrame& frame, const char* button) {
    auto* tool =
        qobject_cast<QToolButton*>(frame.ToolBar(QStringLiteral("Norm"))
                                       ->widgetForAction(frame.Action(QLatin1String(button))));
    QMenu* menu = tool ? tool->menu() : nullptr;
    if (!menu) {
        return {QStringLiteral("no menu")};
    }
    emit menu->aboutToShow();
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator()) {
            texts.append(action->text());
        }
    }
    return texts;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseOwnTestSettings("QUILLPLAN-TEST"); }

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
            {"viewSnap", "スナップ", QKeySequence()},
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
        // Snapping is the program's, off until switched on, whichever drawing is active.
        QVERIFY(!frame.Action(QStringLiteral("viewSnap"))->isChecked());
        frame.Action(QStringLiteral("viewSnap"))->trigger();
        QCOMPARE(frame.DrawingDefaults().snap, 1);
        frame.Action(QStringLiteral("wiringView"))->trigger();
        QCOMPARE(second->Document().GetViewMode(), excommand::kWiringView);
        QVERIFY(frame.Action(QStringLiteral("viewSnap"))->isChecked());
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
                 QStringLiteral("ファイル読み込みに失敗しました\n/nowhere/none.qlp（ファイル"
                                "またはフォルダーがありません）"));
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

    void openingUntitledSevenRaisesTheRunningNumber() {
        QTemporaryDir folder;
        RecordingServices services;
        for (const char* name : {"無題7.qlp", "無題07.qlp"}) {
            CKORVANEXDoc doc;
            QVERIFY(doc.OnSaveDocument(QDir(folder.path()).filesystemAbsolutePath() /
                                       std::filesystem::path(name)));
        }
        CMainFrame frame;
        frame.NewDocument();
        frame.NewDocument();
        frame.NewDocument();
        QCOMPARE(frame.DocumentNumber(), 3);
        QVERIFY(frame.OpenDocument(folder.filePath(QStringLiteral("無題07.qlp"))));
        QCOMPARE(frame.DocumentNumber(), 3);
        QVERIFY(frame.OpenDocument(folder.filePath(QStringLiteral("無題7.qlp"))));
        QCOMPARE(frame.DocumentNumber(), 7);
        QCOMPARE(frame.NewDocument()->Title(), QStringLiteral("無題8"));
    }

    void eachDrawingHasATabNamedByItsTitle() {
        QTemporaryDir folder;
        RecordingServices services;
        CMainFrame frame;
        frame.show();
        CChildFrame* first = frame.NewDocument();
        CChildFrame* second = frame.NewDocument();
        QCOMPARE(frame.TabBar()->count(), 2);
        QCOMPARE(frame.FindTab(QStringLiteral("無題1")), 0);
        QCOMPARE(frame.FindTab(QStringLiteral("無題2.qlp")), 1);
        QCOMPARE(frame.FindTab(QStringLiteral("無題3")), -1);
        frame.ActivateTab(0);
        QCOMPARE(frame.ActiveChild(), first);
        QVERIFY(second->SaveTo(folder.filePath(QStringLiteral("事務所.qlp"))));
        QCOMPARE(frame.TabBar()->tabText(1), QStringLiteral("事務所"));
        QCOMPARE(frame.FindTab(QStringLiteral("事務所.qlp")), 1);
    }

    void namesFromTheShellAreUnquotedAndBounded() {
        QCOMPARE(OpenFileName(QStringLiteral("\"/tmp/a b.qlp\"")), QStringLiteral("/tmp/a b.qlp"));
        QCOMPARE(UntitledNumber(QStringLiteral("無題12")), 12);
        QCOMPARE(UntitledNumber(QStringLiteral("無題07")), 0);
        QCOMPARE(UntitledNumber(QStringLiteral("無題")), 0);
        QCOMPARE(UntitledNumber(QStringLiteral("無題7a")), 0);
        QCOMPARE(UntitledNumber(QStringLiteral("題7")), 0);
        QVERIFY(!IsFileNameTooLong(QStringLiteral("/tmp/plan.qlp")));
        QVERIFY(IsFileNameTooLong(QStringLiteral("/tmp/") + QString(300, QLatin1Char('a'))));
        QString deep;
        for (int i = 0; i < 100; ++i) {
            deep += QStringLiteral("/") + QString(50, QLatin1Char('d'));
        }
        QVERIFY(IsFileNameTooLong(deep));
        QCOMPARE(FileArguments({QStringLiteral("quillplan"), QStringLiteral("-style"),
                                QStringLiteral("a.qlp")}),
                 QStringList{QStringLiteral("a.qlp")});
    }

    void aSecondLaunchHandsItsFilesToTheRunningProgram() {
        const QString key =
            QStringLiteral("quillplan-test-%1").arg(QCoreApplication::applicationPid());
        CSingleInstance running(key);
        CSingleInstance later(key);
        QVERIFY(!later.SendToRunning({QStringLiteral("/tmp/x.qlp")}));
        QVERIFY(running.Listen());
        QSignalSpy received(&running, &CSingleInstance::filesReceived);
        QVERIFY(later.SendToRunning({QStringLiteral("/tmp/x.qlp"), QStringLiteral("/tmp/y.qlp")}));
        QVERIFY(received.wait(3000));
        QCOMPARE(received.front().at(0).toStringList(),
                 (QStringList{QStringLiteral("/tmp/x.qlp"), QStringLiteral("/tmp/y.qlp")}));
    }

    void theToolBarsAndPanelsComeBackAsTheyWereLeft() {
        QSettings().clear();
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QCOMPARE(frame.ToolBar(QStringLiteral("Norm"))->iconSize(), QSize(32, 32));
            QCOMPARE(frame.ToolBar(QStringLiteral("Norm"))->toolButtonStyle(),
                     Qt::ToolButtonTextUnderIcon);
            frame.Action(QStringLiteral("smallIcons"))->trigger();
            frame.Action(QStringLiteral("toolBarCaptions"))->trigger();
            frame.ToolBar(QStringLiteral("Face"))->hide();
            frame.addToolBar(Qt::LeftToolBarArea, frame.ToolBar(QStringLiteral("Copy")));
            frame.addDockWidget(Qt::RightDockWidgetArea, &frame.ThumbnailPanel());
            QVERIFY(frame.close());
        }
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("ToolBarState/BarFace-Visible")).toInt(), 0);
        QCOMPARE(settings.value(QStringLiteral("ToolBarState/IconType")).toInt(), 0);
        QCOMPARE(settings.value(QStringLiteral("ToolBarState/BottomName")).toInt(), 0);
        QVERIFY(settings.contains(QStringLiteral("ControlState/Layout")));

        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.ToolBar(QStringLiteral("Norm"))->iconSize(), QSize(16, 16));
        QCOMPARE(frame.ToolBar(QStringLiteral("Norm"))->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QVERIFY(frame.ToolBar(QStringLiteral("Face"))->isHidden());
        QVERIFY(!frame.ToolBar(QStringLiteral("Norm"))->isHidden());
        QCOMPARE(frame.toolBarArea(frame.ToolBar(QStringLiteral("Copy"))), Qt::LeftToolBarArea);
        QCOMPARE(frame.dockWidgetArea(&frame.ThumbnailPanel()), Qt::RightDockWidgetArea);
        QVERIFY(frame.Action(QStringLiteral("smallIcons"))->isChecked());
        QVERIFY(!frame.Action(QStringLiteral("smallIcons"))->isEnabled());
        QVERIFY(frame.Action(QStringLiteral("largeIcons"))->isEnabled());
        QVERIFY(!frame.Action(QStringLiteral("toolBarCaptions"))->isChecked());
        QSettings().clear();
    }

    void commandsOfLaterToolsAndOfTheSelectionArePresentButDisabled() {
        CMainFrame frame;
        frame.NewDocument();
        // Properties with nothing selected says so rather than staying grey.
        QVERIFY(frame.Action(QStringLiteral("imageImport"))->isEnabled());
        QVERIFY(frame.Action(QStringLiteral("partsProperties"))->isEnabled());
        for (const char* name : {"partsDelete", "bringToFront", "copyParts"}) {
            QAction* action = frame.Action(QLatin1String(name));
            QVERIFY2(action, name);
            QVERIFY2(!action->isEnabled(), name);
        }
        QCOMPARE(frame.Action(QStringLiteral("drawSettings"))->text(),
                 QStringLiteral("作図環境設定..."));
        QVERIFY(frame.Action(QStringLiteral("partsListLayout"))->isEnabled());
        QVERIFY(!frame.Action(QStringLiteral("helpHomePage"))->isVisible());
    }

    void theAreaNoticeComesFirstUntilTurnedOffAndASecondPressGivesAToolUp() {
        CMainFrame frame;
        frame.NewDocument();
        frame.SetAreaAttention(true);
        CKORVANEXView* view = frame.ActiveView();
        QAction* area = frame.Action(QStringLiteral("areaTool"));
        int notices = 0;
        auto answerNotice = [&] {
            auto* notice = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(notice);
            ++notices;
            QCOMPARE(notice->windowTitle(), QStringLiteral("注意"));
            notice->findChild<QCheckBox*>(QStringLiteral("dontShow"))->setChecked(true);
            notice->accept();
        };
        QTimer::singleShot(50, answerNotice);
        area->trigger();
        QCOMPARE(notices, 1);
        QVERIFY(!frame.AreaAttention());
        QCOMPARE(view->GetEditState(), 3);
        QVERIFY(area->isChecked());
        area->trigger();
        QCOMPARE(view->ArmedTool(), nullptr);
        QVERIFY(!area->isChecked());
        area->trigger();
        QCOMPARE(notices, 1);
        QCOMPARE(view->GetEditState(), 3);

        // The ruler takes over from the area, and a second press of it gives it up.
        QAction* ruler = frame.Action(QStringLiteral("rulerTool"));
        ruler->trigger();
        QCOMPARE(view->GetEditState(), 2);
        QVERIFY(!area->isChecked());
        ruler->trigger();
        QCOMPARE(view->GetEditState(), 0);
    }

    void theVertexButtonTakesOneOrNoPartAndTheVertexCommandExactlyOne() {
        CMainFrame frame;
        frame.NewDocument();
        CKORVANEXView* view = frame.ActiveView();
        CKORVANEXDoc& doc = view->Document();
        QAction* button = frame.Action(QStringLiteral("vertexTool"));
        QAction* command = frame.Action(QStringLiteral("vertexEdit"));
        QCOMPARE(command->text(), QStringLiteral("頂点編集"));
        const struct {
            int selected;
            bool buttonOn;
            bool commandOn;
        } cases[] = {{0, true, false}, {1, true, true}, {2, false, false}};
        for (const auto& c : cases) {
            doc.Selection().Clear();
            for (int i = 0; i < c.selected; ++i) {
                doc.Selection().Add(doc.AddElement(std::make_unique<CExParts>()));
            }
            frame.UpdateCommandStates();
            QCOMPARE(button->isEnabled(), c.buttonOn);
            QCOMPARE(command->isEnabled(), c.commandOn);
        }
        doc.Selection().Clear();
        frame.UpdateCommandStates();
        button->trigger();
        QCOMPARE(doc.GetEditTool(), excommand::kVertexTool);
        QCOMPARE(view->GetEditState(), 6);
        QVERIFY(button->isChecked());
        QVERIFY(!frame.Action(QStringLiteral("selectTool"))->isChecked());
    }

    void aDrawingFileDroppedOnTheWindowOpens() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("dropped.qlp"));
        {
            CKORVANEXDoc doc;
            QVERIFY(doc.OnSaveDocument(QFileInfo(file).filesystemAbsoluteFilePath()));
        }
        CMainFrame frame;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &drop);
        QCOMPARE(frame.Children().size(), 1);
        QCOMPARE(frame.Children().front()->Title(), QStringLiteral("dropped"));
    }

    void closingAModifiedDrawingAsksFirst() {
        CMainFrame frame;
        frame.show();
        CChildFrame* child = frame.NewDocument();
        child->Document().SetModifiedFlag();
        QString asked;
        QMessageBox::StandardButton answer = QMessageBox::Cancel;
        QTimer responder;
        connect(&responder, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(answer)->click();
            }
        });
        responder.start(20);
        QVERIFY(!child->close());
        QCOMPARE(asked, QStringLiteral("無題1 への変更を保存しますか?"));
        QCOMPARE(frame.Children().size(), 1);
        answer = QMessageBox::No;
        QVERIFY(child->close());
        QTRY_COMPARE(frame.Children().size(), 0);
    }

    void theTitleMarksUnsavedChanges() {
        QTemporaryDir folder;
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CChildFrame* child = frame.NewDocument();
        QCOMPARE(frame.windowTitle(), QStringLiteral("クイルプラン - 無題1[*]"));
        QVERIFY(!frame.isWindowModified());
        CExParts prototype;
        const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
        prototype.LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
        prototype.SetPartsCode(70101);
        QWidget* viewport = child->View().viewport();
        QTRY_VERIFY(child->View().DropLibraryPart(
            prototype, viewport->mapToGlobal(viewport->rect().center())));
        QVERIFY(frame.isWindowModified());
        QVERIFY(child->SaveTo(folder.filePath(QStringLiteral("marked.qlp"))));
        QVERIFY(!frame.isWindowModified());
        QCOMPARE(frame.windowTitle(), QStringLiteral("クイルプラン - marked[*]"));
    }

    void confirmedDrawingSettingsReachEveryOpenDrawing() {
        CMainFrame frame;
        frame.show();
        CChildFrame* first = frame.NewDocument();
        CChildFrame* second = frame.NewDocument();
        QTRY_VERIFY(first->View().Grid().smallInterval.x > 0);
        QTRY_VERIFY(second->View().Grid().smallInterval.x > 0);
        QTimer responder;
        connect(&responder, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                auto* interval = dialog->findChild<QSpinBox*>(QStringLiteral("gridBigIntervalX"));
                interval->setValue(120);
                dialog->accept();
            }
        });
        responder.start(20);
        frame.Action(QStringLiteral("drawSettings"))->trigger();
        QCOMPARE(frame.DrawingDefaults().gridBigIntervalXCm, 120);
        QCOMPARE(frame.ActiveChild(), second);
        QCOMPARE(second->View().Grid().smallInterval.x, 120000);
        QCOMPARE(first->View().Grid().smallInterval.x, 120000);
    }

    void theZoomArrowsOfferThePresetsTowardsTheirDirection() {
        CMainFrame frame;
        frame.show();
        CKORVANEXView& view = frame.NewDocument()->View();
        const QStringList all = {
            QStringLiteral("1/500"), QStringLiteral("1/200"), QStringLiteral("1/150"),
            QStringLiteral("1/125"), QStringLiteral("1/100"), QStringLiteral("1/75"),
            QStringLiteral("1/50"),  QStringLiteral("1/25"),  QStringLiteral("1/10")};
        const QString typed = QStringLiteral("指定する");
        const struct {
            int preset; // 0: the divisor is typed
            int zoom;
            QStringList in;
            QStringList out;
        } cases[] = {
            {6, 100, QStringList{typed} + all.mid(4), all.mid(0, 5)},
            {2, 500, QStringList{typed} + all, all.mid(0, 1)},
            {10, 10, QStringList{typed} + all.mid(8), all},
            {0, 120, QStringList{typed} + all.mid(4), all.mid(0, 4)},
            {0, 1000, QStringList{typed} + all, {}},
            {0, 12, QStringList{typed} + all.mid(8), all.mid(0, 8)},
        };
        for (const auto& entry : cases) {
            if (entry.preset) {
                view.OnZoomPreset(entry.preset);
            } else {
                view.ApplyTypedZoom(entry.zoom);
            }
            QCOMPARE(view.GetZoom(), entry.zoom);
            QCOMPARE(ZoomMenuTexts(frame, "zoomIn"), entry.in);
            QCOMPARE(ZoomMenuTexts(frame, "zoomOut"), entry.out);
        }
    }

    void withoutDrawingsTheWindowShowsNoneAndItsDrawingCommandsAreOff() {
        const char* drawingCommands[] = {
            "fileSave", "fileBitmap", "fileExport", "filePrint",  "filePrintPreview", "zoomIn",
            "zoomOut",  "mapSize",    "selectTool", "layoutView", "wiringView"};
        const auto verifyNoDrawing = [&](const CMainFrame& frame) {
            QCOMPARE(frame.windowTitle(), QStringLiteral("クイルプラン"));
            QCOMPARE(frame.ZoomIndicatorText(), QString());
            for (const char* name : drawingCommands) {
                QVERIFY2(!frame.Action(QLatin1String(name))->isEnabled(), name);
            }
        };
        // Drawings opened before the window shows (as the command line opens them) and after,
        // closed with the close buttons of their tabs.
        for (const auto& [drawings, beforeShown] :
             {std::pair{1, true}, std::pair{2, true}, std::pair{1, false}, std::pair{2, false}}) {
            CMainFrame frame;
            verifyNoDrawing(frame);
            for (int i = 0; i < drawings && beforeShown; ++i) {
                frame.NewDocument();
            }
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            for (int i = 0; i < drawings && !beforeShown; ++i) {
                frame.NewDocument();
            }
            QCOMPARE(frame.ZoomIndicatorText(), QStringLiteral("1/100"));
            for (const char* name : drawingCommands) {
                QVERIFY2(frame.Action(QLatin1String(name))->isEnabled(), name);
            }
            for (int i = 0; i < drawings; ++i) {
                QTabBar* tabs = frame.TabBar();
                qobject_cast<QAbstractButton*>(tabs->tabButton(0, QTabBar::RightSide))->click();
            }
            verifyNoDrawing(frame);
            QTRY_VERIFY(frame.Children().isEmpty());
            verifyNoDrawing(frame);
        }
    }

    void logFolderIsWritable() {
        const QString folder = LogFolder();
        QVERIFY(QDir(folder).exists());
        QVERIFY(QFileInfo(folder).isWritable());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
