#include "common/randomsource.h"
#include "content/picturelist.h"
#include "content/topiccatalogue.h"
#include "messagerecorder.h"
#include "namedchild.h"
#include "screenmove.h"
#include "scriptedrandomsource.h"
#include "selftest/selftest.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>

using namespace palmora;
using palmora::testing::MessageRecorder;

namespace {

// The self-test's frames stacked as the main window stacks them.
struct Harness {
    explicit Harness(RandomSource &random)
        : test(catalogue, pictures, random)
    {
        stack.addWidget(test.optionsPage());
        stack.addWidget(test.questionPage());
        stack.addWidget(test.resultPage());
        QObject::connect(&test, &SelfTest::showPageRequested, &stack, [this](QWidget *page) {
            pages.append(page);
            stack.setCurrentWidget(page);
        });
        stack.show();
    }

    void start(int kind)
    {
        mode = TestMode(kind);
        QTest::mouseClick(test.optionsPage()->findChild<QButtonGroup *>()->button(kind), Qt::LeftButton);
        press(test.optionsPage(), "startTestButton");
    }

    // The topic the question names (the name label is there, hidden, in a test
    // by name too); -1 for none.
    int shownTopic() const
    {
        const QString name =
            testing::namedChild<QLabel>(test.questionPage(), QStringLiteral("questionNameLabel"))->text();
        for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
            if (catalogue.topicName(t) == name)
                return t;
        }
        return -1;
    }

    QString rightText() const { return topicText(catalogue, shownTopic(), mode); }

    // The first option whose text is (or, `right` false, is not) the right one; -1 for none.
    int firstOption(bool right) const
    {
        for (int k = 0; k < kOptionCount; ++k) {
            if ((test.questionPage()->optionText(k) == rightText()) == right)
                return k;
        }
        return -1;
    }

    // The report as the result box shows it.
    QString shownReport() const
    {
        return testing::namedChild<QPlainTextEdit>(test.resultPage(), QStringLiteral("resultBox"))
            ->toPlainText();
    }

    void choose(int k)
    {
        // The click lands on the wrapped text's far corner, not on the indicator.
        QAbstractButton *option = test.questionPage()->findChild<QButtonGroup *>()->button(k);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 4, option->height() - 4));
    }

    static void press(QWidget *page, const char *button)
    {
        QTest::mouseClick(testing::namedChild<QPushButton>(page, QLatin1String(button)), Qt::LeftButton);
    }

    void next() const { press(test.questionPage(), "nextQuestionButton"); }

    TopicCatalogue catalogue;
    PictureList pictures;
    TestMode mode = TestMode::ByName;
    SelfTest test;
    QStackedWidget stack;
    QList<QWidget *> pages;
};

} // namespace

class TstSelfTest : public QObject {
    Q_OBJECT

private slots:
    void optionsKeepClearOfBorderAndEachOther_data();
    void optionsKeepClearOfBorderAndEachOther();
    void startWithoutKindOnlyWarns();
    void nextWithoutAnswerOnlyWarns();
    void questionShowsItsTopic_data();
    void questionShowsItsTopic();
    void wholeTest_data();
    void wholeTest();
    void eitherOfTwoEqualOptionsIsRight_data();
    void eitherOfTwoEqualOptionsIsRight();
    void secondReportReplacesFirstAndRestart();
    void resultBoxEmptiesClipboard();
    void resultBoxReadableOnLightCyan();
};

void TstSelfTest::startWithoutKindOnlyWarns()
{
    GeneratorRandomSource random(1u);
    Harness h(random);
    MessageRecorder messages;
    h.press(h.test.optionsPage(), "startTestButton");
    QCOMPARE(messages.texts(), QStringList {QStringLiteral("Please select a test option")});
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QVERIFY(h.pages.isEmpty());

    h.start(1);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(h.pages, QList<QWidget *> {h.test.questionPage()});
    QCOMPARE(h.test.questionPage()->title(), QStringLiteral("Test"));

    QSignalSpy back(&h.test, &SelfTest::backToMainRequested);
    h.press(h.test.optionsPage(), "backToMainButton");
    QCOMPARE(back.count(), 1);
}

void TstSelfTest::nextWithoutAnswerOnlyWarns()
{
    palmora::testing::ScriptedRandomSource random;
    for (int t = 0; t < kQuestionCount; ++t)
        random.appendIndex(t, 22);
    for (const int t : {15, 16, 17, 18, 19})
        random.appendIndex(t, 22);
    random.appendIndex(2, 4);
    for (const int t : {21, 20, 19, 18, 17})
        random.appendIndex(t, 22);
    random.appendIndex(3, 4);
    Harness h(random);
    MessageRecorder messages;
    h.start(0);
    QCOMPARE(random.drawn(), 16);

    h.next();
    QCOMPARE(messages.texts(), QStringList {QStringLiteral("Please select an answer")});
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QCOMPARE(h.shownTopic(), 0);
    QCOMPARE(random.drawn(), 16);
    QCOMPARE(h.stack.currentWidget(), h.test.questionPage());

    // The same press records the answer once one is selected.
    h.choose(2);
    h.next();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(random.drawn(), 22);
    QCOMPARE(h.shownTopic(), 1);
    QCOMPARE(h.firstOption(true), 3);
    QCOMPARE(h.test.questionPage()->optionText(3), h.catalogue.topicName(1));
    QCOMPARE(h.test.questionPage()->optionText(0), h.catalogue.topicName(21));
    QCOMPARE(h.test.questionPage()->optionText(4), h.catalogue.topicName(17));
}

void TstSelfTest::questionShowsItsTopic_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("ratio");
    QTest::newRow("by name") << 0 << 1;
    QTest::newRow("by significance") << 1 << 1;
    QTest::newRow("by location / shape") << 2 << 1;
    QTest::newRow("by name, double density") << 0 << 2;
}

void TstSelfTest::questionShowsItsTopic()
{
    QFETCH(int, kind);
    QFETCH(int, ratio);
    GeneratorRandomSource random(99u + kind);
    Harness h(random);
    h.start(kind);
    // Moved once the first question is on view: that picture is swapped, the
    // following ones are fetched for the new screen.
    QVERIFY(testing::moveToScreenOfRatio(&h.stack, ratio));
    const TestMode mode = TestMode(kind);
    QStringList modeTexts;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t)
        modeTexts.append(topicText(h.catalogue, t, mode));

    for (int i = 0; i < kQuestionCount; ++i) {
        const int topic = h.shownTopic();
        QVERIFY(topic >= 0);
        TestQuestionPage *page = h.test.questionPage();
        QCOMPARE(page->selectedOption(), -1);
        QCOMPARE(testing::namedChild<QLabel>(page, QStringLiteral("questionNameLabel"))->isVisible(),
                 mode != TestMode::ByName);
        // Every option a topic's text of the test's kind, one of them the right one.
        for (int k = 0; k < kOptionCount; ++k) {
            QVERIFY(modeTexts.contains(page->optionText(k)));
            QCOMPARE(page->findChild<QButtonGroup *>()->button(k)->text(), page->optionText(k));
        }
        QVERIFY(h.firstOption(true) >= 0);
        // The named topic's drawing for the screen's density, at the same logical size at either.
        const int number = TopicCatalogue::topicPicture(topic);
        const QImage expected(QStringLiteral(":/pictures/") + PictureList::pictureName(number, ratio));
        const QPixmap shown = page->findChild<QLabel *>(QStringLiteral("questionPicture"))->pixmap();
        QCOMPARE(shown.devicePixelRatio(), qreal(ratio));
        QCOMPARE(shown.deviceIndependentSize(),
                 QSizeF(QImage(QStringLiteral(":/pictures/") + PictureList::pictureName(number)).size()));
        QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        h.choose(kOptionCount - 1);
        h.next();
    }
}

void TstSelfTest::wholeTest_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("allRight");
    QTest::newRow("ten right by name") << 0 << true;
    QTest::newRow("none right by significance") << 1 << false;
    QTest::newRow("ten right by location / shape") << 2 << true;
    QTest::newRow("none right by name") << 0 << false;
}

void TstSelfTest::wholeTest()
{
    QFETCH(int, kind);
    QFETCH(bool, allRight);
    GeneratorRandomSource random(2026u + kind);
    Harness h(random);
    h.start(kind);

    QList<TopicIndex> topics;
    QStringList answers;
    QStringList rights;
    for (int i = 0; i < kQuestionCount; ++i) {
        QCOMPARE(h.stack.currentWidget(), h.test.questionPage());
        const int k = h.firstOption(allRight);
        QVERIFY(k >= 0);
        topics.append(h.shownTopic());
        rights.append(h.rightText());
        answers.append(h.test.questionPage()->optionText(k));
        h.choose(k);
        QCOMPARE(h.test.questionPage()->selectedOption(), k);
        h.next();
        if (i < kQuestionCount - 1)
            QCOMPARE(h.test.questionPage()->selectedOption(), -1);
    }
    QCOMPARE(h.pages.last(), static_cast<QWidget *>(h.test.resultPage()));
    QCOMPARE(h.stack.currentWidget(), h.test.resultPage());

    QString expected;
    for (int i = 0; i < kQuestionCount; ++i) {
        expected += h.catalogue.topicName(topics[i]) + QStringLiteral("\nYour Answer:\n") + answers[i]
            + QStringLiteral("\nCorrect Choice: \n") + rights[i] + QStringLiteral("\n\n");
    }
    expected += allRight ? QStringLiteral("10 Correct out of 10 Questions")
                         : QStringLiteral("0 Correct out of 10 Questions");
    TestResultPage *result = h.test.resultPage();
    QCOMPARE(h.shownReport(), expected);

    // Exactly the ten names are bold, each one a whole paragraph of its own.
    QStringList boldParagraphs;
    for (QTextBlock block =
             testing::namedChild<QPlainTextEdit>(result, QStringLiteral("resultBox"))->document()->begin();
         block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold) {
                QCOMPARE(it.fragment().text(), block.text());
                boldParagraphs.append(block.text());
            }
        }
    }
    QStringList names;
    for (const TopicIndex t : topics)
        names.append(h.catalogue.topicName(t));
    QCOMPARE(boldParagraphs, names);
}

void TstSelfTest::eitherOfTwoEqualOptionsIsRight_data()
{
    QTest::addColumn<int>("chosen");
    QTest::newRow("the right position") << 0;
    QTest::newRow("the fifth option, same topic") << 4;
}

void TstSelfTest::eitherOfTwoEqualOptionsIsRight()
{
    QFETCH(int, chosen);
    palmora::testing::ScriptedRandomSource random;
    // Questions 0, 1, ..., 8 and 14.
    for (const int t : {0, 1, 2, 3, 4, 5, 6, 7, 8, 14})
        random.appendIndex(t, 22);
    for (int i = 0; i < kQuestionCount; ++i) {
        const int own = i < 9 ? i : 14;
        // Distractors 15, 16, 17, 18 and the question's own topic last.
        for (const int t : {15, 16, 17, 18})
            random.appendIndex(t == own ? 19 : t, 22);
        random.appendIndex(own, 22);
        random.appendIndex(0, 4);
    }
    Harness h(random);
    MessageRecorder messages;
    h.start(1);
    for (int i = 0; i < kQuestionCount; ++i) {
        QCOMPARE(h.firstOption(true), 0);
        QCOMPARE(h.test.questionPage()->optionText(0), h.test.questionPage()->optionText(4));
        h.choose(chosen);
        h.next();
    }
    QCOMPARE(messages.count(), 0);
    QVERIFY(h.shownReport().endsWith(QStringLiteral("\n\n10 Correct out of 10 Questions")));
}

void TstSelfTest::secondReportReplacesFirstAndRestart()
{
    GeneratorRandomSource random(7u);
    Harness h(random);
    MessageRecorder messages;

    h.start(0);
    for (int i = 0; i < kQuestionCount; ++i) {
        h.choose(h.firstOption(true));
        h.next();
    }
    const QString first = h.shownReport();
    QVERIFY(first.endsWith(QStringLiteral("10 Correct out of 10 Questions")));

    h.press(h.test.resultPage(), "startAgainButton");
    QCOMPARE(h.stack.currentWidget(), h.test.optionsPage());
    for (int k = 0; k < 3; ++k)
        QVERIFY(!h.test.optionsPage()->findChild<QButtonGroup *>()->button(k)->isChecked());
    // The old report stays until the next one replaces it.
    QCOMPARE(h.shownReport(), first);

    h.press(h.test.optionsPage(), "startTestButton");
    QCOMPARE(messages.texts(), QStringList {QStringLiteral("Please select a test option")});
    QCOMPARE(h.stack.currentWidget(), h.test.optionsPage());

    h.start(2);
    QCOMPARE(h.stack.currentWidget(), h.test.questionPage());
    for (int i = 0; i < kQuestionCount; ++i) {
        h.choose(h.firstOption(false));
        h.next();
    }
    const QString second = h.shownReport();
    QVERIFY(second.endsWith(QStringLiteral("\n\n0 Correct out of 10 Questions")));
    QVERIFY(!second.contains(QStringLiteral("10 Correct out of 10 Questions")));
    QCOMPARE(second.count(QStringLiteral("Your Answer:")), kQuestionCount);
}

void TstSelfTest::resultBoxEmptiesClipboard()
{
    GeneratorRandomSource random(11u);
    Harness h(random);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied elsewhere"));
    QCOMPARE(clipboard->text(), QStringLiteral("copied elsewhere"));

    h.start(0);
    for (int i = 0; i < kQuestionCount; ++i) {
        h.choose(0);
        h.next();
    }
    QVERIFY(clipboard->text().isEmpty());

    QWidget *viewport =
        testing::namedChild<QPlainTextEdit>(h.test.resultPage(), QStringLiteral("resultBox"))->viewport();
    const QPoint inside(30, 30);
    clipboard->setText(QStringLiteral("again"));
    QTest::mouseMove(viewport, inside);
    QTRY_VERIFY(clipboard->text().isEmpty());

    clipboard->setText(QStringLiteral("again"));
    QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
    QVERIFY(clipboard->text().isEmpty());

    clipboard->setText(QStringLiteral("again"));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside);
    QVERIFY(clipboard->text().isEmpty());

    // Text copied from the box itself lasts only until the next such event.
    testing::namedChild<QPlainTextEdit>(h.test.resultPage(), QStringLiteral("resultBox"))->selectAll();
    testing::namedChild<QPlainTextEdit>(h.test.resultPage(), QStringLiteral("resultBox"))->copy();
    QVERIFY(!clipboard->text().isEmpty());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, inside);
    QVERIFY(clipboard->text().isEmpty());
}

void TstSelfTest::resultBoxReadableOnLightCyan()
{
    GeneratorRandomSource random(3u);
    Harness h(random);
    QPlainTextEdit *box =
        testing::namedChild<QPlainTextEdit>(h.test.resultPage(), QStringLiteral("resultBox"));
    QCOMPARE(box->palette().color(QPalette::Base), QColor(192, 255, 255));
    const QColor text = box->palette().color(QPalette::Text);
    QVERIFY2(text.lightness() < 80, qPrintable(text.name()));
    QVERIFY(box->isReadOnly());
    QVERIFY(!testing::namedChild<QTextEdit>(h.test.resultPage(), QStringLiteral("printBuffer"))
                 ->isVisibleTo(h.test.resultPage()));
    QCOMPARE(box->font().pointSizeF(), 8.25);
}

void TstSelfTest::optionsKeepClearOfBorderAndEachOther_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("longest"); // the five longest texts, else the five shortest
    for (const bool longest : {true, false}) {
        const char *texts = longest ? "longest" : "shortest";
        QTest::addRow("by name, %s", texts) << int(TestMode::ByName) << longest;
        QTest::addRow("by significance, %s", texts) << int(TestMode::BySignificance) << longest;
        QTest::addRow("by shape or location, %s", texts) << int(TestMode::ByLocationShape) << longest;
    }
}

void TstSelfTest::optionsKeepClearOfBorderAndEachOther()
{
    QFETCH(int, kind);
    QFETCH(bool, longest);
    const auto mode = static_cast<TestMode>(kind);
    TopicCatalogue catalogue;
    // The longest texts are the hardest question to lay out; the shortest leave
    // the most height to share.
    QStringList texts;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t)
        texts.append(topicText(catalogue, t, mode));
    std::sort(texts.begin(), texts.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    if (!longest)
        std::reverse(texts.begin(), texts.end());
    std::array<QString, kOptionCount> options;
    std::copy_n(texts.begin(), kOptionCount, options.begin());

    TestQuestionPage page;
    page.show();
    page.showQuestion(
        catalogue.topicName(0), mode != TestMode::ByName, [](qreal) { return QImage(); }, options);
    const QRect inside = page.contentsRect();
    const auto option = [&page](int k) { return page.findChild<QButtonGroup *>()->button(k); };
    for (int k = 0; k < kOptionCount; ++k) {
        const QRect box = option(k)->geometry();
        QVERIFY2(inside.contains(box), qPrintable(QStringLiteral("option %1 crosses the frame").arg(k + 1)));
        // Every line of the text fits in its option.
        QVERIFY(box.height() >= option(k)->sizeHint().height());
        if (k + 1 < kOptionCount)
            QVERIFY2(option(k + 1)->geometry().top() - box.bottom() > 4,
                     qPrintable(QStringLiteral("no gap below option %1").arg(k + 1)));
    }
    // The column fills the frame from top to bottom: the spare height goes into
    // the gaps, all alike, and what is left above and below is less than one.
    const int gap = option(1)->geometry().top() - option(0)->geometry().bottom();
    for (int k = 1; k + 1 < kOptionCount; ++k)
        QCOMPARE(option(k + 1)->geometry().top() - option(k)->geometry().bottom(), gap);
    QVERIFY(option(0)->geometry().top() - inside.top() < gap);
    QVERIFY(inside.bottom() - option(kOptionCount - 1)->geometry().bottom() < gap);
}

QTEST_MAIN(TstSelfTest)
#include "tst_selftest.moc"
