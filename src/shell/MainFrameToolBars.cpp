// The eight tool bars: their buttons and icons, captions under the buttons, the two icon sizes,
// and where the bars and the library panels stand, kept between runs.

#include "KORVANEXView.h"
#include "MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include <string_view>
#include <utility>

namespace {

constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
// The edit and mode bars keep small pictures in buttons wide enough for their captions.
constexpr QSize kFixedBarButton(45, 35);

struct ButtonDesign {
    const char* action;
    const char* icon;
    const char* caption;
};

struct BarDesign {
    const char* key; // as the settings store names the bar
    const char* caption;
    bool twoSizes;
    std::vector<ButtonDesign> buttons;
};

const std::vector<BarDesign>& Bars() {
    static const std::vector<BarDesign> bars = {
        {"Norm",
         "標準ツールバー",
         true,
         {{"fileNew", "new", "新規"},
          {"fileOpen", "open", "開く"},
          {"fileSave", "save", "保存"},
          {"filePrint", "print", "印刷"},
          {"fileBitmap", "bitmap", "画像"},
          {"editUndo", "undo", "元に戻す"},
          {"editRedo", "redo", "やり直し"},
          {"zoomIn", "zoom-in", "拡大"},
          {"zoomOut", "zoom-out", "縮小"}}},
        {"Edit",
         "編集ツールバー",
         false,
         {{"partsDelete", "delete", "削除"},
          {"vertexTool", "vertex-edit", "頂点"},
          {"partsProperties", "properties", "ﾌﾟﾛﾊﾟﾃｨ"}}},
        {"View",
         "表示ツールバー",
         true,
         {{"displaySwitches", "display", "表示"},
          {"zoomFit", "zoom-fit", "全体表示"},
          {"viewSnap", "snap", "スナップ"}}},
        {"Mode",
         "モードツールバー",
         false,
         {{"selectTool", "select", "選択"},
          {"panTool", "pan", "移動"},
          {"zoomTool", "zoom-tool", "ズーム"},
          {"layoutView", "layout-view", "ﾚｲｱｳﾄ"},
          {"wiringView", "wiring-view", "配線"}}},
        {"Size",
         "作図ツールバー",
         true,
         {{"mapSize", "map-size", "図面ｻｲｽﾞ"},
          {"partsPanels", "parts", "部品"},
          {"textTool", "text", "文字入力"},
          {"rulerTool", "ruler", "定規"},
          {"areaTool", "area", "面積"}}},
        {"Face",
         "面移動ツールバー",
         true,
         {{"bringForward", "bring-forward", "前面"},
          {"bringToFront", "bring-to-front", "最前面"},
          {"sendBackward", "send-backward", "背面"},
          {"sendToBack", "send-to-back", "最背面"}}},
        {"Copy", "複写ツールバー", true, {{"copyParts", "copy", "複写"}}},
        {"Wire", "配線ツールバー", true, {{"wiringTools", "wiring", "配線"}}},
    };
    return bars;
}

QIcon IconNamed(const char* name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

} // namespace

// Buttons that only the tool bars carry.
void CMainFrame::BuildToolBarActions() {
    QAction* display =
        AddAction(nullptr, QStringLiteral("displaySwitches"), QStringLiteral("表示"));
    auto* displayMenu = new QMenu(this);
    displayMenu->addActions({Action(QStringLiteral("viewGrid")),
                             Action(QStringLiteral("viewMeasure")),
                             Action(QStringLiteral("viewArea"))});
    connect(displayMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    display->setMenu(displayMenu);
    connect(display, &QAction::triggered, this,
            [displayMenu] { displayMenu->popup(QCursor::pos()); });

    auto* tools = new QActionGroup(this);
    QAction* select = AddAction(nullptr, QStringLiteral("selectTool"), QStringLiteral("選択"));
    select->setCheckable(true);
    tools->addAction(select);
    for (const auto& [name, text] : {std::pair{"panTool", "移動"}, std::pair{"zoomTool", "ズーム"},
                                     std::pair{"vertexTool", "頂点編集"}}) {
        QAction* action = AddPendingAction(nullptr, QLatin1String(name), QString::fromUtf8(text));
        action->setCheckable(true);
        tools->addAction(action);
    }

    auto* modes = new QActionGroup(this);
    QAction* layout =
        AddAction(nullptr, QStringLiteral("layoutView"), QStringLiteral("レイアウトビュー"));
    QAction* wiring =
        AddAction(nullptr, QStringLiteral("wiringView"), QStringLiteral("配線ビュー"));
    for (QAction* mode : {layout, wiring}) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }
    connect(layout, &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnLayoutView(); }); });
    connect(wiring, &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnWiringView(); }); });

    // The outer walls have no category of their own in the tree: this button brings them.
    QAction* panels = AddAction(nullptr, QStringLiteral("partsPanels"), QStringLiteral("部品"));
    panels->setToolTip(QStringLiteral("外壁の部品を表示します"));
    connect(panels, &QAction::triggered, this, &CMainFrame::ShowOuterWalls);

    const struct {
        const char* name;
        const char* text;
    } pending[] = {{"bringForward", "前面"},
                   {"bringToFront", "最前面"},
                   {"sendBackward", "背面"},
                   {"sendToBack", "最背面"},
                   {"copyParts", "複写"}};
    for (const auto& entry : pending) {
        AddPendingAction(nullptr, QLatin1String(entry.name), QString::fromUtf8(entry.text));
    }
    QAction* cables =
        AddPendingAction(nullptr, QStringLiteral("wiringTools"), QStringLiteral("配線"));
    auto* cableMenu = new QMenu(this);
    cableMenu->addActions({Action(QStringLiteral("cablePhone")), Action(QStringLiteral("cableLan")),
                           Action(QStringLiteral("cablePower"))});
    cables->setMenu(cableMenu);
    Action(QStringLiteral("cablePhone"))->setIcon(IconNamed("cable-phone"));
    Action(QStringLiteral("cableLan"))->setIcon(IconNamed("cable-lan"));
    Action(QStringLiteral("cablePower"))->setIcon(IconNamed("cable-power"));
}

void CMainFrame::BuildToolBars() {
    BuildToolBarActions();
    for (const BarDesign& design : Bars()) {
        auto* bar = new QToolBar(QString::fromUtf8(design.caption), this);
        bar->setObjectName(QStringLiteral("toolBar%1").arg(QLatin1String(design.key)));
        for (const ButtonDesign& button : design.buttons) {
            QAction* action = Action(QLatin1String(button.action));
            action->setIcon(IconNamed(button.icon));
            action->setIconText(QString::fromUtf8(button.caption));
            bar->addAction(action);
            if (action->menu()) {
                auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                tool->setPopupMode(QToolButton::InstantPopup);
            }
        }
        // The bars stand in two rows: files, editing and modes, then drawing and wiring.
        if (std::string_view(design.key) == "Size") {
            addToolBarBreak(Qt::TopToolBarArea);
        }
        addToolBar(Qt::TopToolBarArea, bar);
        m_lstToolBars.push_back({bar, design.twoSizes});
    }
    // The zoom buttons zoom at a click and offer the presets on their arrows.
    for (const auto& [zoom, menu] :
         {std::pair{"zoomIn", m_pZoomInMenu}, std::pair{"zoomOut", m_pZoomOutMenu}}) {
        auto* tool = qobject_cast<QToolButton*>(
            m_lstToolBars.front().bar->widgetForAction(Action(QLatin1String(zoom))));
        tool->setMenu(menu);
        tool->setPopupMode(QToolButton::MenuButtonPopup);
    }
    ApplyToolBarLook();
}

void CMainFrame::ApplyToolBarLook() {
    for (const ToolBarEntry& entry : m_lstToolBars) {
        const int icon = entry.twoSizes && m_bLargeIcons ? kLargeIcon : kSmallIcon;
        entry.bar->setIconSize(QSize(icon, icon));
        entry.bar->setToolButtonStyle(m_bBottomName ? Qt::ToolButtonTextUnderIcon
                                                    : Qt::ToolButtonIconOnly);
        if (!entry.twoSizes) {
            for (QToolButton* button : entry.bar->findChildren<QToolButton*>()) {
                button->setMinimumSize(m_bBottomName ? kFixedBarButton : QSize());
            }
        }
    }
    UpdateCommandStates();
}

void CMainFrame::SetButtonCaptions(bool shown) {
    m_bBottomName = shown;
    ApplyToolBarLook();
}

void CMainFrame::SetLargeIcons(bool large) {
    m_bLargeIcons = large;
    ApplyToolBarLook();
}

QToolBar* CMainFrame::ToolBar(const QString& key) const {
    return findChild<QToolBar*>(QStringLiteral("toolBar") + key);
}

ExToolBarState CMainFrame::CurrentToolBarState() const {
    ExToolBarState state;
    state.menuBarRect = menuBar()->geometry();
    for (std::size_t i = 0; i < ExToolBarState::kBars.size(); ++i) {
        const QToolBar* bar = ToolBar(QLatin1String(ExToolBarState::kBars[i]));
        state.visible[i] = !bar->isHidden();
        state.rects[i] = bar->geometry();
    }
    state.bottomName = m_bBottomName;
    state.largeIcons = m_bLargeIcons;
    return state;
}

// The bars and panels stand where the toolkit's layout put them; the stored switches decide
// which bars show.
void CMainFrame::RestoreLayout(QSettings& settings, const ExToolBarState& toolBars) {
    restoreState(LoadControlState(settings));
    for (std::size_t i = 0; i < ExToolBarState::kBars.size(); ++i) {
        ToolBar(QLatin1String(ExToolBarState::kBars[i]))->setVisible(toolBars.visible[i]);
    }
}
