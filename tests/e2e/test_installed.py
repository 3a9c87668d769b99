"""The program as the package installs it: unpacked into a root laid out like
/usr, run by an ordinary user, it takes a test and prints the report. Run by
tests/install/test_install.sh, which points PALMORA_BINARY at
<root>/usr/bin/palmora; nothing of the package is copied beside the program or
laid over the machine's folders."""

import os
import sys
import unittest

import desktop as d

d.require_tools()
if not os.environ.get("CUPS_SERVER"):
    print("skipped: no CUPS_SERVER to print through (check.sh starts one)")
    sys.exit(d.SKIP)

import test_selftest as selftest  # noqa: E402

PROGRAM_FOLDER = os.path.dirname(os.path.realpath(d.BINARY))
KIND = "Test By Significance"


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


class InstalledCopy(selftest.SelfTestSteps, d.DesktopTest, unittest.TestCase):

    def test_takes_a_test_and_prints_it(self):
        self.assertNotEqual(os.geteuid(), 0, "run the installed copy as an ordinary user")
        self.assertEqual(os.listdir(PROGRAM_FOLDER), ["palmora"], "the package's bin holds more than the program")

        app = self.start(folder=PROGRAM_FOLDER)
        main = app.window()
        self.catalogue = self.read_catalogue(main)
        self.assertEqual(len(self.catalogue), 23)
        asked, report = self.take_test(app, main, KIND)
        self.assertEqual(self.check_report(report, selftest.KINDS[KIND], asked), 10)

        before = selftest.completed_jobs()
        self.press(main, "push button", "Print Test Results")
        d.wait_for(lambda: len(selftest.completed_jobs() - before) == 1, timeout=60, what="the printed job")
        # A print that failed leaves a message box beside the window.
        self.assertEqual(self.desktop.window_names(app.pid), ["Palmora v1.20"])

        # The program's folder is not the user's: the goal notes went to the data folder.
        self.assertFalse(os.path.exists(os.path.join(PROGRAM_FOLDER, "Goal1.txt")))
        self.assertTrue(os.path.isfile(os.path.join(app.home, ".local", "share", "palmora", "Goal1.txt")))


if __name__ == "__main__":
    unittest.main()
