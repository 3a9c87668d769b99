"""The self-test from the start page to paper, in each of its three kinds, and
to a PDF file on a computer without a printer."""

import datetime
import os
import re
import shutil
import socket
import subprocess
import tempfile
import threading
import unicodedata
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
    """Ids of the completed jobs (a set: CUPS drops old jobs from its history)."""
    result = subprocess.run(["lpstat", "-W", "completed", "-o"], capture_output=True, text=True)
    return {line.split()[0] for line in result.stdout.splitlines() if line.strip()}


def default_printer():
    if not shutil.which("lpstat"):
        return None
    result = subprocess.run(["lpstat", "-d"], capture_output=True, text=True)
    match = re.search(r"system default destination: (\S+)", result.stdout)
    return match.group(1) if match else None


class SelfTestSteps:
    """Taking a test through the accessible tree, for test cases of a desktop."""

    catalogue = None

    def known_catalogue(self, main):
        """The catalogue, read through the browser by the first test that needs it."""
        if SelfTestSteps.catalogue is None:
            catalogue = self.read_catalogue(main)
            self.assertEqual(len(catalogue), 23)
            SelfTestSteps.catalogue = catalogue
        return SelfTestSteps.catalogue

    def read_catalogue(self, main):
        """Every topic as the browser shows it: name -> (name, significance, shape)."""
        self.open_section(main, "Memorize Palmistry")
        topics = [self.settled_topic(main)]
        for _ in range(22):
            topics.append(self.step(main, "Next", topics[-1]))
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
        previous = None
        for question in range(10):
            def state():
                options = self.options(main)
                if len(options) != 5 or any(D.is_checked(option) for option in options):
                    return None
                labels = [label.name for label in D.find_all(main, "label", showing_only=True)]
                return options, [norm(option.name) for option in options], [n for n in labels if n in by_name]

            options, texts, names_shown = d.settled_read(
                state, lambda shown: shown[1:] != previous, what=f"question {question + 1}",
                key=lambda shown: shown[1:])
            previous = (texts, names_shown)
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


class SelfTest(SelfTestSteps, d.DesktopTest, unittest.TestCase):
    kinds = tuple(KINDS)  # the kinds a whole test is taken in

    def whole_test_then_print(self, kind):
        """One test of the kind in a copy of its own, so that a step that fails
        ends this test alone and the next kind starts afresh."""
        if kind not in self.kinds:
            self.skipTest(f"'{kind}' is not taken here")
        app = self.start()
        main = app.window()
        self.known_catalogue(main)
        column = KINDS[kind]
        asked, report = self.take_test(app, main, kind)
        score = self.check_report(report, column, asked)
        if column != 0:
            self.assertEqual(score, 10)
        printer = default_printer()
        if printer:
            before = completed_jobs()
            self.press(main, "push button", "Print Test Results")
            d.wait_for(lambda: len(completed_jobs() - before) == 1, timeout=60, what="the printed job")
            self.assertEqual(self.desktop.window_names(app.pid), ["Palmora v1.20"])
        self.press(main, "push button", "Start Test Once More")
        self.press(main, "push button", "Back To Main")

    def test_by_name_then_print(self):
        self.whole_test_then_print("Test By Name of Line / Shape")

    def test_by_significance_then_print(self):
        self.whole_test_then_print("Test By Significance")

    def test_by_location_then_print(self):
        self.whole_test_then_print("Test By Location / Shape")


def pdf_text(path):
    """The text of a PDF as a reader copies it, "fi" ligatures spelled out."""
    result = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True)
    return unicodedata.normalize("NFKC", result.stdout)


def rejoin_wrapped(lines, model):
    """lines regrouped as the lines of model: a line of model the page was too
    narrow for went on over several lines, which are joined again. Lines left
    over come last, so that a comparison with model shows them."""
    lines = [line.strip() for line in lines if line.strip()]
    grouped = []
    for wanted in model:
        joined = ""
        while lines and len(joined) < len(wanted):
            joined = (joined + " " + lines.pop(0)).strip()
        grouped.append(joined)
    return grouped + lines


class WithoutPrinter(SelfTestSteps, d.DesktopTest, unittest.TestCase):
    """A computer without a printer: the report is offered as a PDF file."""

    KIND = "Test By Significance"
    DIALOG = "Save Test Results as PDF"

    def setUp(self):
        if not shutil.which("pdftotext"):
            self.skipTest("pdftotext (poppler-utils) is needed to read the PDF")

    def test_report_saved_as_pdf_or_kept_on_screen(self):
        D = self.desktop
        app, documents = self.start_without_printer()
        main = app.window()
        self.known_catalogue(main)
        asked, report = self.take_test(app, main, self.KIND)
        self.assertEqual(self.check_report(report, KINDS[self.KIND], asked), 10)
        report_box = D.find(main, "text", "Test report")

        # No: the report stays on screen and nothing is written.
        self.press(main, "push button", "Print Test Results")
        text, box = app.message()
        self.assertIn("no printer is installed", text)
        self.assertIn("PDF", text)
        app.answer(box, "No")
        d.wait_for(lambda: D.window_names(app.pid) == ["Palmora v1.20"], what="the message to go")
        self.assertEqual(D.text(report_box), report)
        self.assertEqual(os.listdir(documents), [])

        # Yes: the save dialog opens in the documents folder with a dated name;
        # a name typed there is where the PDF goes.
        self.press(main, "push button", "Print Test Results")
        day_before = datetime.date.today().isoformat()
        text, box = app.message()
        self.assertIn("no printer is installed", text)
        app.answer(box, "Yes")
        dialog = D.window(app.pid, self.DIALOG)
        day_after = datetime.date.today().isoformat()
        proposed = {f"Palmora test results {day}.pdf" for day in (day_before, day_after)}
        name_field = d.wait_for(lambda: next((field for field in D.find_all(dialog, "text", showing_only=True)
                                              if D.text(field) in proposed), None),
                                what="the proposed file name")
        # A name of more characters than a folder takes, or of few characters
        # but too many bytes (two each), is refused whole and said so; a
        # folder typed before a name does not count.
        proposal = D.text(name_field)
        for name in ("p" * 300 + ".pdf", "\u00e9" * 200 + ".pdf"):
            D.set_text(name_field, name)
            text, box = app.message()
            self.assertIn("The file name is too long", text)
            app.answer(box)
            d.wait_for(lambda: D.window_names(app.pid) == ["Palmora v1.20", self.DIALOG], what="the message to go")
            self.assertEqual(D.text(name_field), proposal)
        in_folder = os.path.join(documents, "q" * 200, "r" * 250)
        D.set_text(name_field, in_folder)
        self.assertEqual(D.text(name_field), in_folder)
        self.assertEqual(os.listdir(documents), [])
        D.set_text(name_field, "my palm test")  # the dialog adds the extension
        self.press(dialog, "push button", "Save")
        saved = os.path.join(documents, "my palm test.pdf")
        text, box = app.message()
        self.assertEqual(text, f"The test results were saved to {saved}.")
        app.answer(box)
        d.wait_for(lambda: D.window_names(app.pid) == ["Palmora v1.20"], what="the dialog to go")
        self.assertEqual(os.listdir(documents), ["my palm test.pdf"])
        self.assertEqual(D.text(report_box), report)

        # What paper would carry: the report between the two signature lines,
        # line by line (pdftotext leaves out the empty ones).
        signature = "Report Generated By " + d.SITE
        paper = [line.strip() for line in f"{signature}\n\n{norm(report)}\n\n{signature}".split("\n")]
        paper = [line for line in paper if line]
        self.assertEqual(rejoin_wrapped(pdf_text(saved).split("\n"), paper), paper)



class SilentPrintSystem(SelfTestSteps, d.DesktopTest, unittest.TestCase):
    """A print system that takes connections and never answers: the report is
    given up on, the user told, and leaving ends the program and frees the
    one-copy lock."""

    KIND = "Test By Significance"

    def test_print_is_given_up_on_and_leaving_ends_the_program(self):
        D = self.desktop
        server = os.path.join(tempfile.mkdtemp(prefix="silent-", dir=D.root), "cups.sock")
        silent = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        silent.bind(server)
        silent.listen(64)
        callers = []  # every connection taken, held open and never answered

        def take_calls():
            while True:
                try:
                    callers.append(silent.accept()[0])
                except OSError:
                    return
        taker = threading.Thread(target=take_calls, daemon=True)
        taker.start()

        def hang_up():
            silent.shutdown(socket.SHUT_RDWR)
            silent.close()
            taker.join(timeout=10)
            for caller in callers:
                caller.close()
        self.addCleanup(hang_up)
        home = tempfile.mkdtemp(prefix="home-", dir=D.root)
        app = self.start(home=home, extra_env={"CUPS_SERVER": server})
        main = app.window()
        self.known_catalogue(main)
        self.take_test(app, main, self.KIND)

        self.press(main, "push button", "Print Test Results")
        text, box = app.message(timeout=60)
        self.assertIn("not printed because the print system did not answer within 10 seconds", text)
        self.assertIn("PDF", text)
        app.answer(box, "No")
        d.wait_for(lambda: D.window_names(app.pid) == ["Palmora v1.20"], what="the message to go")

        # A print on its way as the window is closed: told before it goes.
        calls = len(callers)
        self.press(main, "push button", "Print Test Results")
        d.wait_for(lambda: len(callers) > calls, what="the print system to be called")
        D.close_window(app.pid, "Palmora v1.20")
        text, box = app.message(timeout=60)
        self.assertIn("not printed because the print system did not answer", text)
        app.answer(box, "No")
        exit_screen = d.wait_for(lambda: next((w for w in D.windows(app.pid)
                                               if D.find_all(w, "push button", "Exit")), None),
                                 what="the exit screen")
        self.press(exit_screen, "push button", "Exit")
        self.assertEqual(app.wait_exit(timeout=15), 0)

        # The lock went with the program: the next start is not kept out.
        again = self.start(home=home)
        again.window()
        self.assertEqual(D.window_names(again.pid), ["Palmora v1.20"])


if __name__ == "__main__":
    unittest.main()
