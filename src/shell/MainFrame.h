#pragma once

// The main window. Its work is spread by concern: MainFrame.cpp (creation, settings, the
// active drawing), MainFrameMenus.cpp (menus and their states), MainFrameFiles.cpp (new,
// open, save, recent files, the command line).

#include "AppSettings.h"
#include "ExVecFont.h"
#include "QtAppServices.h"
#include "RecentFileList.h"

#include <QMainWindow>
#include <QPointer>

#include <vector>

class CChildFrame;
class CKORVANEXView;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSettings;

class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The drawing defaults all views read, and what else the settings store gave.
    const ExDrawingDefaults& DrawingDefaults() const { return m_services.DrawingDefaults(); }
    void SetDrawingDefaults(const ExDrawingDefaults& defaults);
    const std::vector<tagCABLEINFO>& CableKinds() const { return m_arCableInfo; }
    bool AreaAttention() const { return m_bAreaAttention; }
    void SetAreaAttention(bool attention) { m_bAreaAttention = attention; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

    // The window placement as it would be stored now.
    ExWindowState CurrentWindowState() const;
    // Writes every section, in the order the program always writes them.
    void SaveSettings(QSettings& settings) const;

    // Drawings.
    CChildFrame* NewDocument();
    // Opens a drawing file; a drawing already open is brought to the front instead.
    CChildFrame* OpenDocument(const QString& fileName);
    // What the command line asks for: the named drawing, or a new one.
    void ProcessCommandLine(const QStringList& arguments);
    CChildFrame* ActiveChild() const;
    CKORVANEXView* ActiveView() const;
    QList<CChildFrame*> Children() const;
    QString ZoomIndicatorText() const;
    QAction* Action(const QString& name) const;

public slots:
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void UpdateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadSettings(QSettings& settings);
    void BuildMenus();
    void BuildFileMenu();
    void BuildViewMenu();
    void BuildDrawMenu();
    void RebuildRecentFiles();
    QAction* AddAction(QMenu* menu, const QString& name, const QString& text,
                       const QKeySequence& shortcut = {});
    void OnSubWindowActivated(QMdiSubWindow* window);
    CChildFrame* AddChild(CChildFrame* child);
    QString NextUntitledTitle();

    CQtAppServices m_services;
    CExAppServices* m_pPreviousServices;
    CExVecFont m_font;
    const CExVecFont* m_pPreviousFont = nullptr;
    std::vector<tagCABLEINFO> m_arCableInfo;
    ExToolBarState m_toolBarState;
    bool m_bAreaAttention = true;
    int m_nDocumentNumber = 0;
    CRecentFileList m_recentFiles;
    QMdiArea* m_pMdiArea;
    QLabel* m_pZoomIndicator;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentAnchor = nullptr;
    QList<QAction*> m_lstRecentActions;
    QPointer<CKORVANEXView> m_pActiveView;
};
