#include "ExportCommand.h"

#include "CommandLine.h"
#include "DrawingDecision.h"
#include "KORVANEXDoc.h"
#include "SheetExport.h"
#include "ToolGuiApplication.h"

#include <QString>

#include <algorithm>
#include <memory>

void AddExportCommand(CLI::App& app, CToolServices& services) {
    auto request = std::make_shared<ExportRequest>();
    CLI::App* command =
        AddCommand(app, "export",
                   "用紙全体を画像に書き出します。用紙は余白 5 % で白地の中央に置き、\n"
                   "グリッドと選択は描きません",
                   [request, &services] { return RunExport(*request, services); });
    command->add_option("図面ファイル", request->drawing, "読み込む図面（.qlp）")->required();
    command
        ->add_option("画像ファイル", request->picture,
                     "書き出す画像。形式は拡張子のとおりです（.png、.bmp、.svg、.pdf）")
        ->required();
    const CLI::Validator pixels =
        WholeNumberIn(ExportRequest::kMinPixels, ExportRequest::kMaxPixels);
    command->add_option("--width", request->width, "画像の幅（16〜16384、初期値 1024）")
        ->option_text("ピクセル数")
        ->transform(pixels);
    command->add_option("--height", request->height, "画像の高さ（16〜16384、初期値 768）")
        ->option_text("ピクセル数")
        ->transform(pixels);
    command
        ->add_option("--form", request->form,
                     "描く部品: whole すべての部品、layout 配線以外の部品、\n"
                     "wiring 配線の部品だけ。どれも薄くせずに描きます。\n"
                     "省略すると図面に保存されているビューのとおりに描きます")
        ->option_text("内容")
        ->transform(OneOf({{"whole", 0}, {"layout", 1}, {"wiring", 2}}));
}

int RunExport(const ExportRequest& request, CToolServices& services) {
    const QString output = QString::fromStdString(request.picture);
    const std::optional<ExPictureFormat> format = PictureFormatOfFile(output);
    if (!format) {
        return Fail("画像の形式は拡張子 .png、.bmp、.svg、.pdf で選んでください: " +
                    request.picture);
    }
    CKORVANEXDoc doc;
    if (!OpenDrawing(doc, request.drawing, services)) {
        return 1;
    }
    const CToolGuiApplication application;

    const ExViewSettings& settings = doc.ViewSettings();
    const int mapWidth = std::clamp(settings.mapWidth, kMinMapMetres, kMaxMapMetres);
    const int mapHeight = std::clamp(settings.mapHeight, kMinMapMetres, kMaxMapMetres);
    const CExDrawingDecision decision = request.form
                                            ? CExDrawingDecision::ForPrintForm(*request.form)
                                            : CExDrawingDecision::ForPicture(doc.GetViewMode());
    QString error;
    if (!ExportSheet(doc, output, *format, QSize(request.width, request.height), decision, mapWidth,
                     mapHeight, &error)) {
        return Fail("画像の保存に失敗しました: " + request.picture + "（" + error.toStdString() +
                    "）");
    }
    return 0;
}
