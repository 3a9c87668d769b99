"""Every activity by keys alone, as a user without a pointer takes it: keys go
in through the X server (XTest, by xdotool), and after each one the
accessibility tree says which control has the focus. The window manager (KWin)
gives the focus to windows and takes Alt+F4, as on a user's desktop."""

import os
import subprocess
import unittest
import urllib.parse

import desktop as d

d.require_tools()
MAIN = "Palmora v1.20"


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "10", text], check=True)


class Keyboard(d.DesktopTest, unittest.TestCase):

    def back_to_main(self, app, control, what):
        """Waits for the main window to be the only one, with the focus back on
        the control that had it: the window manager activates the main window
        again when the one in front of it goes."""
        d.wait_for(lambda: self.desktop.window_names(app.pid) == [MAIN], what=what)
        self.focus_on(app, *control, what=lambda: f"the focus back on {control} (it is on {self.focused(app)})")

    def focused(self, app):
        return self.desktop.focused(app.pid)

    def main_window_has_the_focus(self, app, main):
        """At start the main window is active and one of its controls has the focus."""
        d.wait_for(lambda: self.desktop.is_active(main) and self.focused(app), timeout=10,
                   what="the main window to have the focus")
        return self.focused(app)

    def focus_on(self, app, role, name, what=None):
        return d.wait_for(lambda: self.focused(app) == (role, name), timeout=10,
                          what=what or (lambda: f"the focus on {role} '{name}' (it is on {self.focused(app)})"))

    def tab_to(self, app, role, name, back=False):
        """Tab (or Shift+Tab) until the focus is on the control; fails after 30 steps."""
        seen = []
        for _ in range(30):
            now = self.focused(app)
            if now and now[0] == role and name in (None, now[1]):
                return
            before = self.focused(app)
            seen.append(before)
            keys("shift+Tab" if back else "Tab")
            d.wait_for(lambda: self.focused(app) != before, timeout=10, what="the focus to move")
        self.fail(f"Tab never reached {role} '{name}', only {seen}")

    def focused_option(self, options):
        """The index of the option that has the focus."""
        def index():
            for k, option in enumerate(options):
                if option.getState().contains(self.desktop.atspi.STATE_FOCUSED):
                    return k + 1
            return None
        return d.wait_for(index, timeout=10, what="the focused option") - 1

    def open_next_links(self, app, count):
        """Tabs to each of the next `count` stops, which must be links, and opens
        each with Enter."""
        for _ in range(count):
            before = len(app.browser_addresses())
            keys("Tab")
            d.wait_for(lambda: self.focused(app) and self.focused(app)[0] == "label", timeout=10,
                       what=lambda: f"the focus on a link (it is on {self.focused(app)})")
            keys("Return")
            d.wait_for(lambda: len(app.browser_addresses()) == before + 1, what="the link opened")

    def start_page_choice(self, app, main, option):
        """Chooses an activity with the arrow keys and goes there with Enter."""
        D = self.desktop
        order = ["Memorize Palmistry", "Test Myself on Palmistry", "Set Goals"]
        self.tab_to(app, "radio button", None)  # the choices' one stop
        steps = order.index(option) - order.index(self.focused(app)[1])
        if steps == 0 and not D.is_checked(D.find(main, "radio button", option)):
            keys(*(["Up", "Down"] if order.index(option) else ["Down", "Up"]))
        else:
            keys(*(["Down"] * steps if steps > 0 else ["Up"] * -steps))
        choice = D.find(main, "radio button", option)
        d.wait_for(lambda: D.is_checked(choice), timeout=10, what=f"'{option}' chosen by the arrow keys")
        self.focus_on(app, "radio button", option)
        keys("Return")

    def test_every_activity_by_keys_alone(self):
        D = self.desktop
        app, documents = self.start_without_printer()
        main = app.window()
        self.main_window_has_the_focus(app, main)

        # The first arrow key chooses; Enter on a choice proceeds.
        self.tab_to(app, "radio button", "Memorize Palmistry")
        self.assertFalse(D.is_checked(D.find(main, "radio button", "Memorize Palmistry")))
        self.start_page_choice(app, main, "Memorize Palmistry")

        # All 23 topics and back, by Enter on the focused Next and Back.
        self.focus_on(app, "push button", "Next")
        topics = [self.settled_topic(main)]
        for _ in range(22):
            keys("Return")
            topics.append(self.settled_topic(main, topics[-1]))
        self.assertEqual(topics[-1][0], "Girdle of Venus")
        self.tab_to(app, "push button", "Back")
        for index in range(21, -1, -1):
            keys("Return")
            self.assertEqual(self.settled_topic(main, topics[index + 1]), topics[index])
        self.tab_to(app, "push button", "Back To Main")
        keys("Return")

        # A whole test by keys, to the report and its PDF.
        self.start_page_choice(app, main, "Test Myself on Palmistry")
        self.tab_to(app, "radio button", "Test By Name of Line / Shape")
        keys("Down")
        kind = D.find(main, "radio button", "Test By Significance")
        d.wait_for(lambda: D.is_checked(kind), timeout=10, what="the kind chosen by an arrow key")
        self.tab_to(app, "push button", "Click Here To Start The Test")
        keys("Return")
        for question in range(10):
            def fresh_question():
                shown = D.find_all(main, "radio button", showing_only=True)
                return shown if len(shown) == 5 and not any(D.is_checked(o) for o in shown) else None
            options = d.settled_read(fresh_question, lambda shown: True, what=f"question {question + 1}",
                                     key=lambda shown: [o.name for o in shown])
            self.tab_to(app, "radio button", None)  # the group's one stop
            # By the control itself, not its text: two options can read alike.
            at = self.focused_option(options)
            keys("Up" if at == len(options) - 1 else "Down")
            reached = at - 1 if at == len(options) - 1 else at + 1
            d.wait_for(lambda: D.is_checked(options[reached])
                       and options[reached].getState().contains(D.atspi.STATE_FOCUSED), timeout=10,
                       what=f"option {reached + 1} chosen by an arrow key from option {at + 1}")
            self.tab_to(app, "push button", "Next Question")
            keys("Return")
        report = D.find(main, "text", "Test report")
        self.tab_to(app, "push button", "Print Test Results")
        keys("Return")
        self.focus_on(app, "push button", "Yes", what="the focus on the message's default button")
        text, box = app.message()
        self.assertIn("no printer is installed", text)
        keys("Return")  # Yes, the default
        dialog = D.window(app.pid, "Save Test Results as PDF")
        name_field = d.wait_for(lambda: next((f for f in D.find_all(dialog, "text", showing_only=True)
                                              if D.text(f).startswith("Palmora test results")), None),
                                what="the proposed name")
        d.wait_for(lambda: D.is_showing(name_field) and name_field.getState().contains(D.atspi.STATE_FOCUSED),
                   timeout=10, what="the focus on the file name")
        keys("ctrl+a")
        type_text("keyboard report")  # no extension: the dialog adds it
        keys("Return")
        text, box = app.message()
        saved = os.path.join(documents, "keyboard report.pdf")
        self.assertIn("saved to " + saved, text)
        keys("Return")
        self.back_to_main(app, ("push button", "Print Test Results"), "the message to go")
        self.assertEqual(os.listdir(documents), ["keyboard report.pdf"])
        self.assertTrue(D.text(report).endswith("Correct out of 10 Questions"))
        self.tab_to(app, "push button", "Start Test Once More")
        keys("Return")
        self.tab_to(app, "push button", "Back To Main")
        keys("Return")

        # Both goal notes edited and saved; Enter in a note makes a new line.
        self.start_page_choice(app, main, "Set Goals")
        for n in (1, 2):
            self.tab_to(app, "check box", f"Goal {n}")
            keys("space")
            self.tab_to(app, "text", f"Goal {n} note")
            keys("ctrl+a")
            type_text(f"Goal {n} by keys")
            keys("Return")
            type_text("second line")
            self.tab_to(app, "push button", f"Save Goal {n}")
            keys("Return")
            d.wait_for(lambda: app.goal_bytes(n) == f"Goal {n} by keys\r\nsecond line\r\n".encode(),
                       what=f"goal note {n} saved")
        self.tab_to(app, "push button", "Back To Main")
        keys("Return")

        # The main window's links, the about box and its links, by Tab and Enter.
        self.tab_to(app, "push button", "Click Here To Proceed")
        self.open_next_links(app, 2)
        opened = app.browser_addresses()
        self.assertEqual(len(set(opened)), 2)
        link = self.focused(app)
        keys("alt+h")
        keys("a")
        d.wait_for(lambda: any(D.find_all(w, "push button", "OK") for w in D.windows(app.pid)),
                   what="the about box")
        self.focus_on(app, "push button", "OK")
        self.open_next_links(app, 2)
        self.assertEqual(set(app.browser_addresses()[2:]), set(opened))
        self.tab_to(app, "push button", "OK")
        keys("Return")
        self.back_to_main(app, link, "the about box to close")

        # The exit, with a referral: the exit screen takes the focus on Exit.
        keys("alt+f")
        keys("x")
        exit_screen = d.wait_for(lambda: next((w for w in D.windows(app.pid)
                                               if D.find_all(w, "push button", "Exit")), None),
                                 what="the exit screen")
        self.focus_on(app, "push button", "Exit")
        fields = {"Your name": "Tom", "Your email address": "tom@cartoon.example",
                  "Friend's email address": "jerry@cartoon.example", "Friend's name": "Jerry"}
        for name, value in fields.items():
            self.tab_to(app, "text", name)
            type_text(value)
        # The hidden message field is no stop: Tab goes on to the site link.
        self.open_next_links(app, 1)
        self.tab_to(app, "push button", "Refer A Friend Now")
        before = len(app.browser_addresses())
        keys("Return")
        d.wait_for(lambda: len(app.browser_addresses()) == before + 1, what="the referral address")
        query = dict(urllib.parse.parse_qsl(urllib.parse.urlsplit(app.browser_addresses()[-1]).query,
                                            keep_blank_values=True))
        self.assertEqual((query["taf1"], query["taf2"], query["taf3"], query["taf4"], query["taf5"]),
                         ("Tom", "tom@cartoon.example", "Your Message\r\n", "Jerry", "jerry@cartoon.example"))
        self.tab_to(app, "push button", "Exit")
        keys("Return")
        self.assertEqual(app.wait_exit(), 0)

    def test_the_window_managers_close_on_each_window(self):
        """Alt+F4, which KWin takes, closes the about box as its OK does, the main
        window as its close box does, and the exit screen as its Exit does."""
        D = self.desktop
        app = self.start()
        main = app.window()
        at_start = self.main_window_has_the_focus(app, main)

        keys("alt+h")
        keys("a")
        d.wait_for(lambda: any(D.find_all(w, "push button", "OK") for w in D.windows(app.pid)),
                   what="the about box")
        self.focus_on(app, "push button", "OK")
        keys("alt+F4")
        self.back_to_main(app, at_start, "the about box to close")

        keys("alt+F4")
        exit_screen = d.wait_for(lambda: next((w for w in D.windows(app.pid)
                                               if D.find_all(w, "push button", "Exit")), None),
                                 what="the exit screen")
        self.assertEqual(D.window_names(app.pid), [MAIN])
        self.focus_on(app, "push button", "Exit")
        self.assertTrue(D.is_active(exit_screen))

        keys("alt+F4")
        self.assertEqual(app.wait_exit(), 0)
        self.assertEqual(app.browser_addresses(), [])
        self.assertEqual(app.terminal_output(), "")


if __name__ == "__main__":
    unittest.main()
