// The menu bar: the File, View and Drawing menus with their texts and shortcuts, and their
// enabled and checked states, which follow the active drawing.

#include "ChildFrame.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "ZoomTable.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

// Runs a view command on the active view, if there is one.
template <typename Command> void OnActiveView(const CMainFrame* frame, Command command) {
    if (CKORVANEXView* view = frame->ActiveView()) {
        command(*view);
    }
}

} // namespace

QAction* CMainFrame::AddAction(QMenu* menu, const QString& name, const QString& text,
                               const QKeySequence& shortcut) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    return action;
}

QAction* CMainFrame::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void CMainFrame::BuildMenus() {
    BuildFileMenu();
    BuildViewMenu();
    BuildDrawMenu();
    UpdateCommandStates();
}

void CMainFrame::BuildFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    m_pFileMenu = menu;
    connect(AddAction(menu, QStringLiteral("fileNew"), QStringLiteral("新規作成(&N)"),
                      QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(AddAction(menu, QStringLiteral("fileOpen"), QStringLiteral("開く(&O)..."),
                      QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(AddAction(menu, QStringLiteral("fileClose"), QStringLiteral("閉じる(&C)")),
            &QAction::triggered, this, &CMainFrame::OnFileClose);
    menu->addSeparator();
    connect(
        AddAction(menu, QStringLiteral("fileSaveAs"), QStringLiteral("名前を付けて保存(&A)...")),
        &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(AddAction(menu, QStringLiteral("fileSave"), QStringLiteral("上書き保存(&S)"),
                      QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(AddAction(menu, QStringLiteral("fileBitmap"), QStringLiteral("ビットマップ保存(&B)"),
                      QKeySequence(Qt::CTRL | Qt::Key_B)),
            &QAction::triggered, this,
            [this] { OnActiveView(this, [](CKORVANEXView& view) { view.OnBitmapSave(); }); });
    menu->addSeparator();
    m_pRecentAnchor =
        AddAction(menu, QStringLiteral("appExit"), QStringLiteral("アプリケーションの終了(&X)"));
    connect(m_pRecentAnchor, &QAction::triggered, this, &QWidget::close);
    RebuildRecentFiles();
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : m_lstRecentActions) {
        m_pFileMenu->removeAction(action);
        action->deleteLater();
    }
    m_lstRecentActions.clear();
    const QStringList& files = m_recentFiles.Files();
    if (files.isEmpty()) {
        auto* placeholder = new QAction(QStringLiteral("最近使ったファイル"), m_pFileMenu);
        placeholder->setObjectName(QStringLiteral("recentFiles"));
        placeholder->setEnabled(false);
        m_lstRecentActions.append(placeholder);
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files.at(i);
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file)), m_pFileMenu);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, file] {
            if (!OpenDocument(file) && !QFileInfo::exists(file)) {
                m_recentFiles.Remove(file);
                RebuildRecentFiles();
            }
        });
        m_lstRecentActions.append(action);
    }
    m_pFileMenu->insertActions(m_pRecentAnchor, m_lstRecentActions);
}

void CMainFrame::BuildViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    auto addCheck = [&](const QString& name, const QString& text, auto command) {
        QAction* action = AddAction(menu, name, text);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, command] { OnActiveView(this, command); });
        return action;
    };
    addCheck(QStringLiteral("viewGrid"), QStringLiteral("グリッド"),
             [](CKORVANEXView& view) { view.OnToggleGrid(); });
    addCheck(QStringLiteral("viewMeasure"), QStringLiteral("定規"),
             [](CKORVANEXView& view) { view.OnToggleMeasure(); });
    addCheck(QStringLiteral("viewArea"), QStringLiteral("面積"),
             [](CKORVANEXView& view) { view.OnToggleArea(); });
    menu->addSeparator();
    connect(AddAction(menu, QStringLiteral("zoomIn"), QStringLiteral("図面拡大")),
            &QAction::triggered, this,
            [this] { OnActiveView(this, [](CKORVANEXView& view) { view.OnZoomIn(); }); });
    connect(AddAction(menu, QStringLiteral("zoomOut"), QStringLiteral("図面縮小")),
            &QAction::triggered, this,
            [this] { OnActiveView(this, [](CKORVANEXView& view) { view.OnZoomOut(); }); });

    // The zoom presets, which the tool bar's drop-down arrows will also open.
    QMenu* zoom = menu->addMenu(QStringLiteral("拡大・縮小"));
    zoom->setObjectName(QStringLiteral("zoomMenu"));
    QAction* dialog = AddAction(zoom, QStringLiteral("zoomDialog"), QStringLiteral("指定する"));
    dialog->setCheckable(true);
    connect(dialog, &QAction::triggered, this,
            [this] { OnActiveView(this, [](CKORVANEXView& view) { view.OnZoomDialog(); }); });
    for (int index = exzoom::kCoarsest; index <= exzoom::kFinest; ++index) {
        QAction* preset = AddAction(zoom, QStringLiteral("zoomPreset%1").arg(index),
                                    QString::fromUtf8(exzoom::PresetText(index)));
        preset->setCheckable(true);
        connect(preset, &QAction::triggered, this, [this, index] {
            OnActiveView(this, [index](CKORVANEXView& view) { view.OnZoomPreset(index); });
        });
    }

    // The two view modes, until the mode tool bar carries them.
    menu->addSeparator();
    QAction* layout =
        AddAction(menu, QStringLiteral("layoutView"), QStringLiteral("レイアウトビュー"));
    layout->setCheckable(true);
    connect(layout, &QAction::triggered, this,
            [this] { OnActiveView(this, [](CKORVANEXView& view) { view.OnLayoutView(); }); });
    QAction* wiring = AddAction(menu, QStringLiteral("wiringView"), QStringLiteral("配線ビュー"));
    wiring->setCheckable(true);
    connect(wiring, &QAction::triggered, this,
            [this] { OnActiveView(this, [](CKORVANEXView& view) { view.OnWiringView(); }); });
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::BuildDrawMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("作図(&D)"));
    connect(AddAction(menu, QStringLiteral("mapSize"), QStringLiteral("図面サイズ変更...")),
            &QAction::triggered, this,
            [this] { OnActiveView(this, [](CKORVANEXView& view) { view.OnMapSize(); }); });
}

void CMainFrame::UpdateCommandStates() {
    const CKORVANEXView* view = ActiveView();
    const bool hasView = view != nullptr;
    for (const char* name :
         {"fileClose", "fileSave", "fileSaveAs", "fileBitmap", "viewGrid", "viewMeasure",
          "viewArea", "zoomDialog", "layoutView", "wiringView", "mapSize"}) {
        if (QAction* action = Action(QLatin1String(name))) {
            action->setEnabled(hasView);
        }
    }
    Action(QStringLiteral("zoomIn"))->setEnabled(hasView && view->CanZoomIn());
    Action(QStringLiteral("zoomOut"))->setEnabled(hasView && view->CanZoomOut());
    Action(QStringLiteral("viewGrid"))->setChecked(hasView && view->IsShowGrid());
    Action(QStringLiteral("viewMeasure"))->setChecked(hasView && view->IsShowMeasure());
    Action(QStringLiteral("viewArea"))->setChecked(hasView && view->IsShowArea());
    const int index = hasView ? view->GetZoomIndex() : 0;
    Action(QStringLiteral("zoomDialog"))->setChecked(index == exzoom::kTypedIndex);
    for (int preset = exzoom::kCoarsest; preset <= exzoom::kFinest; ++preset) {
        QAction* action = Action(QStringLiteral("zoomPreset%1").arg(preset));
        action->setEnabled(hasView);
        action->setChecked(index == preset);
    }
    const int mode = hasView ? view->Document().GetViewMode() : 0;
    Action(QStringLiteral("layoutView"))->setChecked(mode == excommand::kLayoutView);
    Action(QStringLiteral("wiringView"))->setChecked(mode == excommand::kWiringView);
}
