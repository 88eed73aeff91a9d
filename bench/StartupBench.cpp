// Start-up as the user waits for it: from launching the program (startup_probe, the program
// with a watch on its first paint) to the first paint of its main window, with the shipped
// font and parts library and a first start's empty settings. The toolkit's platform is the
// environment's (offscreen unless QT_QPA_PLATFORM says otherwise; xcb under Xvfb).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The environment of a first start: settings, per-user data and the single-instance channel
// in a folder of their own, so that neither a real session nor an earlier run is seen.
std::vector<std::string> FirstStartEnvironment(const fs::path& home) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        const std::string name = variable.substr(0, variable.find('='));
        if (name != "XDG_CONFIG_HOME" && name != "XDG_DATA_HOME" && name != "XDG_STATE_HOME" &&
            name != "XDG_RUNTIME_DIR" && name != "TMPDIR" && name != "QT_QPA_PLATFORM") {
            variables.push_back(variable);
        }
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    variables.push_back(std::string("QT_QPA_PLATFORM=") + (platform ? platform : "offscreen"));
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const fs::path folder = home / name;
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_all);
        variables.push_back(std::string(name) + "=" + folder.string());
    }
    return variables;
}

// Launches the probe and returns the seconds from the launch to the end of the first paint, or
// a negative value when the probe failed.
double LaunchToFirstPaint(const std::vector<std::string>& environment) {
    int channel[2];
    if (pipe(channel) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    // The toolkit's remarks about the platform are not the benchmark's output.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    std::vector<char*> envp;
    for (const std::string& variable : environment) {
        envp.push_back(const_cast<char*>(variable.c_str()));
    }
    envp.push_back(nullptr);
    std::string program = STARTUP_PROBE_PATH;
    char* argv[] = {program.data(), nullptr};
    const long long launched = MonotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawned != 0) {
        close(channel[0]);
        return -1;
    }
    std::string output;
    char buffer[64];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty()) {
        return -1;
    }
    return static_cast<double>(std::stoll(output) - launched) / 1e9;
}

void BM_LaunchToFirstPaint(benchmark::State& state) {
    const fs::path home = fs::temp_directory_path() / "qp-bench-startup";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(home);
        const std::vector<std::string> environment = FirstStartEnvironment(home);
        state.ResumeTiming();
        const double seconds = LaunchToFirstPaint(environment);
        if (seconds < 0) {
            state.SkipWithError("the program did not paint its window");
            break;
        }
        state.SetIterationTime(seconds);
    }
    fs::remove_all(home);
}
BENCHMARK(BM_LaunchToFirstPaint)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
