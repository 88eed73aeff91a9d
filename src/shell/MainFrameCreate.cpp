// The creating commands: the distance ruler, the area measurement with its notice, and the
// three cable kinds. Each arms its tool in the active view; its button shows pressed while the
// tool works, and pressing it again gives the tool up.

#include "ExAreaAttentionDialog.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "tools/ArmedTools.h"
#include "tools/EditTool.h"

#include <QAction>

namespace {

const std::pair<const char*, int> kCreatingCommands[] = {{"rulerTool", excommand::kRulerTool},
                                                         {"areaTool", excommand::kAreaTool},
                                                         {"cablePhone", excommand::kCablePhone},
                                                         {"cableLan", excommand::kCableLan},
                                                         {"cablePower", excommand::kCablePower}};

int ArmedCommand(const CKORVANEXView& view) {
    const CEditTool* armed = view.ArmedTool();
    return armed ? armed->CommandId() : 0;
}

} // namespace

void CMainFrame::ConnectCreatingCommands() {
    for (const auto& [name, command] : kCreatingCommands) {
        QAction* action = Action(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, command = command] { OnCreatingTool(command); });
    }
}

void CMainFrame::UpdateCreatingCommandStates() {
    const CKORVANEXView* view = ActiveView();
    const int armed = view ? ArmedCommand(*view) : 0;
    for (const auto& [name, command] : kCreatingCommands) {
        QAction* action = Action(QLatin1String(name));
        action->setEnabled(view != nullptr);
        action->setChecked(armed == command);
    }
    Action(QStringLiteral("rulerTool"))->setEnabled(view && view->IsShowMeasure());
    Action(QStringLiteral("areaTool"))->setEnabled(view && view->IsShowArea());
    Action(QStringLiteral("wiringTools"))->setEnabled(view != nullptr);
}

void CMainFrame::OnCreatingTool(int command) {
    CKORVANEXView* view = ActiveView();
    if (!view) {
        return;
    }
    if (ArmedCommand(*view) == command) {
        view->SetModeTool(excommand::kSelectTool);
        return;
    }
    if (command == excommand::kAreaTool && AreaAttention()) {
        CExAreaAttentionDialog notice(this);
        notice.exec();
        SetAreaAttention(notice.ShowAgain());
    }
    if (std::unique_ptr<CEditTool> tool = CreateArmedTool(command, *view)) {
        view->ArmTool(std::move(tool));
    }
    UpdateCommandStates();
}
