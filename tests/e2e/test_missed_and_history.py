"""Learning from mistakes: a test of just the topics answered wrong, asked again
until none is left, the results listed newest first from a file of the user's
own that keeps every question, and the progress view read by keys."""

import json
import os
import stat
import subprocess
import unittest

import desktop as d
from test_selftest import KINDS, SelfTestSteps, norm

d.require_tools()

KIND = "Test By Significance"
REPEAT = "Repeat The Missed Topics"
STATEMENT = "A test of the topics you missed in your last test"


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


class MissedAndHistory(SelfTestSteps, d.DesktopTest, unittest.TestCase):

    def answer_questions(self, main, count, wrong_at):
        """Answers `count` questions, a known wrong answer for those in wrong_at and
        the right one for the rest; returns the topics asked, in order."""
        D = self.desktop
        column = KINDS[KIND]
        by_name = {topic[0]: topic for topic in self.catalogue}
        asked = []
        previous = None
        for question in range(count):
            def state():
                options = self.options(main)
                if len(options) != 5 or any(D.is_checked(option) for option in options):
                    return None
                labels = [label.name for label in D.find_all(main, "label", showing_only=True)]
                names = [name for name in labels if name in by_name]
                return (options, [norm(option.name) for option in options], names) if len(names) == 1 else None

            options, texts, names = d.settled_read(state, lambda shown: shown[1:] != previous,
                                                   what=f"question {question + 1}", key=lambda shown: shown[1:])
            previous = (texts, names)
            asked.append(names[0])
            right = norm(by_name[names[0]][column])
            if question in wrong_at:
                choice = next(k for k, text in enumerate(texts) if text != right)
            else:
                choice = texts.index(right)
            D.press(options[choice])
            d.wait_for(lambda: D.is_checked(options[choice]), what="the choice")
            self.press(main, "push button", "Next Question")
            if question < count - 1:
                d.wait_for(lambda: not D.is_checked(options[choice]), what="the next question")
        report = D.find(main, "text", "Test report")
        d.wait_for(lambda: D.is_showing(report), what="the report")
        return asked, norm(D.text(report))

    def check_repeat_report(self, report, asked, right):
        statement, *blocks, score_line = report.split("\n\n")
        self.assertEqual(statement, STATEMENT)
        self.assertEqual([block.split("\n", 1)[0] for block in blocks], asked)
        questions = len(asked)
        noun = "Question" if questions == 1 else "Questions"
        self.assertEqual(score_line, f"{right} Correct out of {questions} {noun}")

    def results_shown(self, main):
        """The lines the options page lists under "Your last results"."""
        listed = self.desktop.find(main, "label", "Your last results")
        return listed.description.split("\n")

    def access_key(self, main, key):
        """Alt and the key, typed into the main window as a keyboard user would;
        the window manager gave it the keyboard."""
        d.wait_for(lambda: self.desktop.is_active(main), what="the main window to have the keyboard")
        subprocess.run(["xdotool", "key", "alt+" + key], check=True)

    def check_progress_view(self, app, main, again):
        """My Progress from the result page and back, by keys alone: the chart,
        then every topic, the one missed twice first."""
        D = self.desktop
        self.access_key(main, "g")
        chart = D.find(main, None, "Chart of your test scores")
        self.assertEqual(chart.description.count("not counted as progress"), 2, chart.description)
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        d.wait_for(lambda: D.focused(app.pid) == ("table", "Your record on each topic"), what="the table")
        cells = [cell.name for cell in D.find_all(D.find(main, "table", "Your record on each topic"), "table cell")]
        self.assertEqual(len(cells), 23 * 4)
        # Missed once, then again, then right: 1 of 3; the other two 1 of 2.
        self.assertEqual(cells[0:4], [again[0], again[0] + " by name: never asked",
                                      again[0] + " by significance: 1 of 3 right",
                                      again[0] + " by location / shape: never asked"])
        self.assertEqual(sorted([cells[4], cells[8]]), sorted(again[1:]))
        self.assertEqual(cells[6], cells[4] + " by significance: 1 of 2 right")
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        d.wait_for(lambda: D.find(main, "push button", "Back").getState().contains(D.atspi.STATE_FOCUSED),
                   what="the way back")
        subprocess.run(["xdotool", "key", "space"], check=True)
        d.wait_for(lambda: D.is_showing(D.find(main, "text", "Test report", showing_only=False)),
                   what="the report again")

    def repeat_offered(self, main):
        return bool(self.desktop.find_all(main, "push button", REPEAT, showing_only=True))

    def test_missed_topics_again_until_none_then_three_results_newest_first(self):
        app = self.start()
        main = app.window()
        self.known_catalogue(main)
        self.open_section(main, "Test Myself on Palmistry")
        d.wait_for(lambda: self.results_shown(main)
                   == ["Your results will be listed here after your first test."], what="the empty list")

        # A whole test with three known wrong answers: an ordinary report.
        self.press(main, "radio button", KIND)
        self.press(main, "push button", "Click Here To Start The Test")
        asked, report = self.answer_questions(main, 10, wrong_at={1, 4, 8})
        self.assertEqual(self.check_report(report, KINDS[KIND], asked), 7)
        missed = [asked[1], asked[4], asked[8]]
        d.wait_for(lambda: self.repeat_offered(main), what="the offer of the missed topics")

        # The repeat asks exactly those three, one wrong again.
        self.press(main, "push button", REPEAT)
        again, report = self.answer_questions(main, 3, wrong_at={0})
        self.assertEqual(sorted(again), sorted(missed))
        self.check_repeat_report(report, again, 2)

        # And then the one left, by its access key, right this time: nothing
        # more is offered.
        self.access_key(main, "r")
        last, report = self.answer_questions(main, 1, wrong_at=set())
        self.assertEqual(last, again[:1])
        self.check_repeat_report(report, last, 1)
        d.wait_for(lambda: not self.repeat_offered(main), what="the offer to go")

        # Every question kept, in the data folder, for the user alone.
        path = os.path.join(app.home, ".local", "share", "palmora", "results.json")

        def kept_results():
            with open(path) as results:
                return json.load(results)

        # Kept just after the report is drawn.
        kept = d.wait_for(lambda: kept_results() if len(kept_results()["results"]) == 3 else None,
                          what="the third result in the file")
        self.assertEqual(stat.S_IMODE(os.stat(path).st_mode), 0o600)
        self.assertEqual(kept["version"], 2)
        index = {topic[0]: number for number, topic in enumerate(self.catalogue)}
        self.assertEqual([(r["score"], r["questions"], r["choice"], r["kind"]) for r in kept["results"]],
                         [(7, 10, "drawn", "significance"), (2, 3, "missed", "significance"),
                          (1, 1, "missed", "significance")])
        self.assertEqual([[(q["topic"], q["right"]) for q in r["asked"]] for r in kept["results"]],
                         [[(index[name], n not in {1, 4, 8}) for n, name in enumerate(asked)],
                          [(index[name], n != 0) for n, name in enumerate(again)],
                          [(index[last[0]], True)]])
        self.check_progress_view(app, main, again)

        # The three results, newest first, where the next test is chosen.
        self.press(main, "push button", "Start Test Once More")
        shown = d.wait_for(lambda: self.results_shown(main) if len(self.results_shown(main)) == 3 else None,
                           what="three results")
        self.assertTrue(shown[0].startswith("1 of 1 right, missed topics by significance, "), shown)
        self.assertTrue(shown[1].startswith("2 of 3 right, missed topics by significance, "), shown)
        self.assertTrue(shown[2].startswith("7 of 10 right, by significance, "), shown)



if __name__ == "__main__":
    unittest.main()
