"""Start-up as a user sees it: first start, a second copy, a crashed copy."""

import datetime
import os
import shutil
import unittest

import desktop as d
import reminderrecord

d.require_tools()
DESKTOP = None


def setUpModule():
    global DESKTOP
    DESKTOP = d.Desktop()


def tearDownModule():
    DESKTOP.close()


class Runs(unittest.TestCase):
    """Starts copies of the program and ends them after the test."""

    def tearDown(self):
        for app in getattr(self, "apps", []):
            app.kill()

    def start(self, **kwargs):
        app = d.Palmora(DESKTOP, **kwargs)
        self.apps = getattr(self, "apps", []) + [app]
        return app


class StartUp(Runs):
    def test_first_start_in_an_empty_folder(self):
        app = self.start()
        main = app.window()
        self.assertEqual(app.goal_bytes(1), b"This is Goal 1.\r\n")
        self.assertEqual(app.goal_bytes(2), b"This is Goal 2.\r\n")
        # The start page is in front, nothing chosen, and no reminder was asked.
        proceed = DESKTOP.find(main, "push button", "Click Here To Proceed")
        self.assertTrue(DESKTOP.is_showing(proceed))
        for option in ("Memorize Palmistry", "Test Myself on Palmistry", "Set Goals"):
            self.assertFalse(DESKTOP.is_checked(DESKTOP.find(main, "radio button", option)))
        self.assertEqual([w.name for w in DESKTOP.windows(app.pid)], ["Palmora v1.20"])
        self.assertEqual(app.browser_addresses(), [])

    def test_without_a_runtime_folder_nothing_reaches_the_terminal(self):
        """As under su or ssh: the lock goes to the cache folder, a second copy
        is still kept out, and the terminal stays clean."""
        first = self.start(extra_env={"XDG_RUNTIME_DIR": None})
        first.window()
        second = self.start(folder=first.folder, home=first.home, extra_env={"XDG_RUNTIME_DIR": None})
        text, box = second.message()
        self.assertEqual(text, "Application is already running")
        second.answer(box)
        self.assertEqual(second.wait_exit(), 0)
        self.assertEqual(first.terminal_output(), "")
        self.assertEqual(second.terminal_output(), "")

    def test_second_copy_says_so_and_leaves_the_first_alone(self):
        first = self.start()
        main = first.window()
        DESKTOP.press(DESKTOP.find(main, "radio button", "Set Goals"))
        DESKTOP.press(DESKTOP.find(main, "push button", "Click Here To Proceed"))
        goals_before = (first.goal_bytes(1), first.goal_bytes(2))

        second = self.start(folder=first.folder, home=first.home)
        text, box = second.message()
        self.assertEqual(text, "Application is already running")
        self.assertEqual([w.name for w in DESKTOP.windows(second.pid)], ["Palmora"])
        second.answer(box)
        self.assertEqual(second.wait_exit(), 0)

        self.assertTrue(first.alive())
        self.assertEqual((first.goal_bytes(1), first.goal_bytes(2)), goals_before)
        # The first copy is still on the section the user chose.
        self.assertTrue(DESKTOP.is_showing(DESKTOP.find(main, "check box", "Goal 1")))

    def test_a_killed_copy_does_not_block_the_next_start(self):
        first = self.start()
        first.window()
        first.kill()
        second = self.start(folder=first.folder, home=first.home)
        second.window()
        self.assertEqual([w.name for w in DESKTOP.windows(second.pid)], ["Palmora v1.20"])


@unittest.skipUnless(os.path.exists(d.FAKETIME_LIBRARY), "needs libfaketime")
class UpdateReminder(Runs):
    def test_reminder_after_fifteen_days_opens_the_download_page_once(self):
        today = datetime.date.today()
        # The first run happens, as far as it knows, twenty days ago: no question.
        earlier = self.start(faketime="-20d")
        earlier.window()
        self.assertEqual(reminderrecord.read(os.path.join(earlier.home, ".config")), (today - datetime.timedelta(days=20)).isoformat())
        earlier.kill()

        # Today the question comes before the main window, and Yes opens the page.
        now = self.start(folder=earlier.folder, home=earlier.home)
        text, box = now.message()
        self.assertEqual(text.replace("\r", "\n").split("\n"),
                         ["There maybe an update to this software available", "Do you want to check for an update?"])
        self.assertNotIn("Palmora v1.20", [w.name for w in DESKTOP.windows(now.pid)])
        now.answer(box, "Yes")
        now.window()
        # The browser is started beside the program and writes its log when it runs.
        d.wait_for(lambda: now.browser_addresses(), what="the browser")
        self.assertEqual(now.browser_addresses(),
                         [d.SITE + "/palmora-free/ssd.php?page=download-web-page"])
        self.assertEqual(reminderrecord.read(os.path.join(now.home, ".config")), today.isoformat())
        now.kill()

        # Asked today: the next start is silent.
        again = self.start(folder=earlier.folder, home=earlier.home)
        again.window()
        self.assertEqual([w.name for w in DESKTOP.windows(again.pid)], ["Palmora v1.20"])
        self.assertEqual(len(again.browser_addresses()), 1)


if __name__ == "__main__":
    unittest.main()
