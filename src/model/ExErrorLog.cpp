#include "ExErrorLog.h"

#include <cstdio>
#include <ctime>
#include <fstream>

namespace exlog {
namespace {

std::ofstream& LogStream() {
    static std::ofstream stream;
    return stream;
}

// Copies the lines after the title of an earlier run's log to the end of the history.
void AppendToHistory(const std::filesystem::path& oldLog, const std::filesystem::path& history,
                     std::chrono::system_clock::time_point now) {
    std::ifstream in(oldLog, std::ios::binary);
    if (!in) {
        return;
    }
    std::string line;
    if (!std::getline(in, line)) {
        return;
    }
    if (!std::getline(in, line)) {
        return;
    }
    std::ofstream out(history, std::ios::binary | std::ios::app);
    if (!out) {
        return;
    }
    out << TimeHeader(now) << '\n';
    do {
        out << line << '\n';
    } while (std::getline(in, line));
}

} // namespace

std::string TimeHeader(std::chrono::system_clock::time_point now) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now) + 9 * 3600;
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M:%S", &parts);
    return std::string("<< LOGING TIME : ") + stamp + " >>";
}

bool Start(const std::filesystem::path& folder, std::string_view logName, std::string_view title,
           std::chrono::system_clock::time_point now) {
    const std::filesystem::path log = folder / std::string(logName);
    std::error_code error;
    if (std::filesystem::exists(log, error)) {
        AppendToHistory(log, folder / kHistoryName, now);
    }
    std::ofstream& stream = LogStream();
    if (stream.is_open()) {
        stream.close();
    }
    stream.clear();
    stream.open(log, std::ios::binary | std::ios::trunc);
    if (!stream) {
        return false;
    }
    WriteLine(title);
    return true;
}

void WriteLine(std::string_view text) {
    std::ofstream& stream = LogStream();
    if (!stream.is_open() || !stream) {
        return;
    }
    stream << text << '\n';
    stream.flush();
}

void Stop() {
    std::ofstream& stream = LogStream();
    if (stream.is_open()) {
        stream.close();
    }
}

} // namespace exlog
