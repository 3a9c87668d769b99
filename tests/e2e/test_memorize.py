"""The topic browser, stepped through as a user does."""

import unittest

import desktop as d

d.require_tools()


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


class Memorize(d.DesktopTest, unittest.TestCase):
    def test_to_the_last_topic_and_back(self):
        D = self.desktop
        app = self.start()
        main = app.window()
        self.open_section(main, "Memorize Palmistry")
        first = self.settled_topic(main)
        self.assertEqual(first[0], "Shape of Hands - Square Hand")
        self.assertTrue(first[1].startswith("You will be orderly, punctual and precise in"))

        topics = [first]
        for _ in range(22):
            topics.append(self.step(main, "Next", topics[-1]))
        names = [topic[0] for topic in topics]
        self.assertEqual(names[13:16], ["Shape of Nails - Almond-Shaped", "Life Line", "Head Line"])
        self.assertEqual(names[-1], "Girdle of Venus")
        self.assertEqual(len(set(names)), 23)

        self.press(main, "push button", "Next")
        text, box = app.message()
        self.assertEqual(text, "You are at the last record")
        app.answer(box)
        self.assertEqual(self.topic_on_view(main)[0], "Girdle of Venus")
        self.assertEqual([t[2] for t in topics[10:14]], ["Shape / Location is not available."] * 4)

        shown = topics[-1]
        for expected in reversed(topics[:-1]):
            shown = self.step(main, "Back", shown)
            self.assertEqual(shown, expected)
        self.press(main, "push button", "Back")
        text, box = app.message()
        self.assertEqual(text, "You are at the first record")
        app.answer(box)
        self.assertEqual(self.topic_on_view(main), first)

        # The place is kept across a visit to the start page.
        shown = first
        for step in range(1, 6):  # a press is an animated click: one at a time
            shown = self.step(main, "Next", shown)
            self.assertEqual(shown, topics[step])
        self.press(main, "push button", "Back To Main")
        self.press(main, "push button", "Click Here To Proceed")
        self.assertEqual(self.settled_topic(main), topics[5])


if __name__ == "__main__":
    unittest.main()
