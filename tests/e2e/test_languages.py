"""Palmora in each language it speaks: started with LANGUAGE set to it, the
start page, a test question, the report and the exit screen read in that
language, and what is stored stays as it is."""

import os
import re
import unittest
import xml.etree.ElementTree as ET

import desktop as d

d.require_tools()

TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")
LANGUAGES = {"de": "de_DE.UTF-8", "es": "es_ES.UTF-8", "fr": "fr_FR.UTF-8"}


def setUpModule():
    d.DesktopTest.desktop = d.Desktop()


def tearDownModule():
    d.DesktopTest.desktop.close()


def norm(text):
    return text.replace("\u2029", "\n").replace("\r\n", "\n").replace("\r", "\n")


class Translation:
    """A language's texts, read from its file: the English text in a context
    gives the text a user of that language sees."""

    def __init__(self, language):
        root = ET.parse(os.path.join(TRANSLATIONS, f"palmora_{language}.ts")).getroot()
        self.texts = {}
        for context in root.iter("context"):
            for message in context.iter("message"):
                self.texts[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")

    def __call__(self, context, english):
        """As a control shows it: the access key's marker taken out."""
        return self.texts[(context, english)].replace("&&", "\0").replace("&", "").replace("\0", "&")

    def topic_names(self):
        """The 23 topics' names: in the topic texts, those without a full stop."""
        names = {self.texts[key] for key in self.texts if key[0] == "TopicData" and not key[1].endswith(".")}
        assert len(names) == 23, names
        return names


class Languages(d.DesktopTest, unittest.TestCase):
    def walk(self, language):
        t = Translation(language)
        D = self.desktop
        app = self.start(extra_env={"LANGUAGE": language, "LANG": LANGUAGES[language], "LC_ALL": None,
                                    "LC_MESSAGES": None})
        main = app.window()  # the caption is stored: it stays as it is

        # The start page.
        self.press(main, "radio button", t("MainWindow", "Test Myself on Palmistry"))
        self.press(main, "push button", t("MainWindow", "&Click Here To Proceed"))
        self.press(main, "radio button", t("TestOptionsPage", "Test By Name of Line / Shape"))
        self.press(main, "push button", t("TestOptionsPage", "&Click Here To Start The Test"))

        # Ten questions, each answered with its last choice: the choices are
        # the topics' names in this language.
        names = t.topic_names()
        for question in range(10):
            def question_shown():
                options = D.find_all(main, "radio button", showing_only=True)
                return options if len(options) == 5 and not any(map(D.is_checked, options)) else None

            options = d.wait_for(question_shown, what=f"question {question + 1}")
            for option in options:
                self.assertIn(option.name, names)
            D.press(options[-1])
            d.wait_for(lambda: D.is_checked(options[-1]), what="the choice")
            self.press(main, "push button", t("TestQuestionPage", "&Next Question"))
            if question < 9:
                d.wait_for(lambda: not D.is_checked(options[-1]), what="the next question")

        # The report: its fixed words and the score line in this language.
        report = D.find(main, "text", t("palmora::TestResultPage", "Test report"))
        d.wait_for(lambda: D.is_showing(report), what="the report")
        *blocks, score_line = norm(D.text(report)).split("\n\n")
        self.assertEqual(len(blocks), 10)
        for block in blocks:
            name, your_answer, rest = block.split("\n", 2)
            self.assertIn(name, names)
            self.assertEqual(your_answer, t("TestReport", "Your Answer:"))
            self.assertIn("\n" + t("TestReport", "Correct Choice: ") + "\n", rest)
        score = re.escape(t("TestReport", "%1 Correct out of 10 Questions")).replace("%1", r"(\d+)")
        self.assertRegex(score_line, "^" + score + "$")

        # The exit screen, by the File menu.
        D.press(D.find(main, "menu item", t("MainWindow", "E&xit"), showing_only=False))
        exit_button = t("ExitScreen", "E&xit")
        exit_screen = d.wait_for(lambda: next((w for w in D.windows(app.pid)
                                               if D.find_all(w, "push button", exit_button)), None),
                                 what="the exit screen")
        self.assertEqual(exit_screen.name, "Palmora v1.20")
        D.find(exit_screen, "push button", t("ExitScreen", "Refer A Friend &Now"))
        self.press(exit_screen, "push button", exit_button)
        self.assertEqual(app.wait_exit(), 0)
        # The first goal note, made at the first start, in this language too.
        self.assertEqual(app.goal_bytes(1), (t("GoalFile", "This is Goal %1.").replace("%1", "1") + "\r\n").encode())

    def test_german(self):
        self.walk("de")

    def test_french(self):
        self.walk("fr")

    def test_spanish(self):
        self.walk("es")


if __name__ == "__main__":
    unittest.main()
