#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

// The error log of the running program. At start the previous run's log is appended to the
// history log under a time header, and a fresh log is begun with its title line. Writing never
// fails loudly: when the log could not be opened, writes are ignored.
namespace exlog {

inline constexpr const char* kLogName = "ExErr.log";
inline constexpr const char* kHistoryName = "ExErrHistory.log";
inline constexpr const char* kTitle = "QUILLPLAN - Exception Report";

// Returns whether the new log could be opened.
bool Start(const std::filesystem::path& folder, std::string_view logName, std::string_view title,
           std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// Writes one line (a line feed is added) and flushes.
void WriteLine(std::string_view text);

// Closes the log; later writes are ignored until the next Start.
void Stop();

// The time header text of a history entry, in Japan Standard Time (UTC + 9 hours).
std::string TimeHeader(std::chrono::system_clock::time_point now);

} // namespace exlog
