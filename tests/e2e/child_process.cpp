#include "e2e/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace pl63::e2e {
namespace {

using Clock = std::chrono::steady_clock;

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            int& outFd, int& errFd) {
    // Everything the child needs is built before the fork: the tests start
    // tools from several threads at once.
    std::vector<char*> args;
    for (const std::string& word : argv) args.push_back(const_cast<char*>(word.c_str()));
    args.push_back(nullptr);
    // The extra entries go first: lookups take the first of equal names.
    std::vector<char*> env;
    for (const std::string& entry : environment) env.push_back(const_cast<char*>(entry.c_str()));
    for (char** entry = environ; *entry; ++entry) env.push_back(*entry);
    env.push_back(nullptr);

    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return -1;
    if (::pipe2(err, O_CLOEXEC) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::execve(args[0], args.data(), env.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    outFd = out[0];
    errFd = err[0];
    return pid;
}

// Exit code, or -1 for a death by signal.
int exitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, std::chrono::milliseconds limit,
                         const std::vector<std::string>& environment, const ErrTrigger* trigger) {
    ProcessResult result;
    const auto start = Clock::now();
    int outFd = -1, errFd = -1;
    const pid_t pid = spawn(argv, environment, outFd, errFd);
    if (pid < 0) return result;

    const auto deadline = start + limit;
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            ::kill(pid, SIGKILL);
            result.killed = true;
            break;
        }
        if (::poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buffer[4096];
            const ssize_t count = ::read(fds[i].fd, buffer, sizeof buffer);
            if (count > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(count));
                if (trigger && i == 1 && result.err.find(trigger->text) != std::string::npos) {
                    trigger->action(pid);
                    trigger = nullptr;
                }
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (auto& fd : fds) {
        if (fd.fd >= 0) ::close(fd.fd);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    result.exitCode = result.killed ? -1 : exitCodeOf(status);
    return result;
}

SimulatedRadio::SimulatedRadio(const std::vector<std::string>& options) {
    std::vector<std::string> argv{PL63_RADIOSIM};
    argv.insert(argv.end(), options.begin(), options.end());
    int errFd = -1;
    pid_ = spawn(argv, {}, stdoutFd_, errFd);
    if (pid_ < 0) return;
    ::close(errFd);  // the simulator's complaints are not what the tests look at

    // The device path is the first line; a loaded machine may take a while.
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    std::string line;
    while (line.find('\n') == std::string::npos && Clock::now() < deadline) {
        pollfd fd{stdoutFd_, POLLIN, 0};
        if (::poll(&fd, 1, 100) <= 0) continue;
        char buffer[256];
        const ssize_t count = ::read(stdoutFd_, buffer, sizeof buffer);
        if (count <= 0) break;
        line.append(buffer, static_cast<std::size_t>(count));
    }
    if (auto end = line.find('\n'); end != std::string::npos) device_ = line.substr(0, end);
}

std::optional<int> SimulatedRadio::waitForExit(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (pid_ > 0) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return exitCodeOf(status);
        }
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

SimulatedRadio::~SimulatedRadio() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        if (!waitForExit(std::chrono::seconds(3))) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    if (stdoutFd_ >= 0) ::close(stdoutFd_);
}

}  // namespace pl63::e2e
