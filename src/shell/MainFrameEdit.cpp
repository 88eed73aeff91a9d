// The editing commands: the 編集 menu with undo and redo of the active drawing, the mode tools,
// and the commands on the selection (properties, delete, copy, drawing order).

#include "ChildFrame.h"
#include "ExAppServices.h"
#include "ExDib16.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "tools/TextTool.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include <cstdint>

namespace {

// "元に戻す: 移動" with its mnemonic, or the bare command when there is nothing to name.
QString HistoryText(const QString& command, QChar mnemonic, const QString& step) {
    const QString key = QStringLiteral("(&%1)").arg(mnemonic);
    return step.isEmpty() ? command + key : command + QStringLiteral(": ") + step + key;
}

constexpr const char* kImageReadFailed = "画像ファイルの読み込みに失敗しました";
constexpr const char* kImageTooLarge = "画像が大きすぎるため取り込めません。";
// Pictures beyond this many pixels are refused before they are decoded: a plan scanned at
// 600 dpi on A0 paper stays well below it.
constexpr qint64 kMaxImportPixels = qint64(20000) * 20000;

} // namespace

void CMainFrame::BuildEditMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    QAction* undo = AddAction(menu, QStringLiteral("editUndo"),
                              HistoryText(QStringLiteral("元に戻す"), 'U', {}),
                              QKeySequence(Qt::CTRL | Qt::Key_Z));
    // What a tool has under way is finished first: typing that has not ended yet is the step
    // the user means to take back.
    connect(undo, &QAction::triggered, this, [this] {
        OnActiveView([](CKORVANEXView& view) { view.CancelTool(); });
        if (QUndoStack* history = ActiveHistory()) {
            history->undo();
        }
    });
    QAction* redo = AddAction(menu, QStringLiteral("editRedo"),
                              HistoryText(QStringLiteral("やり直し"), 'R', {}));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo, &QAction::triggered, this, [this] {
        OnActiveView([](CKORVANEXView& view) { view.CancelTool(); });
        if (QUndoStack* history = ActiveHistory()) {
            history->redo();
        }
    });
    menu->addSeparator();
    connect(AddAction(menu, QStringLiteral("editSelectAll"), QStringLiteral("すべて選択(&A)"),
                      QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnSelectAll(); }); });
}

QUndoStack* CMainFrame::ActiveHistory() const {
    const CKORVANEXView* view = ActiveView();
    return view ? view->UndoStack() : nullptr;
}

void CMainFrame::UpdateHistoryStates() {
    const QUndoStack* history = ActiveHistory();
    QAction* undo = Action(QStringLiteral("editUndo"));
    QAction* redo = Action(QStringLiteral("editRedo"));
    undo->setEnabled(history && history->canUndo());
    redo->setEnabled(history && history->canRedo());
    undo->setText(
        HistoryText(QStringLiteral("元に戻す"), 'U', history ? history->undoText() : QString()));
    redo->setText(
        HistoryText(QStringLiteral("やり直し"), 'R', history ? history->redoText() : QString()));
}

// The tool bar's mode and selection commands, connected to the active view.
void CMainFrame::ConnectEditCommands() {
    const std::pair<const char*, int> tools[] = {{"selectTool", excommand::kSelectTool},
                                                 {"panTool", excommand::kPanTool},
                                                 {"zoomTool", excommand::kZoomTool},
                                                 {"vertexTool", excommand::kVertexTool}};
    for (const auto& [name, command] : tools) {
        QAction* action = Action(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, command = command] {
            OnActiveView([command](CKORVANEXView& view) { view.SetModeTool(command); });
        });
    }
    const std::pair<const char*, int> orders[] = {{"bringToFront", excommand::kBringToFront},
                                                  {"bringForward", excommand::kBringForward},
                                                  {"sendToBack", excommand::kSendToBack},
                                                  {"sendBackward", excommand::kSendBackward}};
    for (const auto& [name, command] : orders) {
        connect(Action(QLatin1String(name)), &QAction::triggered, this, [this, command = command] {
            OnActiveView([command](CKORVANEXView& view) { view.OnZOrder(command); });
        });
    }
    // Text input takes the keyboard at once; while it waits for its first character the
    // command does nothing.
    QAction* text = Action(QStringLiteral("textTool"));
    text->setCheckable(true);
    connect(text, &QAction::triggered, this, [this] {
        OnActiveView([](CKORVANEXView& view) {
            if (view.GetEditState() != CTextTool::kWaitingState) {
                view.ArmTool(std::make_unique<CTextTool>(view));
            }
            view.setFocus(Qt::OtherFocusReason);
        });
        UpdateEditCommandStates();
    });
    QAction* import = Action(QStringLiteral("imageImport"));
    import->setStatusTip(QStringLiteral("画像を取り込みます"));
    connect(import, &QAction::triggered, this, &CMainFrame::OnImportImage);
    connect(Action(QStringLiteral("copyParts")), &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnCopy(); }); });
    connect(Action(QStringLiteral("partsDelete")), &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnDelete(); }); });
    connect(Action(QStringLiteral("partsProperties")), &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnProperties(); }); });
    connect(Action(QStringLiteral("vertexEdit")), &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnVertexEdit(); }); });
    QAction* calibrate = Action(QStringLiteral("imageCalibrate"));
    calibrate->setStatusTip(
        QStringLiteral("選んだ画像の縮尺を、距離のわかっている2点で合わせます"));
    connect(calibrate, &QAction::triggered, this,
            [this] { OnActiveView([](CKORVANEXView& view) { view.OnCalibrateImage(); }); });
}

// The same actions as the menus and tool bars, so that they are enabled alike.
void CMainFrame::BuildSelectionMenu() {
    m_pSelectionMenu = new QMenu(this);
    m_pSelectionMenu->setObjectName(QStringLiteral("selectionMenu"));
    const char* const groups[][4] = {
        {"partsProperties", "copyParts", "partsDelete", nullptr},
        {"bringToFront", "bringForward", "sendBackward", "sendToBack"},
        {"editUndo", nullptr, nullptr, nullptr},
        {"zoomFit", nullptr, nullptr, nullptr},
    };
    for (const auto& group : groups) {
        if (!m_pSelectionMenu->isEmpty()) {
            m_pSelectionMenu->addSeparator();
        }
        for (const char* name : group) {
            if (name) {
                m_pSelectionMenu->addAction(Action(QLatin1String(name)));
            }
        }
    }
}

// The menu opens without waiting for its choice: the press that asked for it has returned by
// the time a command runs.
void CMainFrame::ShowSelectionMenu(const QPoint& screen) {
    UpdateCommandStates();
    m_pSelectionMenu->popup(screen);
}

void CMainFrame::UpdateEditCommandStates() {
    const CKORVANEXView* view = ActiveView();
    const int tool = view ? view->Document().GetEditTool() : 0;
    Action(QStringLiteral("panTool"))->setEnabled(view);
    Action(QStringLiteral("zoomTool"))->setEnabled(view);
    Action(QStringLiteral("selectTool"))->setChecked(view && tool == excommand::kSelectTool);
    Action(QStringLiteral("panTool"))->setChecked(view && tool == excommand::kPanTool);
    Action(QStringLiteral("zoomTool"))->setChecked(view && tool == excommand::kZoomTool);
    const CEditTool* armed = view ? view->ArmedTool() : nullptr;
    Action(QStringLiteral("textTool"))
        ->setEnabled(view && view->Document().Selection().Count() < 2);
    Action(QStringLiteral("textTool"))
        ->setChecked(armed && armed->CommandId() == excommand::kTextTool);
    Action(QStringLiteral("vertexTool"))->setEnabled(view && view->CanVertexTool());
    Action(QStringLiteral("vertexTool"))->setChecked(view && tool == excommand::kVertexTool);
    Action(QStringLiteral("vertexEdit"))->setEnabled(view && view->CanVertexEdit());
    Action(QStringLiteral("imageCalibrate"))->setEnabled(view && view->CanCalibrateImage());
    for (const char* name : {"bringToFront", "bringForward", "sendToBack", "sendBackward"}) {
        Action(QLatin1String(name))->setEnabled(view && view->CanZOrder());
    }
    Action(QStringLiteral("copyParts"))->setEnabled(view && view->CanCopy());
    Action(QStringLiteral("editSelectAll"))->setEnabled(view && view->CanSelectAll());
    Action(QStringLiteral("imageImport"))->setEnabled(view);
    Action(QStringLiteral("partsDelete"))->setEnabled(view && view->CanDelete());
    Action(QStringLiteral("partsProperties"))->setEnabled(view && tool == excommand::kSelectTool);
    UpdateHistoryStates();
    UpdateCreatingCommandStates();
}

// The picture is decoded here, once; the drawing keeps its own copy of the pixels.
void CMainFrame::OnImportImage() {
    CKORVANEXView* view = ActiveView();
    if (!view) {
        return;
    }
    const QString fileName = QFileDialog::getOpenFileName(
        this, QStringLiteral("画像取り込み"), QString(),
        QStringLiteral("画像ファイル (*.jpg *.jpeg *.bmp *.tif *.tiff *.png *.gif)"));
    if (fileName.isEmpty()) {
        return;
    }
    QImageReader reader(fileName);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxImportPixels) {
        ShowImportFailure(kImageTooLarge, fileName,
                          QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()));
        return;
    }
    QImageReader::setAllocationLimit(int(kMaxImportPixels * 4 >> 20));
    const QImage decoded = reader.read();
    if (decoded.isNull()) {
        ShowImportFailure(kImageReadFailed, fileName, reader.errorString());
        return;
    }
    const QImage picture = decoded.convertToFormat(QImage::Format_RGB32);
    ExImagePixels pixels;
    pixels.width = picture.width();
    pixels.height = picture.height();
    pixels.pixels = reinterpret_cast<const std::uint32_t*>(picture.constBits());
    pixels.stride = int(picture.bytesPerLine() / 4);
    if (view->ImportImage(pixels)) {
        UpdateCommandStates();
    }
}

void CMainFrame::ShowImportFailure(const char* message, const QString& fileName,
                                   const QString& reason) {
    const QString text = QString::fromUtf8(message) + QStringLiteral("\n") +
                         QDir::toNativeSeparators(fileName) + QStringLiteral(": ") + reason;
    AppServices().MessageBox(text.toStdString(), ExMessageIcon::Stop, ExMessageButtons::Ok);
}
