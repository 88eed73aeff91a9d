#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>

// What a run of qlptool gave: its exit code and what it wrote on stdout.
struct ToolRun {
    int exitCode;
    std::string output;
};

// Runs a command line with stdout captured.
inline ToolRun RunCommand(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> buffer;
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe.get())) {
        output.append(buffer.data(), n);
    }
    const int status = pclose(pipe.release());
    return {WEXITSTATUS(status), output};
}

// Runs qlptool with stdout captured and stderr sent to a file.
inline ToolRun RunTool(const std::string& arguments, const std::filesystem::path& errors) {
    return RunCommand(std::string(QLPTOOL_PATH) + " " + arguments + " 2>" + errors.string());
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
