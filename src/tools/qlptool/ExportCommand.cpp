#include "ExportCommand.h"

#include "DrawingDecision.h"
#include "KORVANEXDoc.h"
#include "SheetExport.h"
#include "ToolServices.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QMessageLogContext>
#include <QString>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;
constexpr int kMinPixels = 16;
constexpr int kMaxPixels = 16384;
constexpr int kMaxSheetMetres = 1000;

struct ExportRequest {
    std::string input;
    std::string output;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    std::optional<int> form; // print form; none = the drawing's view mode
};

// Qt's own notes about the session (no runtime folder, no display) are not the tool's business:
// what goes wrong is reported once, by the tool.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "qlptool: " << message.toStdString() << '\n';
    }
}

int Fail(const std::string& message) {
    std::cerr << "qlptool: " << message << '\n';
    return 1;
}

std::optional<int> ParsePixels(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < kMinPixels ||
        value > kMaxPixels) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseForm(std::string_view text) {
    if (text == "whole") {
        return 0;
    }
    if (text == "layout") {
        return 1;
    }
    if (text == "wiring") {
        return 2;
    }
    return std::nullopt;
}

// Fills the request from the arguments after "export"; an error message otherwise.
std::optional<std::string> ParseArguments(int argc, char* argv[], ExportRequest& request) {
    std::vector<std::string_view> positional;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with("--")) {
            positional.push_back(argument);
            continue;
        }
        if (i + 1 >= argc) {
            return "option " + std::string(argument) + " needs a value";
        }
        const std::string_view value = argv[++i];
        if (argument == "--width" || argument == "--height") {
            const std::optional<int> pixels = ParsePixels(value);
            if (!pixels) {
                return std::string(argument) + " must be a whole number of pixels from " +
                       std::to_string(kMinPixels) + " to " + std::to_string(kMaxPixels);
            }
            (argument == "--width" ? request.width : request.height) = *pixels;
        } else if (argument == "--form") {
            request.form = ParseForm(value);
            if (!request.form) {
                return "--form must be whole, layout or wiring";
            }
        } else {
            return "unknown option " + std::string(argument);
        }
    }
    if (positional.size() != 2) {
        return "usage: qlptool export FILE.qlp OUT.(png|bmp|svg|pdf) [--width PX] [--height PX] "
               "[--form whole|layout|wiring]";
    }
    request.input = positional[0];
    request.output = positional[1];
    return std::nullopt;
}

} // namespace

int RunExport(int argc, char* argv[], CToolServices& services) {
    ExportRequest request;
    if (const std::optional<std::string> error = ParseArguments(argc, argv, request)) {
        return Fail(*error);
    }
    const QString output = QString::fromStdString(request.output);
    const std::optional<ExPictureFormat> format = PictureFormatOfFile(output);
    if (!format) {
        return Fail(request.output + ": the picture must end in .png, .bmp, .svg or .pdf");
    }
    CKORVANEXDoc doc;
    if (!doc.OnOpenDocument(std::filesystem::path(request.input))) {
        const std::string reason =
            services.Messages().empty() ? "cannot read the drawing" : services.Messages().back();
        return Fail(request.input + ": " + reason);
    }
    // Pictures and their fonts need a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int appArgc = 1;
    char appName[] = "qlptool";
    char* appArgv[] = {appName, nullptr};
    QGuiApplication app(appArgc, appArgv);

    const ExViewSettings& settings = doc.ViewSettings();
    const int mapWidth = std::clamp(settings.mapWidth, 1, kMaxSheetMetres);
    const int mapHeight = std::clamp(settings.mapHeight, 1, kMaxSheetMetres);
    const CExDrawingDecision decision = request.form
                                            ? CExDrawingDecision::ForPrintForm(*request.form)
                                            : CExDrawingDecision::ForPicture(doc.GetViewMode());
    QString error;
    if (!ExportSheet(doc, output, *format, QSize(request.width, request.height), decision, mapWidth,
                     mapHeight, &error)) {
        return Fail(request.output + ": " + error.toStdString());
    }
    return 0;
}
