// Sends key presses and clicks to a program's windows through XTest and times
// each from the input to the last pixel it draws, as the X server sees the
// drawing (XDamage on the root window, which reports drawing in every window).
//
// A pixel counts when it is first drawn after the input: what is drawn again
// later over the same place (a button's pressed look ending, a text cursor
// blinking) is part of the step's look, not of its answer. The step ends when
// nothing new has been drawn for the quiet time.
//
// Reads steps from standard input, one a line:
//   window TITLE            the window that clicks are placed in
//   wait TITLE              waits until a window with the title is mapped
//   key KEYS [LABEL]        presses and releases KEYS (e.g. alt+n, Return, space)
//   click X Y [LABEL]       clicks at X, Y in the window, once the pointer's
//                           arrival there is drawn
//   tap X Y [LABEL]         moves the pointer to X, Y and clicks at once, timed
//                           from the move
//   move X Y                moves the pointer to X, Y in the window
//   settle                  waits until nothing has been drawn for the quiet time
//   sleep MS                waits MS milliseconds
// A step with a LABEL is timed and printed as "LABEL<tab>milliseconds" (or
// "LABEL<tab>none" if nothing was drawn); every step settles before the next,
// but for key! and click!, which only send their input (to time a step taken
// while the program is still busy with the one before).
//   inputtopixels [QUIET_MS]   (default 250)
// With INPUTTOPIXELS_TRACE set, every drawing is written to standard error.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include "windowtitle.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A mapped window with the title, searched depth first under the root (a
// window manager puts the program's windows inside frames of its own).
std::optional<Window> findWindow(Display *display, Window parent, const std::string &title)
{
    Window root = 0, up = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = count; i-- > 0 && !found;) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable
            && windowTitle(display, children[i]) == title)
            found = children[i];
        else
            found = findWindow(display, children[i], title);
    }
    if (children)
        XFree(children);
    return found;
}

class DrawingWatch {
public:
    DrawingWatch(Display *display, int quietMs)
        : m_display(display)
        , m_root(DefaultRootWindow(display))
        , m_width(DisplayWidth(display, DefaultScreen(display)))
        , m_height(DisplayHeight(display, DefaultScreen(display)))
        , m_quietMs(quietMs)
        , m_drawn(static_cast<size_t>(m_width) * m_height)
    {
        int error = 0;
        if (!XDamageQueryExtension(display, &m_damageEvent, &error)) {
            std::cerr << "inputtopixels: the X server has no DAMAGE extension\n";
            std::exit(1);
        }
        m_damage = XDamageCreate(display, m_root, XDamageReportRawRectangles);
        XSync(display, False);
    }

    // Reads what was drawn until nothing new has come for the quiet time; returns
    // the milliseconds from start to the last newly drawn pixel, if any.
    std::optional<double> collect(Clock::time_point start, int capMs = 5000)
    {
        std::fill(m_drawn.begin(), m_drawn.end(), 0);
        std::optional<double> last;
        auto lastNews = start;
        const int fd = ConnectionNumber(m_display);
        for (;;) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type != m_damageEvent + XDamageNotify)
                    continue;
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                const bool news = markNew(damage.area);
                if (m_trace)
                    std::fprintf(stderr, "%8.2f ms %4dx%-4d at %4d,%-4d%s\n", msSince(start),
                                 damage.area.width, damage.area.height, damage.area.x, damage.area.y,
                                 news ? "" : " (drawn again)");
                if (news) {
                    last = msSince(start);
                    lastNews = Clock::now();
                }
            }
            const double quietFor =
                std::chrono::duration<double, std::milli>(Clock::now() - lastNews).count();
            if (quietFor >= m_quietMs || msSince(start) >= capMs)
                return last;
            pollfd wait {fd, POLLIN, 0};
            poll(&wait, 1, std::max(1, static_cast<int>(m_quietMs - quietFor)));
        }
    }

private:
    bool markNew(const XRectangle &area)
    {
        bool news = false;
        const int x0 = std::max(0, int(area.x)), y0 = std::max(0, int(area.y));
        const int x1 = std::min(m_width, area.x + int(area.width));
        const int y1 = std::min(m_height, area.y + int(area.height));
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                unsigned char &pixel = m_drawn[static_cast<size_t>(y) * m_width + x];
                news = news || !pixel;
                pixel = 1;
            }
        }
        return news;
    }

    Display *m_display;
    Window m_root;
    int m_width;
    int m_height;
    int m_quietMs;
    std::vector<unsigned char> m_drawn;
    int m_damageEvent = 0;
    const bool m_trace = std::getenv("INPUTTOPIXELS_TRACE") != nullptr;
    Damage m_damage = 0;
};

void sendKeys(Display *display, const std::string &keys)
{
    std::vector<KeyCode> codes;
    std::stringstream parts(keys);
    std::string part;
    while (std::getline(parts, part, '+')) {
        std::string name = part;
        if (name == "alt")
            name = "Alt_L";
        else if (name == "ctrl")
            name = "Control_L";
        else if (name == "shift")
            name = "Shift_L";
        const KeySym sym = XStringToKeysym(name.c_str());
        const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
        if (!code) {
            std::cerr << "inputtopixels: no key " << part << '\n';
            std::exit(2);
        }
        codes.push_back(code);
    }
    for (KeyCode code : codes)
        XTestFakeKeyEvent(display, code, True, CurrentTime);
    for (auto code = codes.rbegin(); code != codes.rend(); ++code)
        XTestFakeKeyEvent(display, *code, False, CurrentTime);
}

bool placePointer(Display *display, Window window, int x, int y)
{
    Window child = 0;
    int rootX = 0, rootY = 0;
    if (!XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child))
        return false;
    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const int quietMs = argc > 1 ? std::atoi(argv[1]) : 250;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::cerr << "inputtopixels: cannot open the display\n";
        return 1;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::cerr << "inputtopixels: the X server has no XTEST extension\n";
        return 1;
    }
    DrawingWatch drawing(display, quietMs);
    Window target = 0;

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        std::string label;
        const auto restAsLabel = [&] { std::getline(words >> std::ws, label); };
        if (verb.empty() || verb[0] == '#')
            continue;
        if (verb == "window" || verb == "wait") {
            std::string title;
            std::getline(words >> std::ws, title);
            const auto start = Clock::now();
            std::optional<Window> found;
            while (!(found = findWindow(display, DefaultRootWindow(display), title))
                   && msSince(start) < 10000)
                usleep(10000);
            if (!found) {
                std::cerr << "inputtopixels: no window \"" << title << "\"\n";
                return 1;
            }
            if (verb == "window") {
                target = *found;
                // Keys go to the window whether or not a window manager gives it the focus.
                XSetInputFocus(display, target, RevertToParent, CurrentTime);
            }
            drawing.collect(Clock::now());
            continue;
        }
        if (verb == "settle") {
            drawing.collect(Clock::now());
            continue;
        }
        if (verb == "sleep") {
            int ms = 0;
            words >> ms;
            usleep(ms * 1000);
            continue;
        }
        const bool onlySend = verb.back() == '!';
        if (onlySend)
            verb.pop_back();
        const auto start = Clock::now();
        if (verb == "key") {
            std::string keys;
            words >> keys;
            restAsLabel();
            sendKeys(display, keys);
        } else if (verb == "click" || verb == "tap" || verb == "move") {
            int x = 0, y = 0;
            words >> x >> y;
            restAsLabel();
            if (!target || !placePointer(display, target, x, y)) {
                std::cerr << "inputtopixels: no window to click in\n";
                return 1;
            }
            if (verb == "tap") {
                XTestFakeButtonEvent(display, 1, True, CurrentTime);
                XTestFakeButtonEvent(display, 1, False, CurrentTime);
            }
            if (verb == "click") {
                XFlush(display);
                // The pointer's arrival (a button lighting up under it) is not the click's doing.
                if (!onlySend)
                    drawing.collect(Clock::now());
                XTestFakeButtonEvent(display, 1, True, CurrentTime);
                XTestFakeButtonEvent(display, 1, False, CurrentTime);
            }
        } else {
            std::cerr << "inputtopixels: unknown step " << verb << '\n';
            return 2;
        }
        const auto sent = Clock::now();
        XFlush(display);
        if (onlySend)
            continue;
        const std::optional<double> ms = drawing.collect(verb == "click" ? sent : start);
        if (!label.empty()) {
            if (ms)
                std::printf("%s\t%.2f\n", label.c_str(), *ms);
            else
                std::printf("%s\tnone\n", label.c_str());
            std::fflush(stdout);
        }
    }
    XCloseDisplay(display);
    return 0;
}
