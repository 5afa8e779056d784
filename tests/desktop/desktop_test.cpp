// pl63-gui as a real X11 program: started on its own Xvfb display, its main
// window looked up by the process id it announces, the title read in each
// language, and the window closed the way a window manager's close button
// does it (a WM_DELETE_WINDOW message), after which the program must end by
// itself and have written its parameter file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Last: Xlib defines macros (None, Bool, Status) that clash with the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::optional<std::string> findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = folders.find(':', start);
        const fs::path candidate =
            fs::path(folders.substr(start, end == std::string::npos ? end : end - start)) / name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return std::nullopt;
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            int keepFd = -1) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    for (const std::string& entry : environment) ::putenv(const_cast<char*>(entry.c_str()));
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, STDIN_FILENO);
    if (keepFd != STDOUT_FILENO) ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    std::_Exit(127);
}

// The exit code, or nullopt when the process has not ended within `limit`
// (or died of a signal).
std::optional<int> waitExit(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            if (WIFEXITED(status)) return WEXITSTATUS(status);
            return std::nullopt;
        }
        std::this_thread::sleep_for(20ms);
    }
    return std::nullopt;
}

void stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    if (!waitExit(pid, 3s)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}

// An X server of our own, on the first free display number it finds.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const std::string& xvfb) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = spawn({xvfb, "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                      "-nolisten", "tcp"},
                     {}, fds[1]);
        ::close(fds[1]);
        std::string number;
        char c = 0;
        while (::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(fds[0]);
        if (number.empty()) return;
        name_ = ":" + number;
        display_ = XOpenDisplay(name_.c_str());
    }
    ~VirtualDisplay() {
        if (display_) XCloseDisplay(display_);
        stop(pid_);
    }
    Display* display() const { return display_; }
    const std::string& name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
    Display* display_ = nullptr;
};

std::optional<unsigned long> cardinalProperty(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> value;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32) {
        value = *reinterpret_cast<unsigned long*>(data);
    }
    if (data) XFree(data);
    return value;
}

std::string utf8Property(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display, window, property, 0, 1024, False,
                           XInternAtom(display, "UTF8_STRING", False), &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 8) {
        value.assign(reinterpret_cast<char*>(data), count);
    }
    if (data) XFree(data);
    return value;
}

// The shown top-level window of process `pid` that carries a title.
std::optional<Window> findMainWindow(Display* display, pid_t pid) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const Atom nameAtom = XInternAtom(display, "_NET_WM_NAME", False);
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<Window> found;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return found;
    }
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable) {
            continue;
        }
        if (cardinalProperty(display, children[i], pidAtom) != static_cast<unsigned long>(pid)) {
            continue;
        }
        if (!utf8Property(display, children[i], nameAtom).empty()) found = children[i];
    }
    if (children) XFree(children);
    return found;
}

// What a window manager sends when the user clicks the close button.
void sendDeleteWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        xvfb_ = findProgram("Xvfb");
        if (!xvfb_) GTEST_SKIP() << "Xvfb is not installed";
        folder_ = fs::temp_directory_path() / ("pl63-desktop-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        // A copy of the program, so its parameter file lands in our folder.
        gui_ = folder_ / "pl63-gui";
        fs::copy_file(PL63_GUI, gui_);
        // COM2 is a pseudo-terminal that opens; every other number is nothing.
        adapter_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(adapter_, 0);
        ASSERT_EQ(::grantpt(adapter_), 0);
        ASSERT_EQ(::unlockpt(adapter_), 0);
        std::ofstream ports(folder_ / "ports");
        for (int n = 1; n <= 20; ++n) {
            ports << "COM" << n << "="
                  << (n == 2 ? std::string(::ptsname(adapter_)) : (folder_ / "none").string())
                  << "\n";
        }
    }
    void TearDown() override {
        if (adapter_ >= 0) ::close(adapter_);
        if (!folder_.empty()) fs::remove_all(folder_);
    }

    void writeParameter(std::vector<char> bytes) {
        std::ofstream(folder_ / "parameter", std::ios::binary).write(bytes.data(), bytes.size());
    }
    std::vector<int> readParameter() {
        std::ifstream file(folder_ / "parameter", std::ios::binary);
        std::vector<int> bytes;
        for (char c; file.get(c);) bytes.push_back(static_cast<unsigned char>(c));
        return bytes;
    }

    // Starts the program, returns the title of its main window, closes it
    // through WM_DELETE_WINDOW and expects it to end cleanly. `whileShown`
    // runs once the window is up, before the close.
    std::string runAndClose(const std::vector<std::string>& arguments = {},
                            const std::function<void()>& whileShown = {}) {
        VirtualDisplay screen(*xvfb_);
        if (!screen.display()) {
            ADD_FAILURE() << "Xvfb did not start";
            return {};
        }
        const std::string home = folder_.string();
        std::vector<std::string> argv{gui_.string()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        const pid_t gui =
            spawn(argv,
                  {"DISPLAY=" + screen.name(), "QT_QPA_PLATFORM=xcb", "PL63_SETTINGS_DIR=" + home,
                   "HOME=" + home, "XDG_CONFIG_HOME=" + home, "XDG_RUNTIME_DIR=" + home});
        std::optional<Window> window;
        for (int i = 0; i < 1000 && !window; ++i) {
            window = findMainWindow(screen.display(), gui);
            if (!window) std::this_thread::sleep_for(20ms);
        }
        if (!window) {
            stop(gui);
            ADD_FAILURE() << "pl63-gui showed no window";
            return {};
        }
        if (whileShown) whileShown();
        const std::string title = utf8Property(
            screen.display(), *window, XInternAtom(screen.display(), "_NET_WM_NAME", False));
        sendDeleteWindow(screen.display(), *window);
        const std::optional<int> code = waitExit(gui, 15s);
        EXPECT_EQ(code, 0) << "pl63-gui did not end cleanly after the close";
        if (!code) stop(gui);
        return title;
    }

    std::optional<std::string> xvfb_;
    fs::path folder_;
    fs::path gui_;
    int adapter_ = -1;
};

TEST_F(DesktopTest, ChineseOnAFirstStartAndTheParameterFileWrittenAtClose) {
    ASSERT_FALSE(fs::exists(folder_ / "parameter"));
    EXPECT_EQ(runAndClose(), "Varnel对讲机编程软件 V1.00");
    // Unlocked, the port that opened (COM2), Chinese.
    EXPECT_EQ(readParameter(), (std::vector<int>{0, 2, 0}));
}

TEST_F(DesktopTest, EnglishFromTheParameterFileAndKeptAtClose) {
    writeParameter({1, 0, 1});
    EXPECT_EQ(runAndClose(), "Varnel Radio Software V1.00");
    EXPECT_EQ(readParameter(), (std::vector<int>{1, 2, 1}));
}

// A codeplug named on the command line opens right after start-up, as File >
// Open would: it joins the list of recent files, and the caption names it
// without a modification, so the close asks nothing.
TEST_F(DesktopTest, ACodeplugNamedOnTheCommandLineOpensAtStartUp) {
    const fs::path sample = fs::path(PL63_SOURCE_DIR) / "examples" / "sample.DAT";
    const fs::path file = folder_ / "radio.DAT";
    fs::copy_file(sample, file);
    bool listed = false;
    const std::string title = runAndClose({file.string()}, [&] {
        for (int i = 0; i < 500 && !listed; ++i) {
            std::ifstream recent(folder_ / "recent.ini");
            const std::string text{std::istreambuf_iterator<char>(recent), {}};
            listed = text.find(file.string()) != std::string::npos;
            if (!listed) std::this_thread::sleep_for(20ms);
        }
    });
    EXPECT_TRUE(listed);
    EXPECT_EQ(title, "PL63-" + file.string());
}

// The centre of a mapped window, in root coordinates.
std::pair<int, int> centreOf(Display* display, Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x + attributes.width / 2, y + attributes.height / 2};
}

// A window manager places a new window where it likes, after the program
// asked to show it. A message about the codeplug named on the command line
// (here: a channel no radio can have) must open centred over the window where
// the window manager put it, not where the program had it before. The test
// is that window manager: it takes every map request, moves the main window
// to a place of its own choosing first and maps it there.
TEST_F(DesktopTest, AMessageAboutTheCommandLinesCodeplugOpensOverThePlacedWindow) {
    const fs::path file = folder_ / "odd.DAT";
    fs::copy_file(fs::path(PL63_SOURCE_DIR) / "examples" / "sample.DAT", file);
    {
        std::fstream bytes(file, std::ios::in | std::ios::out | std::ios::binary);
        bytes.seekp(5);  // channel 1's RX frequency: digits that are not decimal
        bytes.write("\xAB\xAB\xAB\xAB", 4);
    }
    VirtualDisplay screen(*xvfb_);
    Display* display = screen.display();
    ASSERT_NE(display, nullptr) << "Xvfb did not start";
    XSelectInput(display, DefaultRootWindow(display), SubstructureRedirectMask);
    XSync(display, False);
    const std::string home = folder_.string();
    const pid_t gui = spawn({gui_.string(), file.string()},
                            {"DISPLAY=" + screen.name(), "QT_QPA_PLATFORM=xcb",
                             "PL63_SETTINGS_DIR=" + home, "HOME=" + home,
                             "XDG_CONFIG_HOME=" + home, "XDG_RUNTIME_DIR=" + home});
    const Atom nameAtom = XInternAtom(display, "_NET_WM_NAME", False);
    std::optional<Window> main, message;
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (!message && std::chrono::steady_clock::now() < end) {
        if (!XPending(display)) {
            std::this_thread::sleep_for(5ms);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ConfigureRequest) {
            const XConfigureRequestEvent& request = event.xconfigurerequest;
            XWindowChanges changes{};
            changes.x = request.x;
            changes.y = request.y;
            changes.width = request.width;
            changes.height = request.height;
            changes.border_width = request.border_width;
            XConfigureWindow(display, request.window,
                             request.value_mask & ~(CWSibling | CWStackMode), &changes);
        } else if (event.type == MapRequest) {
            const Window window = event.xmaprequest.window;
            if (!main && utf8Property(display, window, nameAtom).rfind("Varnel", 0) == 0) {
                main = window;
                XMoveWindow(display, window, 500, 350);
            } else if (main) {
                message = window;
            }
            XMapWindow(display, window);
        }
        XFlush(display);
    }
    ASSERT_TRUE(main) << "pl63-gui showed no window";
    ASSERT_TRUE(message) << "no message about the codeplug";
    // Let the message take its place; the requests it makes are granted.
    for (int i = 0; i < 50; ++i) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapRequest) XMapWindow(display, event.xmaprequest.window);
        }
        std::this_thread::sleep_for(10ms);
    }
    const auto [mainX, mainY] = centreOf(display, *main);
    const auto [boxX, boxY] = centreOf(display, *message);
    EXPECT_NEAR(boxX, mainX, 40);
    EXPECT_NEAR(boxY, mainY, 80);
    stop(gui);
}

}  // namespace
