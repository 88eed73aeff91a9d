#pragma once

// The main window. Its work is spread by concern: MainFrame.cpp (creation, settings, the
// active drawing), MainFrameMenus.cpp (menus and their states), MainFrameToolBars.cpp (tool
// bars and the layout of bars and panels), MainFramePanels.cpp (the library panels, the parts
// list, the drawing settings), MainFrameFiles.cpp (new, open, save, recent files, tabs, the
// command line, dropped files) and MainFrameHelp.cpp (the help menu).

#include "AppSettings.h"
#include "ExPartsTally.h"
#include "ExVecFont.h"
#include "QtAppServices.h"
#include "RecentFileList.h"
#include "RecoveryStore.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <vector>

class CChildFrame;
class CKORVANEXView;
class CPartsCategoryCtrl;
class CPartsThumbnailCtrl;
class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QSettings;
class QTabBar;
class QUndoStack;
class QToolBar;

class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // False when the window could not be made whole (the program's font is missing): the
    // program does not start then.
    bool IsCreated() const { return m_bCreated; }

    // The drawing defaults all views read, and what else the settings store gave.
    const ExDrawingDefaults& DrawingDefaults() const { return m_services.DrawingDefaults(); }
    void SetDrawingDefaults(const ExDrawingDefaults& defaults);
    const std::vector<tagCABLEINFO>& CableKinds() const { return m_services.CableKinds(); }
    bool AreaAttention() const { return m_bAreaAttention; }
    void SetAreaAttention(bool attention) { m_bAreaAttention = attention; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

    // The window placement as it would be stored now.
    ExWindowState CurrentWindowState() const;
    ExToolBarState CurrentToolBarState() const;
    // Writes every section, in the order the program always writes them.
    void SaveSettings(QSettings& settings) const;

    // Drawings.
    CChildFrame* NewDocument();
    // Opens a drawing file; a drawing already open is refused and brought to the front.
    CChildFrame* OpenDocument(const QString& fileName);
    // What the command line asks for: the named drawings, or a new one.
    void ProcessCommandLine(const QStringList& arguments);
    void OpenFiles(const QStringList& fileNames);
    CChildFrame* ActiveChild() const;
    CKORVANEXView* ActiveView() const;
    QList<CChildFrame*> Children() const;
    QString ZoomIndicatorText() const;
    QAction* Action(const QString& name) const;
    QToolBar* ToolBar(const QString& key) const;
    int DocumentNumber() const { return m_nDocumentNumber; }

    // The document tabs: one per drawing, labelled with its title.
    QTabBar* TabBar() const;
    // The tab of a title, matching a file name with the drawing extension too; -1 for none.
    int FindTab(const QString& title) const;
    void ActivateTab(int index);

    CPartsCategoryCtrl& CategoryCtrl() const { return *m_pCategoryCtrl; }
    CPartsThumbnailCtrl& ThumbnailCtrl() const { return *m_pThumbnailCtrl; }
    QDockWidget& CategoryPanel() const { return *m_pCategoryDock; }
    QDockWidget& ThumbnailPanel() const { return *m_pThumbnailDock; }
    // The library beside the program, and the manual shipped with it.
    QString LibraryFolder() const;
    static QString ManualFile();

public slots:
    // Drawings a later launch of the program asked for: the window comes to the front.
    void OpenLaunchedFiles(const QStringList& fileNames);
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnDrawSettings();
    void OnPartsList(ExPartsListKind kind);
    // Shows the library panels with the outer walls, which the category tree leaves out.
    void ShowOuterWalls();
    void OnHelpContents();
    void OnAbout();
    void SetButtonCaptions(bool shown);
    void SetLargeIcons(bool large);
    void UpdateCommandStates();
    const CRecoveryStore& Recovery() const { return m_recovery; }
    // Writes a recovery copy of every modified drawing now (the timer's work).
    void KeepRecoveryCopies();
    // At start: lists the drawings a crash left unsaved and restores the chosen ones.
    void OfferRecovery();
    // Opens recovered drawings as modified, named as they were; their copies are removed.
    QList<CChildFrame*> RestoreRecovered(const QList<CRecoveryStore::Entry>& entries);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct ToolBarEntry {
        QToolBar* bar;
        bool twoSizes;
    };

    bool LoadFont();
    void LoadSettings(QSettings& settings);
    void BuildMenus();
    void BuildFileMenu();
    void BuildViewMenu();
    void BuildZoomMenu();
    void FillZoomMenu(QMenu& menu, bool zoomIn) const;
    void BuildDrawMenu();
    void BuildEditMenu();
    void ConnectEditCommands();
    // The select tool's menu on the selection, opened by the right button.
    void BuildSelectionMenu();
    void ShowSelectionMenu(const QPoint& screen);
    void UpdateEditCommandStates();
    void UpdateHistoryStates();
    void ConnectCreatingCommands();
    void UpdateCreatingCommandStates();
    void OnCreatingTool(int command);
    // Recovering unsaved work (MainFrameRecovery.cpp).
    void ApplyAutoSaveInterval();
    void WatchForRecovery(CChildFrame* child);
    // Printing (MainFramePrint.cpp).
    QPrinter& Printer();
    void ConnectPrintCommands();
    QUndoStack* ActiveHistory() const;
    void OnImportImage();
    void ShowImportFailure(const char* message, const QString& fileName, const QString& reason);
    void BuildSettingsMenu();
    void BuildHelpMenu();
    void BuildToolBarActions();
    void BuildToolBars();
    void BuildPanels();
    void ReadLibrary();
    void ApplyToolBarLook();
    void RestoreLayout(QSettings& settings, const ExToolBarState& toolBars);
    void RebuildRecentFiles();
    QAction* AddAction(QMenu* menu, const QString& name, const QString& text,
                       const QKeySequence& shortcut = {});
    QAction* AddPendingAction(QMenu* menu, const QString& name, const QString& text,
                              const QKeySequence& shortcut = {});
    // Runs a view command on the active view, if there is one.
    template <typename Command> void OnActiveView(Command command) const {
        if (CKORVANEXView* view = ActiveView()) {
            command(*view);
        }
    }
    void OnSubWindowActivated(QMdiSubWindow* window);
    bool HasOpenDrawing() const;
    void ShowNoDrawingWhenNoneLeft();
    void UpdateTitle();
    CChildFrame* AddChild(CChildFrame* child);
    // Asks about every modified drawing, then closes them all; false, with all of them still
    // open, when the user cancelled.
    bool CloseAllDocuments();
    // Makes the drawing the active one and its tab the current one.
    void BringToFront(CChildFrame* child);
    QString NextUntitledTitle();

    CQtAppServices m_services;
    CExAppServices* m_pPreviousServices;
    CExVecFont m_font;
    const CExVecFont* m_pPreviousFont = nullptr;
    bool m_bCreated = false;
    bool m_bAreaAttention = true;
    bool m_bBottomName = true;
    bool m_bLargeIcons = true;
    int m_nDocumentNumber = 0;
    CRecentFileList m_recentFiles;
    QMdiArea* m_pMdiArea;
    QLabel* m_pZoomIndicator;
    QLabel* m_pPointerIndicator;
    QMenu* m_pSelectionMenu = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pZoomInMenu = nullptr;
    QMenu* m_pZoomOutMenu = nullptr;
    QAction* m_pRecentAnchor = nullptr;
    QList<QAction*> m_lstRecentActions;
    std::vector<ToolBarEntry> m_lstToolBars;
    CPartsCategoryCtrl* m_pCategoryCtrl = nullptr;
    CPartsThumbnailCtrl* m_pThumbnailCtrl = nullptr;
    QDockWidget* m_pCategoryDock = nullptr;
    QDockWidget* m_pThumbnailDock = nullptr;
    QPointer<CKORVANEXView> m_pActiveView;
    std::unique_ptr<QPrinter> m_pPrinter;
    CRecoveryStore m_recovery;
    QTimer m_autoSaveTimer;
};
