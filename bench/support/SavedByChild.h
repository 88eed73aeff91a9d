#pragma once

// A drawing saved once by a child process: making it would leave the measuring process large
// and its allocator tuned by its history (how much freed memory it keeps), which would flatter
// or burden what is measured afterwards.

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

template <typename Save> std::filesystem::path SavedByChild(const char* name, Save save) {
    const auto file = std::filesystem::temp_directory_path() / name;
    const pid_t child = fork();
    if (child == 0) {
        save(file);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return file;
}
