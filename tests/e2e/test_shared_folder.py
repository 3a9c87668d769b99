"""A copy of Palmora kept in a folder that other users can write (a sticky
folder like /tmp, a shared project folder). What another user puts beside it
(a qt.conf, an image plugin, a translation for the user's language) is never
read: the window comes up, the plugin's code never runs, and every text is
Palmora's own."""

import os
import shutil
import tempfile
import unittest

import desktop as d

d.require_tools()
PLANTED_PLUGIN = os.environ.get("PALMORA_PLANTED_PLUGIN", "")
PLANTED_TRANSLATION = os.environ.get("PALMORA_PLANTED_TRANSLATION", "")
NOBODY = 65534
# The user's language is English, so a translation named palmora_en is the one
# a copy that read translations from beside itself would pick.
ENGLISH = {"LANG": "en_US.UTF-8", "LC_ALL": "", "LC_MESSAGES": "", "LANGUAGE": "en_US:en"}


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


def plant(folder, name, data):
    """Writes a file into the shared folder as another user leaves it: under
    root, the file is nobody's; an ordinary user running the suite plants it
    as their own (nothing beside the program is read, whoever it belongs to)."""
    path = os.path.join(folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as file:
        file.write(data)
    if os.geteuid() == 0:
        os.chown(os.path.dirname(path), NOBODY, NOBODY)
        os.chown(path, NOBODY, NOBODY)


def read(path):
    with open(path, "rb") as file:
        return file.read()


class SharedFolder(d.DesktopTest, unittest.TestCase):

    def texts(self, app):
        """Every name and text the main window and its start page show."""
        main = app.window()
        self.desktop.find(main, "push button", "Click Here To Proceed")
        return sorted(node.name for node in self.desktop.find_all(main) if node.name)

    def test_nothing_planted_beside_the_copy_is_read(self):
        self.assertTrue(os.path.isfile(PLANTED_PLUGIN), "PALMORA_PLANTED_PLUGIN names no file")
        self.assertTrue(os.path.isfile(PLANTED_TRANSLATION), "PALMORA_PLANTED_TRANSLATION names no file")
        # What the window says from a folder of the user's own.
        reference = self.start(extra_env=ENGLISH)
        own_texts = self.texts(reference)
        self.assertIn("Click Here To Proceed", own_texts)
        reference.kill()

        # Qt reads its plugin folders as a list split at ':', so a name that
        # holds one is tried as well.
        for prefix in ("shared-", "shared:a:"):
            with self.subTest(folder=prefix):
                self.check_copy_in_shared_folder(prefix, own_texts)

    def check_copy_in_shared_folder(self, prefix, own_texts):
        shared = tempfile.mkdtemp(prefix=prefix, dir=self.desktop.root)
        os.chmod(shared, 0o1777)
        shutil.copy2(d.BINARY, os.path.join(shared, "palmora"))
        plant(shared, "qt.conf",
              f"[Paths]\nPlugins=/nonexistent\nTranslations={shared}/translations\n".encode())
        for kind in ("imageformats", "platformthemes", "accessiblebridge"):
            plant(shared, kind + "/libplanted.so", read(PLANTED_PLUGIN))
        for name in ("palmora_en.qm", "palmora_en_US.qm", "qtbase_en.qm"):
            plant(shared, "translations/" + name, read(PLANTED_TRANSLATION))

        home = tempfile.mkdtemp(prefix="home-", dir=self.desktop.root)
        mark = os.path.join(home, "planted-code-ran")
        app = self.start(folder=shared, home=home, extra_env=dict(ENGLISH, PALMORA_PLANTED_MARK=mark))
        self.assertEqual(self.texts(app), own_texts)
        # Every picture format is tried on the first paint, and a picture is
        # read when the topic browser opens.
        main = app.window()
        self.open_section(main, "Memorize Palmistry")
        self.settled_topic(main)
        self.assertTrue(app.alive())
        self.assertFalse(os.path.exists(mark), "the planted plugin's code ran")
        self.assertEqual(app.terminal_output(), "")
        app.kill()

if __name__ == "__main__":
    unittest.main()
