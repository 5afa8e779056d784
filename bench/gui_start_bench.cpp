// Cold start of pl63-gui to its first shown main window, against a bare Qt
// Widgets window program started the same way on the same machine in the
// same run. Each is a fresh process, offscreen; the time runs from fork to
// the end of the window's first paint, the moment a user first sees it, which
// the program reports through a pipe before it closes itself. Prints the
// median of each and their ratio; goal: at most 1.5.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 24;  // of each program, in rounds of four starts
constexpr double kGoal = 1.5;
constexpr int kShownFd = 100;  // where the child finds the pipe's write end
constexpr int kPatienceMs = 20000;

// Seconds from fork to the end of the first paint; negative when the program
// did not report it or did not then exit cleanly.
double timeStart(const std::string& program, const fs::path& home) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return -1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        ::dup2(pipeFds[1], kShownFd);
        ::close(pipeFds[1]);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("PL63_GUI_QUIT_AFTER_SHOW", "1", 1);
        ::setenv("PL63_GUI_SHOWN_FD", std::to_string(kShownFd).c_str(), 1);
        ::setenv("PL63_SETTINGS_DIR", home.c_str(), 1);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
        std::freopen("/dev/null", "w", stderr);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(pipeFds[1]);
    double seconds = -1;
    pollfd shown{pipeFds[0], POLLIN, 0};
    char byte = 0;
    if (pid > 0 && ::poll(&shown, 1, kPatienceMs) == 1 && ::read(pipeFds[0], &byte, 1) == 1) {
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    ::close(pipeFds[0]);
    int status = 0;
    if (pid < 0) return -1;
    if (seconds < 0) ::kill(pid, SIGKILL);
    if (::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    // The program writes its parameter file beside itself: run a copy in a
    // folder of ours, which is also its settings folder and home, so the
    // user's settings take no part. The ports are probed as on a user's
    // first start: the machine's own serial ports, no `ports` file.
    const fs::path home =
        fs::temp_directory_path() / ("pl63-gui-bench-" + std::to_string(::getpid()));
    fs::create_directories(home);
    const fs::path gui = home / "pl63-gui";
    fs::copy_file(PL63_GUI, gui, fs::copy_options::overwrite_existing);

    std::vector<double> guiTimes, bareTimes;
    // One unmeasured start of each fills the file cache the same way for both.
    timeStart(gui, home);
    timeStart(PL63_BARE_WINDOW, home);
    for (int round = 0; round < kRuns / 2; ++round) {
        // Interleaved gui, bare, bare, gui: a slow moment of the machine falls
        // on both, and neither always runs in the wake of the other (what one
        // program leaves the machine to clean up slows whatever starts next).
        guiTimes.push_back(timeStart(gui, home));
        bareTimes.push_back(timeStart(PL63_BARE_WINDOW, home));
        bareTimes.push_back(timeStart(PL63_BARE_WINDOW, home));
        guiTimes.push_back(timeStart(gui, home));
    }
    fs::remove_all(home);
    if (*std::min_element(guiTimes.begin(), guiTimes.end()) < 0 ||
        *std::min_element(bareTimes.begin(), bareTimes.end()) < 0) {
        std::fprintf(stderr,
                     "gui start bench: a program did not report its first paint and close "
                     "cleanly\n");
        return 1;
    }
    const double guiMedian = median(guiTimes);
    const double bareMedian = median(bareTimes);
    const double ratio = guiMedian / bareMedian;
    std::printf(
        "gui start (to the first painted window): pl63-gui %.1f ms, bare Qt window %.1f ms "
        "(median of %d): ratio %.2f, goal <= %.1f %s\n",
        guiMedian * 1e3, bareMedian * 1e3, kRuns, ratio, kGoal, ratio <= kGoal ? "ok" : "MISSED");
    return 0;
}
