"""The self-test from the start page to paper, in each of its three kinds."""

import re
import shutil
import subprocess
import unittest

import desktop as d

d.require_tools()

KINDS = {
    "Test By Name of Line / Shape": 0,
    "Test By Significance": 1,
    "Test By Location / Shape": 2,
}


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


def norm(text):
    """Line breaks as the accessibility interface happens to give them."""
    return text.replace("\u2029", "\n").replace("\r\n", "\n").replace("\r", "\n")


def completed_jobs():
    result = subprocess.run(["lpstat", "-W", "completed", "-o"], capture_output=True, text=True)
    return len([line for line in result.stdout.splitlines() if line.strip()])


def default_printer():
    if not shutil.which("lpstat"):
        return None
    result = subprocess.run(["lpstat", "-d"], capture_output=True, text=True)
    match = re.search(r"system default destination: (\S+)", result.stdout)
    return match.group(1) if match else None


class SelfTest(d.DesktopTest, unittest.TestCase):
    catalogue = None

    def read_catalogue(self, main):
        """Every topic as the browser shows it: name -> (name, significance, shape)."""
        D = self.desktop
        self.open_section(main, "Memorize Palmistry")

        def on_view():
            labels = [label.name for label in D.find_all(main, "label", showing_only=True)]
            if "Significance" not in labels:
                return None
            i = labels.index("Significance")
            return labels[i - 1], labels[i + 1], labels[labels.index("Shape / Location") + 1]

        topics = [d.wait_for(on_view, what="the first topic")]
        for _ in range(22):
            self.press(main, "push button", "Next")
            topics.append(d.wait_for(lambda: (lambda t: t if t and t != topics[-1] else None)(on_view()),
                                     what="the next topic"))
        self.press(main, "push button", "Back To Main")
        return topics

    def options(self, main):
        return self.desktop.find_all(main, "radio button", showing_only=True)

    def take_test(self, app, main, kind):
        """Answers ten questions; returns what was chosen and the report text."""
        D = self.desktop
        self.press(main, "radio button", "Test Myself on Palmistry")
        self.press(main, "push button", "Click Here To Proceed")
        self.press(main, "radio button", kind)
        self.press(main, "push button", "Click Here To Start The Test")
        column = KINDS[kind]
        by_name = {topic[0]: topic for topic in self.catalogue}
        asked = []
        for question in range(10):
            options = d.wait_for(lambda: (lambda o: o if len(o) == 5 and not any(D.is_checked(x) for x in o) else None)(
                self.options(main)), what=f"question {question + 1}")
            texts = [norm(option.name) for option in options]
            labels = [label.name for label in D.find_all(main, "label", showing_only=True)]
            names_shown = [name for name in labels if name in by_name]
            if column == 0:
                self.assertEqual(names_shown, [], "the name must stay hidden when the name is asked")
                choice = 4
            else:
                self.assertEqual(len(names_shown), 1)
                right = norm(by_name[names_shown[0]][column])
                self.assertIn(right, texts[:4] + ([texts[4]] if texts[4] == right else []))
                choice = texts.index(right)
                asked.append(names_shown[0])
            for text in texts:
                self.assertIn(text, [norm(topic[column]) for topic in self.catalogue])
            D.press(options[choice])
            d.wait_for(lambda: D.is_checked(options[choice]), what="the choice")
            self.press(main, "push button", "Next Question")
            if question < 9:
                d.wait_for(lambda: not D.is_checked(options[choice]), what="the next question")
        report = D.find(main, "text", "Test report")
        d.wait_for(lambda: D.is_showing(report), what="the report")
        return asked, D.text(report)

    def check_report(self, text, column, asked):
        text = norm(text)
        *blocks, score_line = text.split("\n\n")
        self.assertEqual(len(blocks), 10)
        by_name = {topic[0]: topic for topic in self.catalogue}
        eligible = [topic[0] for index, topic in enumerate(self.catalogue) if index < 22 and not 10 <= index <= 13]
        right_count = 0
        names = []
        for block in blocks:
            name, your_answer, rest = block.split("\n", 2)
            self.assertEqual(your_answer, "Your Answer:")
            answer, right = rest.split("\nCorrect Choice: \n")
            self.assertIn(name, eligible)
            self.assertEqual(right, norm(by_name[name][column]))
            self.assertIn(answer, [norm(topic[column]) for topic in self.catalogue])
            right_count += answer == right
            names.append(name)
        self.assertEqual(len(set(names)), 10)
        if asked:
            self.assertEqual(names, asked)
        self.assertEqual(score_line, f"{right_count} Correct out of 10 Questions")
        return right_count

    def test_a_whole_test_in_each_kind_then_print(self):
        app = self.start()
        main = app.window()
        SelfTest.catalogue = self.read_catalogue(main)
        self.assertEqual(len(self.catalogue), 23)

        for kind, column in KINDS.items():
            with self.subTest(kind=kind):
                asked, report = self.take_test(app, main, kind)
                score = self.check_report(report, column, asked)
                if column != 0:
                    self.assertEqual(score, 10)
                printer = default_printer()
                if printer:
                    before = completed_jobs()
                    self.press(main, "push button", "Print Test Results")
                    d.wait_for(lambda: completed_jobs() == before + 1, timeout=60, what="the printed job")
                    self.assertEqual(self.desktop.window_names(app.pid), ["Palmora v1.20"])
                self.press(main, "push button", "Start Test Once More")
                self.press(main, "push button", "Back To Main")


if __name__ == "__main__":
    unittest.main()
