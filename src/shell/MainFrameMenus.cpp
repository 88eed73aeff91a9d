// The menu bar: every menu with its texts and shortcuts, and the enabled and checked states,
// which follow the active drawing. Commands that later tools carry out are present and stay
// disabled until they exist.

#include "ChildFrame.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "ZoomTable.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace {

// Commands that need an open drawing and nothing more.
constexpr const char* kDrawingCommands[] = {
    "fileClose",       "fileSave",         "fileSaveAs", "fileBitmap",  "fileExport",
    "filePrint",       "filePrintPreview", "viewGrid",   "viewMeasure", "viewArea",
    "zoomDialog",      "layoutView",       "wiringView", "mapSize",     "partsListLayout",
    "partsListWiring", "selectTool",       "zoomFit"};

// The presets under a zoom button's arrow, as a range of preset indexes: zooming in, from the
// current zoom to 1/10; zooming out, from 1/500 to the current zoom. A typed zoom counts as the
// first preset not coarser than it when zooming in and the last one not finer when zooming out.
std::pair<int, int> ZoomMenuPresets(const ExZoomState& state, bool zoomIn) {
    const bool typed = state.index < exzoom::kCoarsest || state.index > exzoom::kFinest;
    if (zoomIn) {
        int first = state.index;
        if (typed) {
            first = exzoom::kCoarsest;
            while (first <= exzoom::kFinest && exzoom::PresetDivisor(first) > state.zoom) {
                ++first;
            }
        }
        return {first, exzoom::kFinest};
    }
    int last = state.index;
    if (typed) {
        last = exzoom::kFinest;
        while (last >= exzoom::kCoarsest && exzoom::PresetDivisor(last) < state.zoom) {
            --last;
        }
    }
    return {exzoom::kCoarsest, last};
}

} // namespace

QAction* CMainFrame::AddAction(QMenu* menu, const QString& name, const QString& text,
                               const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    if (menu) {
        menu->addAction(action);
    }
    return action;
}

QAction* CMainFrame::AddPendingAction(QMenu* menu, const QString& name, const QString& text,
                                      const QKeySequence& shortcut) {
    QAction* action = AddAction(menu, name, text, shortcut);
    action->setEnabled(false);
    return action;
}

QAction* CMainFrame::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void CMainFrame::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildDrawMenu();
    BuildSettingsMenu();
    BuildHelpMenu();
    BuildZoomMenu();
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
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
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnBitmapSave(); }); });
    connect(AddAction(menu, QStringLiteral("fileExport"), QStringLiteral("エクスポート(&E)...")),
            &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnExport(); }); });
    menu->addSeparator();
    AddPendingAction(menu, QStringLiteral("imageImport"), QStringLiteral("画像取り込み..."));
    AddPendingAction(menu, QStringLiteral("filePrint"), QStringLiteral("印刷(&P)..."),
                     QKeySequence(Qt::CTRL | Qt::Key_P));
    AddPendingAction(menu, QStringLiteral("filePrintPreview"),
                     QStringLiteral("印刷プレビュー(&V)"));
    AddAction(menu, QStringLiteral("filePrintSetup"), QStringLiteral("ﾌﾟﾘﾝﾀの設定(&R)..."));
    menu->addSeparator();
    m_pRecentAnchor = menu->addSeparator();
    connect(
        AddAction(menu, QStringLiteral("appExit"), QStringLiteral("アプリケーションの終了(&X)")),
        &QAction::triggered, this, &QWidget::close);
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
    auto addSwitch = [&](const QString& name, const QString& text, auto command) {
        QAction* action = AddAction(menu, name, text);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, command] { OnActiveView(command); });
        return action;
    };
    addSwitch(QStringLiteral("viewGrid"), QStringLiteral("グリッド"),
              [](CKORVANEXView& view) { view.OnToggleGrid(); });
    addSwitch(QStringLiteral("viewMeasure"), QStringLiteral("定規"),
              [](CKORVANEXView& view) { view.OnToggleMeasure(); });
    addSwitch(QStringLiteral("viewArea"), QStringLiteral("面積"),
              [](CKORVANEXView& view) { view.OnToggleArea(); });
    // Snapping belongs to the program, not to a drawing: it stays as left for the next start.
    QAction* snap = AddAction(menu, QStringLiteral("viewSnap"), QStringLiteral("スナップ"));
    snap->setCheckable(true);
    snap->setStatusTip(
        QStringLiteral("点をグリッドと部品の角に合わせます（Alt キーを押す間は合わせません）"));
    connect(snap, &QAction::triggered, this, [this](bool on) {
        ExDrawingDefaults defaults = DrawingDefaults();
        defaults.snap = on ? 1 : 0;
        SetDrawingDefaults(defaults);
    });

    QMenu* toolBars = menu->addMenu(QStringLiteral("ツールバー"));
    QAction* captions =
        AddAction(toolBars, QStringLiteral("toolBarCaptions"), QStringLiteral("ボタン名"));
    captions->setCheckable(true);
    captions->setStatusTip(QStringLiteral("ボタン名の表示/非表示を切り替えます"));
    connect(captions, &QAction::triggered, this, [this] { SetButtonCaptions(!m_bBottomName); });
    QAction* large =
        AddAction(toolBars, QStringLiteral("largeIcons"), QStringLiteral("大きいアイコン"));
    large->setCheckable(true);
    connect(large, &QAction::triggered, this, [this] { SetLargeIcons(true); });
    QAction* small =
        AddAction(toolBars, QStringLiteral("smallIcons"), QStringLiteral("小さいアイコン"));
    small->setCheckable(true);
    connect(small, &QAction::triggered, this, [this] { SetLargeIcons(false); });
    menu->addSeparator();

    QAction* zoomIn = AddAction(menu, QStringLiteral("zoomIn"), QStringLiteral("図面拡大"));
    zoomIn->setIconText(QStringLiteral("拡大"));
    connect(zoomIn, &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnZoomIn(); }); });
    QAction* zoomOut = AddAction(menu, QStringLiteral("zoomOut"), QStringLiteral("図面縮小"));
    zoomOut->setIconText(QStringLiteral("縮小"));
    connect(zoomOut, &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnZoomOut(); }); });
    connect(AddAction(menu, QStringLiteral("zoomFit"), QStringLiteral("全体表示")),
            &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnZoomFit(); }); });

    QMenu* partsList = menu->addMenu(QStringLiteral("部品一覧"));
    connect(
        AddAction(partsList, QStringLiteral("partsListLayout"), QStringLiteral("レイアウトメイン")),
        &QAction::triggered, this, [this] { OnPartsList(ExPartsListKind::Layout); });
    connect(
        AddAction(partsList, QStringLiteral("partsListWiring"), QStringLiteral("配線メインビュー")),
        &QAction::triggered, this, [this] { OnPartsList(ExPartsListKind::Wiring); });
}

// The zoom presets, opened from the arrows of the zoom buttons: each arrow offers the presets
// in its own direction, so its menu is filled as it opens.
void CMainFrame::BuildZoomMenu() {
    QAction* dialog = AddAction(nullptr, QStringLiteral("zoomDialog"), QStringLiteral("指定する"));
    dialog->setCheckable(true);
    connect(dialog, &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnZoomDialog(); }); });
    for (int index = exzoom::kCoarsest; index <= exzoom::kFinest; ++index) {
        QAction* preset = AddAction(nullptr, QStringLiteral("zoomPreset%1").arg(index),
                                    QString::fromUtf8(exzoom::PresetText(index)));
        preset->setCheckable(true);
        connect(preset, &QAction::triggered, this, [this, index] {
            OnActiveView([index](CKORVANEXView& view) { view.OnZoomPreset(index); });
        });
    }
    m_pZoomInMenu = new QMenu(QStringLiteral("拡大・縮小"), this);
    m_pZoomOutMenu = new QMenu(QStringLiteral("拡大・縮小"), this);
    for (QMenu* menu : {m_pZoomInMenu, m_pZoomOutMenu}) {
        const bool zoomIn = menu == m_pZoomInMenu;
        menu->setObjectName(zoomIn ? QStringLiteral("zoomInMenu") : QStringLiteral("zoomOutMenu"));
        connect(menu, &QMenu::aboutToShow, this, [this, menu, zoomIn] {
            UpdateCommandStates();
            FillZoomMenu(*menu, zoomIn);
        });
    }
}

void CMainFrame::FillZoomMenu(QMenu& menu, bool zoomIn) const {
    menu.clear();
    const CKORVANEXView* view = ActiveView();
    const ExZoomState state =
        view ? ExZoomState{view->GetZoom(), view->GetZoomIndex()} : ExZoomState{};
    if (zoomIn) {
        menu.addAction(Action(QStringLiteral("zoomDialog")));
    }
    const auto [first, last] = ZoomMenuPresets(state, zoomIn);
    for (int index = first; index <= last; ++index) {
        menu.addAction(Action(QStringLiteral("zoomPreset%1").arg(index)));
    }
}

void CMainFrame::BuildDrawMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("作図(&D)"));
    QAction* mapSize =
        AddAction(menu, QStringLiteral("mapSize"), QStringLiteral("図面サイズ変更..."));
    mapSize->setIconText(QStringLiteral("図面ｻｲｽﾞ"));
    connect(mapSize, &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnMapSize(); }); });
    QMenu* parts = menu->addMenu(QStringLiteral("部品"));
    AddPendingAction(parts, QStringLiteral("vertexEdit"), QStringLiteral("頂点編集"));
    AddPendingAction(parts, QStringLiteral("imageCalibrate"),
                     QStringLiteral("画像の縮尺合わせ..."));
    AddPendingAction(parts, QStringLiteral("partsDelete"), QStringLiteral("削除"));
    parts->addSeparator();
    AddPendingAction(parts, QStringLiteral("textTool"), QStringLiteral("文字入力"));
    AddPendingAction(parts, QStringLiteral("rulerTool"), QStringLiteral("定規"));
    AddPendingAction(parts, QStringLiteral("areaTool"), QStringLiteral("面積"));
    parts->addSeparator();
    QMenu* wiring = parts->addMenu(QStringLiteral("配線"));
    AddPendingAction(wiring, QStringLiteral("cablePhone"), QStringLiteral("電話線"));
    AddPendingAction(wiring, QStringLiteral("cableLan"), QStringLiteral("LANケーブル"));
    AddPendingAction(wiring, QStringLiteral("cablePower"), QStringLiteral("電源ケーブル"));
    parts->addSeparator();
    AddPendingAction(parts, QStringLiteral("partsProperties"), QStringLiteral("プロパティ..."));
}

void CMainFrame::BuildSettingsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    connect(AddAction(menu, QStringLiteral("drawSettings"), QStringLiteral("作図環境設定...")),
            &QAction::triggered, this, &CMainFrame::OnDrawSettings);
}

void CMainFrame::UpdateCommandStates() {
    const CKORVANEXView* view = ActiveView();
    const bool hasView = view != nullptr;
    for (const char* name : kDrawingCommands) {
        if (QAction* action = Action(QLatin1String(name))) {
            action->setEnabled(hasView);
        }
    }
    Action(QStringLiteral("zoomIn"))->setEnabled(hasView && view->CanZoomIn());
    Action(QStringLiteral("zoomOut"))->setEnabled(hasView && view->CanZoomOut());
    Action(QStringLiteral("viewGrid"))->setChecked(hasView && view->IsShowGrid());
    Action(QStringLiteral("viewSnap"))->setChecked(DrawingDefaults().snap != 0);
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
    Action(QStringLiteral("selectTool"))
        ->setChecked(hasView && view->Document().GetEditTool() == excommand::kSelectTool);
    Action(QStringLiteral("toolBarCaptions"))->setChecked(m_bBottomName);
    Action(QStringLiteral("largeIcons"))->setChecked(m_bLargeIcons);
    Action(QStringLiteral("largeIcons"))->setEnabled(!m_bLargeIcons);
    Action(QStringLiteral("smallIcons"))->setChecked(!m_bLargeIcons);
    Action(QStringLiteral("smallIcons"))->setEnabled(m_bLargeIcons);
    UpdateEditCommandStates();
}
