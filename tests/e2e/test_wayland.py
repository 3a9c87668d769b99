"""The other modules' steps in a Wayland session: Weston's headless compositor
and no X display at all, so Palmora cannot fall back to X. Start-up and a second
copy, the update reminder, a whole test with its report, a goal note across a
restart, the exit screen with a referral. Every copy must show its windows
through the compositor and leave the terminal empty: what Wayland does not let a
program do (keep a window above the others, place it, raise it) goes without a
warning."""

import unittest

import desktop as d

d.require_tools("wayland")

import test_goals_and_exit as goals  # noqa: E402  (imported after the check above)
import test_selftest as selftest  # noqa: E402
import test_startup as startup  # noqa: E402


def setUpModule():
    d.DesktopTest.desktop = startup.DESKTOP = d.Desktop(display="wayland")


def tearDownModule():
    d.DesktopTest.desktop.close()


class OnWayland:
    """Mixin: checks every copy the test started once the test is over."""

    def tearDown(self):
        desktop = d.DesktopTest.desktop
        apps = getattr(self, "apps", [])
        for app in apps:
            if app.alive():
                self.assertNotEqual(desktop.wayland_request(f"titles {app.pid}"), "",
                                    "a running copy has no window on the compositor")
        super().tearDown()  # ends the copies still running
        for app in apps:
            self.assertEqual(app.terminal_output(), "", "Palmora wrote to the terminal")


class StartUp(OnWayland, startup.StartUp):
    pass


class UpdateReminder(OnWayland, startup.UpdateReminder):
    pass


class SelfTest(OnWayland, selftest.SelfTest):
    kinds = ("Test By Significance",)


class GoalNotes(OnWayland, goals.GoalNotes):
    pass


class ExitScreen(OnWayland, goals.ExitScreen):
    pass


if __name__ == "__main__":
    unittest.main()
