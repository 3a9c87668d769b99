"""A private desktop for end-to-end tests: a display server (Xvfb, or the Weston
compositor for a Wayland session), a D-Bus session bus and the accessibility
bus, and Palmora started from a fresh folder inside it.

The tests drive the real program from outside, the way a screen reader does:
through AT-SPI (pyatspi), which works over D-Bus whatever the display server.
The few things that have no accessible action (closing a window by its close
box) go through the display server: on X a WM_DELETE_WINDOW message, on Wayland
the compositor's close request, sent by waylandproxy.py."""

import ctypes
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

BINARY = os.environ.get("PALMORA_BINARY", "")
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1"
SITE = os.environ.get("PALMORA_SITE", "https://www.vespersoftwares.example")
WAYLAND_LEAKS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wayland-leaks.supp")
# The project's one way to run a virtual X server, shared with its scripts; a
# driver copied out of the tree is given a copy of it.
VIRTUAL_X = os.environ.get("PALMORA_VIRTUAL_X") or os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "virtual-x.sh")
SKIP = 77  # CTest's skip code, when the machine lacks the tools


def require_tools(display="x11"):
    display_tools = ("weston",) if display == "wayland" else ("Xvfb", "xdpyinfo", "xdotool", "xprop", "kwin_x11")
    missing = [tool for tool in display_tools + ("dbus-daemon", "dbus-send") if not shutil.which(tool)]
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        missing.append("at-spi-bus-launcher")
    try:
        import gi  # noqa: F401
    except ImportError:
        missing.append("python3-gi")
    if missing or not BINARY:
        print("skipped: missing " + ", ".join(missing or ["PALMORA_BINARY"]))
        sys.exit(SKIP)


def wait_for(predicate, timeout=30.0, interval=0.05, what="condition"):
    """Polls predicate until it returns something true; fails after timeout. what
    names the condition; a callable gives the name as things stand at the end."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            value = predicate()
            if value:
                return value
        except Exception as error:  # an accessible object can vanish under us
            last_error = error
        time.sleep(interval)
    what = what() if callable(what) else what
    raise AssertionError(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))


def settled_read(read, accept, what, key=lambda shown: shown):
    """A read of several controls that accept() takes, once the next whole read
    agrees with it (compared by key). A press lands as Qt's animated click, a tenth of a second
    after the press returns, and may fall between two of a read's many calls:
    such a read mixes two steps, and the read after the step differs from it."""
    last = [None]

    def agreed():
        shown = read()
        if shown is None or not accept(shown):
            last[0] = None
            return None
        agree = key(shown) == last[0]
        last[0] = key(shown)
        return shown if agree else None
    return wait_for(agreed, what=what)


class Desktop:
    """A display server + session bus + accessibility bus, shared by the tests of
    one module: Xvfb with the KWin window manager, or with display="wayland"
    Weston and no X display at all. window_manager=False leaves X without one:
    the focus is then only where Palmora puts it itself."""

    def __init__(self, display="x11", window_manager=True):
        self.display = display
        self.platform = "wayland" if display == "wayland" else "xcb"
        self.processes = []
        self.root = tempfile.mkdtemp(prefix="palmora-e2e-")
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700)
        os.environ["XDG_RUNTIME_DIR"] = runtime
        try:
            self.start_session(runtime, window_manager)
        except BaseException:
            # A module whose desktop fails never reaches its tearDownModule.
            self.close()
            raise

    def start_session(self, runtime, window_manager):
        if self.display == "wayland":
            self.start_weston(runtime)
        else:
            self.start_xvfb()

        # KWin and what the bus starts for it (its shortcut daemon, kglobalaccel5)
        # keep their settings in a home of their own, never the user's.
        window_manager = window_manager and self.display != "wayland"
        session_env = self.window_manager_env() if window_manager else None
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=session_env)
        self.processes.append(bus)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        if window_manager:
            # Started now, it comes up while the accessibility bus does.
            kwin = self.start_kwin(dict(session_env, DBUS_SESSION_BUS_ADDRESS=os.environ["DBUS_SESSION_BUS_ADDRESS"]))
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    stderr=subprocess.DEVNULL)
        self.processes.append(launcher)
        # A program started before the accessibility bus answers never shows up
        # on it: wait until the bus and its registry are there.
        wait_for(lambda: subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                                         "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                        capture_output=True, timeout=10).returncode == 0,
                 timeout=60, interval=0.2, what="the accessibility bus")

        import pyatspi  # only now: it connects to the buses named above
        from gi.repository import Atspi
        self.atspi = pyatspi
        self.Atspi = Atspi
        wait_for(lambda: pyatspi.Registry.getDesktop(0) is not None, timeout=60, what="the accessibility registry")
        if window_manager:
            self.wait_for_kwin(kwin)

    def start_xvfb(self):
        xvfb = subprocess.Popen([VIRTUAL_X, "1280x900x24"], stdout=subprocess.PIPE)
        self.processes.append(xvfb)
        number = xvfb.stdout.readline().decode().strip()
        xvfb.stdout.close()
        if not number:
            raise AssertionError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number
        # Everything below opens the display (the accessibility library looks for
        # its bus on the root window first): make sure the server answers.
        wait_for(lambda: subprocess.run(["xdpyinfo"], capture_output=True, timeout=10).returncode == 0,
                 timeout=60, interval=0.1, what="the X server")

    def window_manager_env(self):
        home = os.path.join(self.root, "window-manager")
        env = dict(os.environ)
        env.update({
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "QT_QPA_PLATFORM": "xcb",
            # Xvfb has no OpenGL: no compositing.
            "KWIN_COMPOSE": "N",
        })
        env.pop("QT_QPA_PLATFORMTHEME", None)
        return env

    def start_kwin(self, env):
        # What KWin says goes to a log of its own, apart from Palmora's terminal.
        self.kwin_log = os.path.join(self.root, "kwin.log")
        with open(self.kwin_log, "w") as log:
            kwin = subprocess.Popen(["kwin_x11"], env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        self.processes.append(kwin)
        return kwin

    def wait_for_kwin(self, kwin):
        """Waits until KWin manages the screen and its keys (Alt+F4 among them)
        are taken: the first window of a test is then placed and focused by it."""
        def managing():
            return kwin.poll() is not None or "window id" in subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True, timeout=10).stdout
        wait_for(managing, timeout=60, interval=0.05, what="KWin to manage the screen")
        if kwin.poll() is not None:
            with open(self.kwin_log, errors="replace") as log:
                raise AssertionError("KWin ended:\n" + log.read())
        # kglobalaccel5 takes a key from the X server as KWin registers its
        # shortcut, so a registered "Window Close" means Alt+F4 reaches KWin.
        wait_for(lambda: '"Window Close"' in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.kde.kglobalaccel", "/component/kwin",
             "org.kde.kglobalaccel.Component.shortcutNames"], capture_output=True, text=True, timeout=10).stdout,
            timeout=60, interval=0.05, what="KWin's shortcuts")

    def start_weston(self, runtime):
        # No DISPLAY: a program that cannot speak Wayland fails instead of
        # falling back to X.
        os.environ.pop("DISPLAY", None)
        weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=weston", "--idle-time=0",
                                   "--no-config", "--width=1280", "--height=900",
                                   "--log=" + os.path.join(self.root, "weston.log")],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(weston)
        compositor = os.path.join(runtime, "weston")
        wait_for(lambda: os.path.exists(compositor) or weston.poll() is not None, timeout=60, what="Weston")
        if weston.poll() is not None:
            raise AssertionError("Weston did not start; its log is in " + self.root)
        # Programs connect through the proxy, by an absolute path: each copy of
        # Palmora has a runtime folder of its own.
        display = os.path.join(runtime, "palmora-wayland")
        self.wayland_control = os.path.join(runtime, "control")
        proxy = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                               "waylandproxy.py"),
                                  display, compositor, self.wayland_control], stdout=subprocess.PIPE, text=True)
        self.processes.append(proxy)
        ready = proxy.stdout.readline().strip() == "ready"
        proxy.stdout.close()
        if not ready:
            raise AssertionError("the Wayland proxy did not start")
        os.environ["WAYLAND_DISPLAY"] = display

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.root, ignore_errors=True)

    # --- accessible objects -------------------------------------------------
    def application(self, pid):
        desktop = self.atspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == pid:
                # Every read asks the program itself, never a copy kept from
                # its change events, which arrive one at a time: Palmora
                # answers between its steps, so each call gets a step's whole
                # result or what stood before it.
                app.set_cache_mask(self.Atspi.Cache.NONE)
                return app
        return None

    def windows(self, pid):
        app = self.application(pid)
        if app is None:
            return []
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    def window_names(self, pid):
        return [w.name for w in self.windows(pid)]

    def window(self, pid, name, timeout=30.0):
        return wait_for(lambda: next((w for w in self.windows(pid) if w.name == name), None),
                        timeout, what=f"window '{name}'")

    def find_all(self, root, role=None, name=None, showing_only=False):
        found = []

        def walk(node, depth):
            if node is None or depth > 40:
                return
            try:
                role_name = node.getRoleName()
                node_name = node.name
            except Exception:
                return
            if (role is None or role_name == role) and (name is None or node_name == name):
                if not showing_only or node.getState().contains(self.atspi.STATE_SHOWING):
                    found.append(node)
            for i in range(node.childCount):
                walk(node.getChildAtIndex(i), depth + 1)

        walk(root, 0)
        return found

    def find(self, root, role=None, name=None, showing_only=True, timeout=30.0):
        return wait_for(lambda: next(iter(self.find_all(root, role, name, showing_only)), None),
                        timeout, what=f"{role or 'control'} '{name}'")

    def press(self, node):
        action = node.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        for wanted in ("press", "click", "toggle", "activate"):
            if wanted in names:
                action.doAction(names.index(wanted))
                return
        action.doAction(0)

    def text(self, node):
        text = node.queryText()
        return text.getText(0, text.characterCount)

    def set_text(self, node, value):
        node.queryEditableText().setTextContents(value)

    def is_checked(self, node):
        return node.getState().contains(self.atspi.STATE_CHECKED)

    def is_showing(self, node):
        return node.getState().contains(self.atspi.STATE_SHOWING)

    def is_active(self, window):
        """Whether the window is the one that has the keyboard."""
        return window.getState().contains(self.atspi.STATE_ACTIVE)

    def focused(self, pid):
        """(role, name) of the control with the keyboard focus, in any window of pid."""
        for window in self.windows(pid):
            for node in self.find_all(window, showing_only=True):
                if node.getState().contains(self.atspi.STATE_FOCUSED) and node.getRoleName() not in (
                        "frame", "dialog", "window", "filler", "panel", "scroll pane"):
                    return node.getRoleName(), node.name
        return None

    # --- windows of the display server ---------------------------------------
    def shown_windows(self, pid, name):
        """The windows of pid called name that the display server has."""
        if self.display == "wayland":
            return [title for title in self.wayland_request(f"titles {pid}").split("\t") if title == name]
        return self.x_window_ids(pid, name)

    def close_window(self, pid, name):
        """Asks the window to close as its close box does."""
        if self.display != "wayland":
            return self.close_x_window(pid, name)
        wait_for(lambda: self.shown_windows(pid, name), what=f"window '{name}'")
        if self.wayland_request(f"close {pid} {name}") == "closed 0":
            raise AssertionError(f"window '{name}' went before it could be closed")

    def wayland_request(self, line):
        """One question to waylandproxy.py, and its answer."""
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as control:
            control.connect(self.wayland_control)
            control.sendall(line.encode() + b"\n")
            with control.makefile() as answer:
                return answer.readline().rstrip("\n")

    # --- X windows ----------------------------------------------------------
    def x_window_ids(self, pid, name):
        result = subprocess.run(["xdotool", "search", "--all", "--pid", str(pid), "--name", f"^{name}$"],
                                capture_output=True, text=True)
        return [line for line in result.stdout.split() if line]

    def close_x_window(self, pid, name):
        """Asks the window to close as its close box does: WM_DELETE_WINDOW."""
        ids = wait_for(lambda: self.x_window_ids(pid, name), what=f"X window '{name}'")
        for window_id in ids:
            send_delete_window(int(window_id))
        return ids


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def send_delete_window(window_id):
    """What a window manager sends when the user presses a window's close box."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise AssertionError("cannot open the X display")
    event = _XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.send_event = 1
    event.xclient.display = display
    event.xclient.window = window_id
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.l[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.xclient.l[1] = 0  # CurrentTime
    x11.XSendEvent(display, window_id, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


class DesktopTest:
    """Mixin for test cases: one desktop per module, copies ended after each test."""

    desktop = None

    def tearDown(self):
        for app in getattr(self, "apps", []):
            app.kill()

    def start(self, **kwargs):
        app = Palmora(self.desktop, **kwargs)
        self.apps = getattr(self, "apps", []) + [app]
        return app

    def start_without_printer(self):
        """A copy on a computer with no printer at all, whatever this machine has,
        and with Qt's own save dialog; returns it and the home's Documents folder."""
        home = tempfile.mkdtemp(prefix="home-", dir=self.desktop.root)
        documents = os.path.join(home, "Documents")
        os.makedirs(documents, mode=0o755)
        app = self.start(home=home, extra_env={
            # A scheduler that is not there.
            "CUPS_SERVER": os.path.join(self.desktop.root, "no-scheduler", "cups.sock"),
            # No desktop named, so Qt shows its own save dialog.
            "XDG_CURRENT_DESKTOP": "", "DESKTOP_SESSION": "", "KDE_FULL_SESSION": "",
            "GNOME_DESKTOP_SESSION_ID": "",
        })
        return app, documents

    def press(self, root, role, name):
        self.desktop.press(self.desktop.find(root, role, name))

    def open_section(self, main, option):
        self.press(main, "radio button", option)
        self.press(main, "push button", "Click Here To Proceed")

    def topic_on_view(self, main):
        """(name, significance, shape) as the browser's labels show them, or None."""
        labels = [label.name for label in self.desktop.find_all(main, "label", showing_only=True)]
        if "Significance" not in labels or "Shape / Location" not in labels:
            return None
        heading = labels.index("Significance")
        return labels[heading - 1], labels[heading + 1], labels[labels.index("Shape / Location") + 1]

    def settled_topic(self, main, previous=None):
        """Waits for a topic other than previous, shown whole."""
        return settled_read(lambda: self.topic_on_view(main),
                            lambda shown: not previous or (shown[0] != previous[0] and shown[1] != previous[1]),
                            what="the next topic")

    def step(self, main, button, previous):
        self.press(main, "push button", button)
        return self.settled_topic(main, previous)


class Palmora:
    """One run of the program from its own folder, with its own private home."""

    def __init__(self, desktop, folder=None, home=None, faketime=None, extra_env=None):
        self.desktop = desktop
        self.folder = folder or tempfile.mkdtemp(prefix="app-", dir=desktop.root)
        self.home = home or tempfile.mkdtemp(prefix="home-", dir=desktop.root)
        self.runtime = os.path.join(self.home, "runtime")
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        self.binary = os.path.join(self.folder, "palmora")
        if not os.path.exists(self.binary):
            shutil.copy2(BINARY, self.binary)
        self.browser_log = os.path.join(self.home, "browser.log")
        browser = os.path.join(self.home, "browser.sh")
        with open(browser, "w") as script:
            script.write('#!/bin/sh\nprintf "%s\\n" "$1" >> "' + self.browser_log + '"\n')
        os.chmod(browser, 0o755)

        env = dict(os.environ)
        env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_RUNTIME_DIR": self.runtime,
            "QT_QPA_PLATFORM": desktop.platform,
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "BROWSER": browser,
            "DEFAULT_BROWSER": browser,
            # English, whatever language the suite's user reads; a test of a
            # language names it in extra_env.
            "LANG": "C.UTF-8",
        })
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            env.pop(name, None)
        env.pop("QT_QPA_PLATFORMTHEME", None)
        if desktop.display == "wayland":
            # For a sanitized build: what Qt's Wayland plugin leaves behind at exit.
            # Whole stacks, so the rules can name Qt's functions (see the file).
            env["LSAN_OPTIONS"] = ":".join(filter(None, [env.get("LSAN_OPTIONS"), "print_suppressions=0",
                                                          "fast_unwind_on_malloc=0",
                                                          "suppressions=" + WAYLAND_LEAKS]))
        env.update(extra_env or {})
        for name in [name for name, value in env.items() if value is None]:
            del env[name]  # None in extra_env: the variable is not set at all
        command = [self.binary]
        if faketime:
            # libfaketime preloaded directly (the faketime command would fork, and
            # the process we talk to would not be the one we started). Only the
            # calendar moves; timers and the buses keep real time.
            env["LD_PRELOAD"] = FAKETIME_LIBRARY
            env["FAKETIME"] = faketime
            env["FAKETIME_DONT_FAKE_MONOTONIC"] = "1"
        # What the program writes to the terminal is kept for the tests to read.
        descriptor, self.terminal_log = tempfile.mkstemp(prefix="terminal-", suffix=".log", dir=desktop.root)
        with os.fdopen(descriptor, "w") as terminal:
            self.process = subprocess.Popen(command, cwd=self.folder, env=env,
                                            stdout=subprocess.DEVNULL, stderr=terminal)
        self.pid = self.process.pid

    def alive(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=15.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("Palmora did not end")

    def kill(self):
        if self.alive():
            self.process.send_signal(signal.SIGKILL)
            self.process.wait(timeout=10)

    def terminal_output(self):
        with open(self.terminal_log, errors="replace") as terminal:
            return terminal.read()

    def browser_addresses(self):
        if not os.path.exists(self.browser_log):
            return []
        with open(self.browser_log) as log:
            return [line.rstrip("\n") for line in log if line.strip()]

    def goal_bytes(self, n):
        with open(os.path.join(self.folder, f"Goal{n}.txt"), "rb") as goal:
            return goal.read()

    # Shortcuts into the accessible tree of this process.
    def window(self, name="Palmora v1.20", timeout=30.0):
        return self.desktop.window(self.pid, name, timeout)

    def message(self, timeout=30.0):
        """The message box on screen: (its text, the box)."""
        box = self.desktop.window(self.pid, "Palmora", timeout)
        labels = [node.name for node in self.desktop.find_all(box, "label") if node.name]
        return " ".join(labels), box

    def answer(self, box, button="OK"):
        self.desktop.press(self.desktop.find(box, "push button", button))
