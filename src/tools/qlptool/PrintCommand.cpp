#include "PrintCommand.h"

#include "CommandLine.h"
#include "ExPrintLayout.h"
#include "KORVANEXDoc.h"
#include "SheetPrint.h"
#include "ToolGuiApplication.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

#include <algorithm>
#include <memory>

namespace {

// "fit", handed on as 0, or a divisor in the print dialog's range.
CLI::Validator FitOrDivisor() {
    const CLI::Validator divisor =
        WholeNumberIn(CExPrintLayout::kMinScale, CExPrintLayout::kMaxScale);
    return CLI::Validator(
        [divisor](std::string& text) -> std::string {
            if (text == "fit") {
                text = "0";
                return {};
            }
            const std::string error = divisor(text);
            return error.empty() ? error : error + "（fit も使えます）";
        },
        "fit または " + divisor.get_description());
}

} // namespace

void AddPrintCommand(CLI::App& app, CToolServices& services) {
    auto request = std::make_shared<PrintRequest>();
    CLI::App* command = AddCommand(
        app, "print", "印刷コマンドと同じページを PDF に書き出します。用紙の余白は 10 mm です",
        [request, &services] { return RunPrint(*request, services); });
    command->add_option("図面ファイル", request->drawing, "読み込む図面（.qlp）")->required();
    command->add_option("PDFファイル", request->pdf, "書き出す PDF（.pdf）")->required();
    command
        ->add_option("--scale", request->scale,
                     "縮尺 1/N の N（10〜5000）。fit（初期値）は図面全体を\n"
                     "1 枚の用紙の中央に収める縮尺です。ほかの値では図面が\n"
                     "左下の角から必要な枚数のページに分かれます")
        ->option_text("fit|N")
        ->transform(FitOrDivisor());
    command
        ->add_option("--form", request->form,
                     "印刷形式: whole 全体、layout 配線以外、wiring 配線だけ。\n"
                     "省略すると図面のビューから選びます（レイアウトビューは\n"
                     "layout、配線ビューは wiring）")
        ->option_text("形式")
        ->transform(OneOf({{"whole", 0}, {"layout", 1}, {"wiring", 2}}));
    // B4 and B5 are the Japanese sizes, as the users of a Japanese program mean them.
    command->add_option("--paper", request->paper, "用紙（初期値 A4。B4 と B5 は JIS の大きさ）")
        ->option_text("用紙")
        ->transform(OneOf({{"A4", QPageSize::A4},
                           {"A3", QPageSize::A3},
                           {"B4", QPageSize::JisB4},
                           {"B5", QPageSize::JisB5},
                           {"Letter", QPageSize::Letter}}));
    command->add_flag("--landscape", request->landscape, "用紙を横向きにします");
}

int RunPrint(const PrintRequest& request, CToolServices& services) {
    const QString output = QString::fromStdString(request.pdf);
    if (QFileInfo(output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) {
        return Fail("印刷の書き出し先は拡張子 .pdf のファイルにしてください: " + request.pdf);
    }
    CKORVANEXDoc doc;
    if (!OpenDrawing(doc, request.drawing, services)) {
        return 1;
    }
    const ExViewSettings& settings = doc.ViewSettings();
    const int mapWidth = std::clamp(settings.mapWidth, kMinMapMetres, kMaxMapMetres);
    const int mapHeight = std::clamp(settings.mapHeight, kMinMapMetres, kMaxMapMetres);
    const QPageLayout page =
        DefaultPrintPageLayout(static_cast<QPageSize::PageSizeId>(request.paper),
                               request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const CExPrintLayout layout =
        CExPrintLayout::Make(mapWidth, mapHeight, PrintablePage(page), request.scale);
    if (layout.HasTooManyPages()) {
        return Fail("1/" + std::to_string(layout.Scale()) + " では " +
                    std::to_string(layout.PageCount()) + " ページになります（" +
                    std::to_string(CExPrintLayout::kMaxPages) +
                    " ページまで）。縮尺の分母を大きくしてください: " + request.drawing);
    }
    const CToolGuiApplication application;
    QPdfWriter pdf(output);
    pdf.setResolution(kPrintDpi);
    pdf.setPageLayout(page);
    pdf.setTitle(QFileInfo(QString::fromStdString(request.drawing)).completeBaseName());
    const int form = request.form.value_or(PreselectedPrintForm(doc.GetViewMode(), 0));
    CSheetPrinter sheet(doc, layout, form, mapWidth, mapHeight, kPrintDpi);
    QString error;
    if (!sheet.Print(pdf, &error)) {
        return Fail("印刷の書き出しに失敗しました: " + request.pdf + "（" + error.toStdString() +
                    "）");
    }
    return 0;
}
