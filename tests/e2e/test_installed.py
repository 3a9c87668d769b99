"""The program as the package installs it: unpacked into a root laid out like
/usr, run by an ordinary user, it takes a test and prints the report through
its printing module in /usr/lib/palmora, the one folder it loads it from. Run
by tests/install/test_install.sh, which points PALMORA_BINARY at
<root>/usr/bin/palmora and lays <root>/usr/lib over /usr/lib for this run
alone; nothing is copied beside the program."""

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
STAGED_MODULE = os.path.realpath(os.path.join(PROGRAM_FOLDER, "..", "lib", "palmora", "libpalmora-printing.so"))
INSTALLED_MODULE = "/usr/lib/palmora/libpalmora-printing.so"
KIND = "Test By Significance"


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


def mapped_printing_modules(pid):
    """The printing modules the process has mapped, by path."""
    with open(f"/proc/{pid}/maps") as maps:
        return {line.split(None, 5)[5].strip() for line in maps
                if len(line.split(None, 5)) == 6 and "libpalmora-printing" in line}


class InstalledCopy(selftest.SelfTestSteps, d.DesktopTest, unittest.TestCase):

    def test_takes_a_test_and_prints_through_its_module(self):
        self.assertNotEqual(os.geteuid(), 0, "run the installed copy as an ordinary user")
        self.assertTrue(os.path.isfile(STAGED_MODULE), "the package has no printing module in lib/palmora")
        with open(STAGED_MODULE, "rb") as staged, open(INSTALLED_MODULE, "rb") as installed:
            self.assertEqual(staged.read(), installed.read(), "the unpacked module is not laid over /usr/lib")
        self.assertFalse(os.path.exists(os.path.join(PROGRAM_FOLDER, "libpalmora-printing.so")))

        app = self.start(folder=PROGRAM_FOLDER)
        main = app.window()
        self.catalogue = self.read_catalogue(main)
        self.assertEqual(len(self.catalogue), 23)
        asked, report = self.take_test(app, main, KIND)
        self.assertEqual(self.check_report(report, selftest.KINDS[KIND], asked), 10)
        self.assertEqual(mapped_printing_modules(app.pid), set(), "the module was loaded before the first print")

        before = selftest.completed_jobs()
        self.press(main, "push button", "Print Test Results")
        d.wait_for(lambda: len(selftest.completed_jobs() - before) == 1, timeout=60, what="the printed job")
        # A module that could not be loaded leaves a message box beside the window.
        self.assertEqual(self.desktop.window_names(app.pid), ["Palmora v1.20"])
        self.assertEqual(mapped_printing_modules(app.pid), {INSTALLED_MODULE})

        # The program's folder is not the user's: the goal notes went to the data folder.
        self.assertFalse(os.path.exists(os.path.join(PROGRAM_FOLDER, "Goal1.txt")))
        self.assertTrue(os.path.isfile(os.path.join(app.home, ".local", "share", "palmora", "Goal1.txt")))


if __name__ == "__main__":
    unittest.main()
