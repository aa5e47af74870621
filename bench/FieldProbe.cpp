// Watches the game's window on an X server from outside, as a player would see it, with a poll
// fine enough to time a start in milliseconds (a screenshot tool takes tens of milliseconds a
// picture). scripts/bench drives it; see the usage text below.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/FieldLook.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int FieldW = 400;
constexpr int FieldH = 300;
// Often enough for millisecond figures, seldom enough to leave the game and the X server
// the CPU they need on a small machine.
constexpr auto PollPeriod = std::chrono::milliseconds(2);

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb ColourOf(std::uint32_t rgb) {
    return {static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
            static_cast<int>(rgb & 0xFF)};
}

constexpr Rgb Sky = ColourOf(FieldLook::Sky);
constexpr Rgb TitleInk = ColourOf(FieldLook::Title);
constexpr Rgb Outline = ColourOf(FieldLook::ResultsOutline);

const char* const Usage =
    "usage: field_probe start [--timeout SECONDS] -- PROGRAM [ARGS...]\n"
    "         starts PROGRAM, prints mapped_ms=N title_ms=N (from the exec to its window\n"
    "         being mapped, and to the title screen on show), then stops PROGRAM\n"
    "       field_probe title PID [SECONDS]\n"
    "         waits for the title screen in PID's window; prints the field's screen position X Y\n"
    "       field_probe results PID [SECONDS]\n"
    "         waits for the results in PID's window, drawn and no longer changing\n";

// A window can vanish between finding it and reading it; that only means "not yet" here.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class FieldWatcher {
  public:
    FieldWatcher() : display_(XOpenDisplay(nullptr)) {
        if (display_ == nullptr) {
            std::fputs("field_probe: cannot open the display\n", stderr);
            std::exit(2);
        }
        XSetErrorHandler(IgnoreErrors);
        root_ = DefaultRootWindow(display_);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
    }
    ~FieldWatcher() { XCloseDisplay(display_); }
    FieldWatcher(const FieldWatcher&) = delete;
    FieldWatcher& operator=(const FieldWatcher&) = delete;

    // The field of PID's main window on the screen: the bottom 300 rows of a viewable
    // top-level window 400 wide with room for a menu bar.
    std::optional<std::pair<int, int>> FindField(pid_t pid) {
        Window rootReturn = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, root_, &rootReturn, &parent, &children, &count) == 0) {
            return std::nullopt;
        }
        std::optional<std::pair<int, int>> found;
        for (unsigned i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display_, children[i], &attributes) == 0 ||
                attributes.map_state != IsViewable || attributes.width != FieldW ||
                attributes.height <= FieldH || WindowPid(children[i]) != pid) {
                continue;
            }
            int x = 0;
            int y = 0;
            Window child = 0;
            if (XTranslateCoordinates(display_, children[i], root_, 0, 0, &x, &y, &child)) {
                found = std::make_pair(x, y + attributes.height - FieldH);
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
        return found;
    }

    // The field's pixels as the screen shows them, row by row; empty when unreadable.
    std::vector<Rgb> Grab(std::pair<int, int> at) {
        XImage* image =
            XGetImage(display_, root_, at.first, at.second, FieldW, FieldH, AllPlanes, ZPixmap);
        std::vector<Rgb> pixels;
        if (image == nullptr) {
            return pixels;
        }
        pixels.reserve(FieldW * FieldH);
        for (int y = 0; y < FieldH; ++y) {
            for (int x = 0; x < FieldW; ++x) {
                const unsigned long p = XGetPixel(image, x, y);
                pixels.push_back({Channel(p, image->red_mask), Channel(p, image->green_mask),
                                  Channel(p, image->blue_mask)});
            }
        }
        XDestroyImage(image);
        return pixels;
    }

  private:
    pid_t WindowPid(Window window) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        pid_t pid = -1;
        if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                               &items, &after, &data) == Success &&
            data != nullptr && format == 32 && items == 1) {
            pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
        }
        if (data != nullptr) {
            XFree(data);
        }
        return pid;
    }

    static int Channel(unsigned long pixel, unsigned long mask) {
        if (mask == 0) {
            return 0;
        }
        const int shift = __builtin_ctzl(mask);
        const unsigned long top = mask >> shift;
        return static_cast<int>(((pixel & mask) >> shift) * 255 / top);
    }

    Display* display_;
    Window root_ = 0;
    Atom pidAtom_ = 0;
};

int Count(const std::vector<Rgb>& field, Rgb colour, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            n += field[y * FieldW + x] == colour ? 1 : 0;
        }
    }
    return n;
}

// The title screen: sky in the four corners, and the title's ink in the middle and nowhere else.
bool IsTitle(const std::vector<Rgb>& field) {
    if (field.size() != static_cast<std::size_t>(FieldW * FieldH)) {
        return false;
    }
    for (const int at : {0, FieldW - 1, (FieldH - 1) * FieldW, FieldH * FieldW - 1}) {
        if (!(field[at] == Sky)) {
            return false;
        }
    }
    const int middle = Count(field, TitleInk, 100, 100, 300, 200);
    return middle >= 100 && middle == Count(field, TitleInk, 0, 0, FieldW, FieldH);
}

// Only the results block is drawn in the outline colour.
bool ShowsResults(const std::vector<Rgb>& field) {
    return field.size() == static_cast<std::size_t>(FieldW * FieldH) &&
           Count(field, Outline, 0, 0, FieldW, FieldH) >= 20;
}

bool Running(pid_t pid) {
    return kill(pid, 0) == 0;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int Start(int argc, char** argv) {
    double timeout = 30;
    int first = 0;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc) {
            timeout = std::atof(argv[++first]);
        } else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else {
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (first >= argc) {
        std::fputs(Usage, stderr);
        return 2;
    }
    // Connected before the clock starts, so only the program's own start is timed.
    FieldWatcher screen;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("field_probe: fork");
        return 2;
    }
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror("field_probe: exec");
        _exit(127);
    }
    std::optional<double> mapped;
    std::optional<double> title;
    while (!title && MsSince(start) < timeout * 1000) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fputs("field_probe: the program ended before its title screen\n", stderr);
            return 1;
        }
        if (const auto field = screen.FindField(pid)) {
            const double seen = MsSince(start);
            if (!mapped) {
                mapped = seen;
            }
            if (IsTitle(screen.Grab(*field))) {
                title = seen;
            }
        }
        std::this_thread::sleep_for(PollPeriod);
    }
    Stop(pid);
    if (!title) {
        std::fputs("field_probe: no title screen in time\n", stderr);
        return 1;
    }
    std::printf("mapped_ms=%.1f title_ms=%.1f\n", *mapped, *title);
    return 0;
}

int Watch(const std::string& what, int argc, char** argv) {
    if (argc < 1) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const auto pid = static_cast<pid_t>(std::atol(argv[0]));
    const double timeout = argc > 1 ? std::atof(argv[1]) : 30;
    FieldWatcher screen;
    const Clock::time_point start = Clock::now();
    std::vector<Rgb> previous;
    while (MsSince(start) < timeout * 1000 && Running(pid)) {
        if (const auto field = screen.FindField(pid)) {
            std::vector<Rgb> shot = screen.Grab(*field);
            if (what == "title" && IsTitle(shot)) {
                std::printf("%d %d\n", field->first, field->second);
                return 0;
            }
            // The results are drawn over the last frame; once two looks a tick apart agree,
            // the field stands still.
            if (what == "results" && ShowsResults(shot)) {
                if (shot == previous) {
                    return 0;
                }
                previous = std::move(shot);
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                continue;
            }
            previous.clear();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::fprintf(stderr, "field_probe: no %s screen in time\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "start") == 0) {
        return Start(argc - 2, argv + 2);
    }
    if (argc >= 3 && (std::strcmp(argv[1], "title") == 0 || std::strcmp(argv[1], "results") == 0)) {
        return Watch(argv[1], argc - 2, argv + 2);
    }
    std::fputs(Usage, stderr);
    return 2;
}
