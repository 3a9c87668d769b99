"""The topic browser, stepped through as a user does."""

import unittest

import desktop as d

d.require_tools()


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


class Memorize(d.DesktopTest, unittest.TestCase):
    def topic_on_view(self, main):
        """(name, significance, shape) as the labels on screen show them."""
        labels = [label.name for label in self.desktop.find_all(main, "label", showing_only=True)]
        if "Significance" not in labels or "Shape / Location" not in labels:
            return None
        heading = labels.index("Significance")
        return labels[heading - 1], labels[heading + 1], labels[labels.index("Shape / Location") + 1]

    def test_to_the_last_topic_and_back(self):
        D = self.desktop
        app = self.start()
        main = app.window()
        self.open_section(main, "Memorize Palmistry")
        first = d.wait_for(lambda: self.topic_on_view(main), what="the first topic")
        self.assertEqual(first[0], "Shape of Hands - Square Hand")
        self.assertTrue(first[1].startswith("You will be orderly, punctual and precise in"))

        topics = [first]
        for _ in range(22):
            self.press(main, "push button", "Next")
            topics.append(d.wait_for(lambda: (lambda t: t if t and t != topics[-1] else None)(self.topic_on_view(main)),
                                     what="the next topic"))
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

        for expected in reversed(names[:-1]):
            self.press(main, "push button", "Back")
            d.wait_for(lambda: self.topic_on_view(main)[0] == expected, what=expected)
        self.press(main, "push button", "Back")
        text, box = app.message()
        self.assertEqual(text, "You are at the first record")
        app.answer(box)
        self.assertEqual(self.topic_on_view(main), first)

        # The place is kept across a visit to the start page.
        for step in range(1, 6):  # a press is an animated click: one at a time
            self.press(main, "push button", "Next")
            d.wait_for(lambda: self.topic_on_view(main)[0] == names[step], what=names[step])
        self.press(main, "push button", "Back To Main")
        self.press(main, "push button", "Click Here To Proceed")
        d.wait_for(lambda: self.topic_on_view(main)[0] == names[5], what=names[5])


if __name__ == "__main__":
    unittest.main()
