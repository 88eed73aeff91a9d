#include "CommandLine.h"

#include "KORVANEXDoc.h"
#include "ToolServices.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

constexpr const char* kPrefix = "qlptool: ";
constexpr const char* kOptionsGroup = "オプション";
constexpr const char* kHelpText = "この説明を表示します";
constexpr std::size_t kColumnWidth = 26;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every line on stderr says who wrote it.
std::string Prefixed(std::string_view text) {
    std::string out;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) {
            out += kPrefix + line + '\n';
        }
    }
    return out;
}

// CLI11's help with Japanese labels, and columns that line up under Japanese names.
class CJapaneseFormatter final : public CLI::Formatter {
public:
    CJapaneseFormatter() {
        label("Usage", "使い方");
        label("OPTIONS", "オプション");
        label("SUBCOMMAND", "コマンド");
        label("SUBCOMMANDS", "コマンド");
        label("Positionals", "引数");
        column_width(kColumnWidth);
    }

    std::string make_option(const CLI::Option* opt, bool isPositional) const override {
        std::string name = make_option_name(opt, isPositional);
        if (!isPositional && !opt->get_option_text().empty()) {
            name += ' ' + opt->get_option_text();
        }
        return Row(name, opt->get_description());
    }
    std::string make_subcommand(const CLI::App* command) const override {
        return Row(command->get_name(), command->get_description());
    }

private:
    std::string Row(const std::string& name, const std::string& description) const {
        std::string row = "  " + name;
        const std::size_t width = DisplayWidth(row);
        row += width < column_width_ ? std::string(column_width_ - width, ' ')
                                     : '\n' + std::string(column_width_, ' ');
        for (const char c : description) {
            row += c;
            if (c == '\n') {
                row += std::string(column_width_, ' ');
            }
        }
        return row + '\n';
    }
};

// The option a CLI11 refusal is about: the one whose name comes first in its text. CLI11 names
// the option in every refusal, but only in English sentences that must not reach the user.
const CLI::Option* OptionNamedIn(const CLI::App& app, std::string_view text) {
    std::vector<const CLI::App*> apps{&app};
    for (const CLI::App* command : app.get_subcommands()) {
        apps.push_back(command);
    }
    const CLI::Option* found = nullptr;
    std::size_t foundAt = std::string_view::npos;
    for (const CLI::App* each : apps) {
        for (const CLI::Option* option : each->get_options()) {
            const std::string name = option->get_name();
            const std::size_t at = text.find(name);
            if (at != std::string_view::npos &&
                (at < foundAt || (at == foundAt && name.size() > found->get_name().size()))) {
                found = option;
                foundAt = at;
            }
        }
    }
    return found;
}

// "--width" is followed by a space, a Japanese name such as "画像ファイル" is not.
std::string Subject(const std::string& name) {
    return IsAscii(name) ? name + ' ' : name;
}

// Arguments nobody took: an unknown option or command, or one file too many.
std::string LeftOver(const CLI::App& app, const std::vector<std::string>& extras) {
    const std::string& first = extras.front();
    if (first.starts_with('-')) {
        return "不明なオプションです: " + first;
    }
    return app.get_subcommands().empty() ? "不明なコマンドです: " + first
                                         : "余分な引数です: " + first;
}

// One Japanese sentence for each refusal of CLI11; without a command, the list of commands.
std::string Refusal(const CLI::App& app, const CLI::Error& error) {
    const bool missing = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr;
    if (missing || dynamic_cast<const CLI::ExtrasError*>(&error)) {
        // CLI11 looks for what is missing before what is left over, but a mistyped option
        // explains a missing file better than the other way round.
        if (const std::vector<std::string> extras = app.remaining(true); !extras.empty()) {
            return LeftOver(app, extras);
        }
        if (app.get_subcommands().empty()) {
            return app.help();
        }
    }
    const std::string text = error.what();
    const CLI::Option* option = OptionNamedIn(app, text);
    if (!option) {
        return "コマンドラインを解釈できません";
    }
    const std::string name = option->get_name();
    if (missing) {
        return Subject(name) + "を指定してください";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        return name + ": 値を指定してください";
    }
    // Our own checks say in Japanese what they refused; CLI11's would say it in English.
    const std::string said = text.starts_with(name + ": ") ? text.substr(name.size() + 2) : "";
    if (dynamic_cast<const CLI::ValidationError*>(&error) && !IsAscii(said)) {
        return name + ": " + said;
    }
    return name + ": 値が正しくありません";
}

} // namespace

void SetUpCommandLine(CLI::App& app) {
    app.formatter(std::make_shared<CJapaneseFormatter>());
    app.failure_message([](const CLI::App* parsed, const CLI::Error& error) {
        return Prefixed(Refusal(*parsed, error));
    });
    // As before CLI11: an option given twice keeps its last value.
    app.option_defaults()->group(kOptionsGroup)->take_last();
    app.set_help_flag("-h,--help", kHelpText);
    app.group("コマンド");
    app.require_subcommand(1);
}

CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description,
                     std::function<int()> run) {
    CLI::App* command = app.add_subcommand(name, description);
    // A command makes its help flag before it inherits the options' heading: make it again.
    command->set_help_flag("-h,--help", kHelpText);
    command->callback([run = std::move(run)] {
        if (const int result = run(); result != 0) {
            throw CLI::RuntimeError(result);
        }
    });
    return command;
}

int RunCommandLine(CLI::App& app, int argc, char* argv[]) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : 1;
    }
    return 0;
}

CLI::Validator WholeNumberIn(int low, int high) {
    const std::string range = std::to_string(low) + " から " + std::to_string(high);
    return CLI::Validator(
        [low, high, range](std::string& text) -> std::string {
            int value = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            if (error != std::errc() || end != text.data() + text.size() || value < low ||
                value > high) {
                return "「" + text + "」は " + range + " までの整数ではありません";
            }
            text = std::to_string(value);
            return {};
        },
        range + " までの整数");
}

CLI::Validator OneOf(std::vector<std::pair<std::string, int>> words) {
    std::string list;
    for (const auto& [word, number] : words) {
        list += (list.empty() ? "" : "、") + word;
    }
    return CLI::Validator(
        [words = std::move(words), list](std::string& text) -> std::string {
            for (const auto& [word, number] : words) {
                if (text == word) {
                    text = std::to_string(number);
                    return {};
                }
            }
            return "「" + text + "」は " + list + " のどれでもありません";
        },
        list + " のどれか");
}

std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            width += byte < 0x80 ? 1 : 2;
        }
    }
    return width;
}

void Say(std::string_view message) {
    std::cerr << Prefixed(message);
}

int Fail(std::string_view message) {
    Say(message);
    return 1;
}

bool OpenDrawing(CKORVANEXDoc& doc, const std::string& fileName, const CToolServices& services) {
    if (doc.OnOpenDocument(std::filesystem::path(fileName))) {
        return true;
    }
    // The model's message names the file and the reason.
    Fail(services.Messages().empty() ? "図面を読み込めませんでした: " + fileName
                                     : services.Messages().back());
    return false;
}
