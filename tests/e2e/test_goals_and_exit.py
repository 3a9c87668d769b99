"""Goal notes across a restart, and the way out: exit screen, referral, Exit."""

import subprocess
import unittest
import urllib.parse

import desktop as d

d.require_tools()


def setUpModule():
    # The one X module without a window manager, as in a session that has none:
    # the exit screen must take the focus by itself, and its close box is the
    # message a window manager would send.
    d.DesktopTest.desktop = d.Desktop(window_manager=False)


def tearDownModule():
    d.DesktopTest.desktop.close()


class Leaving(d.DesktopTest):
    def close_main_window(self, app, unsaved_answer=None):
        """Closes the main window with its close box, answering the question
        about an unsaved note when one is expected; returns the exit screen."""
        d.wait_for(lambda: self.desktop.shown_windows(app.pid, "Palmora v1.20"), what="the main window")
        self.desktop.close_window(app.pid, "Palmora v1.20")
        if unsaved_answer:
            text, box = app.message()
            self.assertIn("Goal 2 has changes that are not saved", text)
            app.answer(box, unsaved_answer)
        exit_screen = d.wait_for(lambda: next((w for w in self.desktop.windows(app.pid)
                                               if self.desktop.find_all(w, "push button", "Exit")), None),
                                 what="the exit screen")
        self.assertEqual(exit_screen.name, "Palmora v1.20")
        # Announced as a window of its own, not as a filler.
        self.assertEqual(exit_screen.getRoleName(), "frame")
        return exit_screen

    def exit_program(self, app, exit_screen):
        self.press(exit_screen, "push button", "Exit")
        self.assertEqual(app.wait_exit(), 0)


class GoalNotes(Leaving, unittest.TestCase):
    def test_a_saved_note_survives_a_restart(self):
        D = self.desktop
        app = self.start()
        main = app.window()
        self.open_section(main, "Set Goals")
        note = D.find(main, "text", "Goal 1 note")
        self.assertEqual(D.text(note).rstrip("\n"), "This is Goal 1.")
        self.assertFalse(D.find(main, "push button", "Save Goal 1").getState().contains(D.atspi.STATE_ENABLED))

        self.press(main, "check box", "Goal 1")
        d.wait_for(lambda: D.find(main, "push button", "Save Goal 1").getState().contains(D.atspi.STATE_ENABLED),
                   what="Save enabled")
        typed = "  Learn the Heart Line & the Head Line\nPractise on 5 friends, caf\u00e9 included  "
        D.set_text(note, typed)
        self.press(main, "push button", "Save Goal 1")
        saved = "Learn the Heart Line & the Head Line\r\nPractise on 5 friends, caf\u00e9 included\r\n"
        d.wait_for(lambda: app.goal_bytes(1) == saved.encode("utf-8"), what="the saved note")
        # An edit of the other note that is not saved is asked about, and not
        # kept when the user discards it.
        self.press(main, "check box", "Goal 2")
        D.set_text(D.find(main, "text", "Goal 2 note"), "not saved")

        self.exit_program(app, self.close_main_window(app, unsaved_answer="Discard"))
        self.assertEqual(app.goal_bytes(2), b"This is Goal 2.\r\n")

        again = self.start(folder=app.folder, home=app.home)
        main = again.window()
        self.open_section(main, "Set Goals")
        self.assertEqual(D.text(D.find(main, "text", "Goal 1 note")),
                         "Learn the Heart Line & the Head Line\nPractise on 5 friends, caf\u00e9 included")
        self.assertEqual(again.goal_bytes(1), saved.encode("utf-8"))


class ExitScreen(Leaving, unittest.TestCase):
    def test_close_box_exit_screen_referral_and_exit(self):
        D = self.desktop
        app = self.start()
        app.window()
        exit_screen = self.close_main_window(app)
        self.assertTrue(app.alive())
        self.assertEqual(D.window_names(app.pid), ["Palmora v1.20"])

        fields = {
            "Your name": "Tom & Jerry",
            "Your email address": "tom@cartoon.example",
            "Friend's name": "Jos\u00e9 #1 + 50% = fun?",
            "Friend's email address": "jerry@cartoon.example",
        }
        for name, value in fields.items():
            D.set_text(D.find(exit_screen, "text", name, showing_only=False), value)
        self.press(exit_screen, "push button", "Refer A Friend Now")
        address = d.wait_for(lambda: app.browser_addresses(), what="the referral address")
        self.assertEqual(len(address), 1)
        parts = urllib.parse.urlsplit(address[0])
        self.assertEqual(f"{parts.scheme}://{parts.netloc}{parts.path}", d.SITE + "/palmora-free/ssd.php")
        query = urllib.parse.parse_qsl(parts.query, keep_blank_values=True)
        self.assertEqual([key for key, _ in query], ["page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"])
        values = dict(query)
        self.assertEqual(values["page"], "pxvs-refer-a-friend")
        self.assertEqual(values["taf1"], "Tom & Jerry")
        self.assertEqual(values["taf2"], "tom@cartoon.example")
        self.assertEqual(values["taf3"], "Your Message\r\n")  # the message field was never touched
        self.assertEqual(values["taf4"], "Jos\u00e9 #1 + 50% = fun?")
        self.assertEqual(values["taf5"], "jerry@cartoon.example")
        self.assertEqual(values["taf6"], d.SITE + "/palmora-free/")
        self.assertTrue(app.alive())

        self.exit_program(app, exit_screen)

    def test_file_exit_and_the_exit_screens_close_box(self):
        D = self.desktop
        app = self.start()
        main = app.window()
        D.press(D.find(main, "menu item", "Exit", showing_only=False))
        exit_screen = d.wait_for(lambda: next((w for w in D.windows(app.pid)
                                               if D.find_all(w, "push button", "Exit")), None),
                                 what="the exit screen")
        self.assertEqual(D.window_names(app.pid), ["Palmora v1.20"])
        self.assertTrue(app.alive())
        D.close_window(app.pid, "Palmora v1.20")
        self.assertEqual(app.wait_exit(), 0)


class ExitScreenFocus(Leaving, unittest.TestCase):
    """Palmora's own focus, with no window manager to give it. Not in the
    Wayland module: a headless Weston has no keyboard to give."""

    def test_the_exit_screen_takes_the_keyboard_by_itself(self):
        D = self.desktop
        app = self.start()
        app.window()
        exit_screen = self.close_main_window(app)
        d.wait_for(lambda: D.is_active(exit_screen) and D.focused(app.pid) == ("push button", "Exit"), timeout=10,
                   what=lambda: f"the focus on Exit (it is on {D.focused(app.pid)})")
        # Enter from the X server reaches it: Exit, the focused button, ends the program.
        subprocess.run(["xdotool", "key", "Return"], check=True)
        self.assertEqual(app.wait_exit(), 0)
        self.assertEqual(app.browser_addresses(), [])


if __name__ == "__main__":
    unittest.main()
