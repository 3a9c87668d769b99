#include "common/buildinfo.h"
#include "content/topiccatalogue.h"
#include "selftest/reportpages.h"
#include "selftest/testreport.h"

#include <QFont>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTranslator>

using namespace palmora;

namespace {

TestSheet sheetOf(TestMode mode, std::initializer_list<TopicIndex> topics)
{
    TestSheet sheet;
    sheet.mode = mode;
    int i = 0;
    for (const TopicIndex t : topics)
        sheet.questionTopics[i++] = t;
    return sheet;
}

// True when every character in [start, start + length) is bold.
bool isBold(const QTextDocument &document, int start, int length)
{
    for (int p = start; p < start + length; ++p) {
        QTextCursor cursor(const_cast<QTextDocument *>(&document));
        cursor.setPosition(p);
        cursor.setPosition(p + 1, QTextCursor::KeepAnchor);
        if (cursor.charFormat().fontWeight() < QFont::Bold)
            return false;
    }
    return true;
}

// "Your Answer:" as the French translation has it, with a no-break space.
struct FrenchAnswerLine final : QTranslator {
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return qstrcmp(source, "Your Answer:") == 0 ? QStringLiteral("Votre réponse\u00a0:") : QString();
    }
};

} // namespace

class TstTestReport : public QObject {
    Q_OBJECT

private slots:
    void exactTextByName();
    void score_data();
    void score();
    void longTextsKeepTheirLineBreaks();
    void boldOnlyOnTheNames();
    void printBuffer();

private:
    TopicCatalogue m_catalogue;
};

void TstTestReport::exactTextByName()
{
    TestSheet sheet = sheetOf(TestMode::ByName, {0, 1, 2, 3, 4, 5, 6, 7, 8, 14});
    for (int i = 0; i < kQuestionCount; ++i)
        sheet.givenAnswers[i] = m_catalogue.topicName(i == 3 ? 9 : sheet.questionTopics[i]);

    const TestReport report = composeTestReport(sheet, m_catalogue);

    const QString firstBlock = QStringLiteral("Shape of Hands - Square Hand\nYour Answer:\n"
                                              "Shape of Hands - Square Hand\nCorrect Choice: \n"
                                              "Shape of Hands - Square Hand\n\n");
    QVERIFY(report.text.startsWith(firstBlock));
    const QString fourth = m_catalogue.topicName(3) + QStringLiteral("\nYour Answer:\n")
        + m_catalogue.topicName(9) + QStringLiteral("\nCorrect Choice: \n") + m_catalogue.topicName(3)
        + QStringLiteral("\n\n");
    QVERIFY(report.text.contains(fourth));
    const QString last = m_catalogue.topicName(14) + QStringLiteral("\nYour Answer:\n")
        + m_catalogue.topicName(14) + QStringLiteral("\nCorrect Choice: \n") + m_catalogue.topicName(14)
        + QStringLiteral("\n\n9 Correct out of 10 Questions");
    QVERIFY(report.text.endsWith(last));
    QCOMPARE(report.score, 9);
    // Ten blocks of six lines, and the score line without a line end.
    QCOMPARE(report.text.count(QLatin1Char('\n')), 60);
    QCOMPARE(report.text.count(QLatin1Char('\r')), 0);
}

void TstTestReport::score_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("spoil");
    QTest::newRow("all right by name") << int(TestMode::ByName) << 10 << QString();
    QTest::newRow("none right by significance") << int(TestMode::BySignificance) << 0 << QStringLiteral("x");
    QTest::newRow("seven right by shape") << int(TestMode::ByLocationShape) << 7 << QStringLiteral("x");
    QTest::newRow("case differs") << int(TestMode::ByName) << 4 << QStringLiteral("lower");
    QTest::newRow("trailing blank") << int(TestMode::BySignificance) << 5 << QStringLiteral("blank");
    QTest::newRow("nothing answered") << int(TestMode::ByName) << 0 << QStringLiteral("empty");
}

void TstTestReport::score()
{
    QFETCH(int, mode);
    QFETCH(int, right);
    QFETCH(QString, spoil);
    TestSheet sheet = sheetOf(TestMode(mode), {9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    for (int i = 0; i < kQuestionCount; ++i) {
        QString text = topicText(m_catalogue, sheet.questionTopics[i], sheet.mode);
        if (i >= right) {
            if (spoil == QLatin1String("lower"))
                text = text.toLower();
            else if (spoil == QLatin1String("blank"))
                text += QLatin1Char(' ');
            else if (spoil == QLatin1String("empty"))
                text.clear();
            else
                text = topicText(m_catalogue, 21, sheet.mode);
        }
        sheet.givenAnswers[i] = text;
    }
    const TestReport report = composeTestReport(sheet, m_catalogue);
    QCOMPARE(report.score, right);
    QVERIFY(report.text.endsWith(QStringLiteral("\n\n%1 Correct out of 10 Questions").arg(right)));
}

void TstTestReport::longTextsKeepTheirLineBreaks()
{
    // Topic 2's significance holds a CR LF line break of its own.
    TestSheet sheet = sheetOf(TestMode::BySignificance, {2, 0, 1, 3, 4, 5, 6, 7, 8, 9});
    sheet.givenAnswers[0] = m_catalogue.significance(2);
    const TestReport report = composeTestReport(sheet, m_catalogue);
    const QString significance =
        QString(m_catalogue.significance(2)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString block = m_catalogue.topicName(2) + QStringLiteral("\nYour Answer:\n") + significance
        + QStringLiteral("\nCorrect Choice: \n") + significance + QStringLiteral("\n\n");
    QVERIFY(m_catalogue.significance(2).contains(QStringLiteral("\r\n")));
    QVERIFY(report.text.startsWith(block));
    QCOMPARE(report.score, 1);

    QTextDocument document;
    writeReport(document, report);
    QCOMPARE(document.toPlainText(), report.text);
}

void TstTestReport::boldOnlyOnTheNames()
{
    TestSheet sheet = sheetOf(TestMode::ByLocationShape, {14, 15, 16, 17, 18, 19, 20, 21, 0, 1});
    sheet.givenAnswers.fill(QStringLiteral("Shape of Hands - Square Hand"));
    const TestReport report = composeTestReport(sheet, m_catalogue);
    QCOMPARE(report.boldRanges.size(), kQuestionCount);

    QTextDocument document;
    writeReport(document, report);
    QCOMPARE(document.toPlainText(), report.text);

    // The names are the first line of each block; everything else is regular.
    const QString plain = document.toPlainText();
    int boldChars = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
                boldChars += it.fragment().length();
        }
    }
    int nameChars = 0;
    for (int i = 0; i < kQuestionCount; ++i) {
        const QString name = m_catalogue.topicName(sheet.questionTopics[i]);
        nameChars += name.size();
        const int start = report.boldRanges[i].start;
        QCOMPARE(plain.mid(start, name.size()), name);
        QVERIFY(isBold(document, start, name.size()));
        QVERIFY(!isBold(document, start + name.size() + 1, 4));
    }
    QCOMPARE(boldChars, nameChars);
}

void TstTestReport::printBuffer()
{
    // In French, with answers that read "Your Answer:" in either language.
    FrenchAnswerLine french;
    QCoreApplication::installTranslator(&french);
    TestSheet sheet = sheetOf(TestMode::ByName, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    sheet.givenAnswers.fill(QStringLiteral("Your Answer:"));
    sheet.givenAnswers[1] = QStringLiteral("Votre réponse\u00a0:");
    const TestReport report = composeTestReport(sheet, m_catalogue);
    QTextDocument document;
    writePrintout(document, report, QStringLiteral(PALMORA_SITE_BASE_ADDRESS));

    const QString signature = QStringLiteral("Report Generated By " PALMORA_SITE_BASE_ADDRESS);
    QVERIFY(QStringLiteral(PALMORA_SITE_BASE_ADDRESS).startsWith(QStringLiteral("http")));
    QVERIFY(!QStringLiteral(PALMORA_SITE_BASE_ADDRESS).endsWith(QLatin1Char('/')));
    // Plain spaces on paper where the report has no-break ones.
    const QString text = QString(report.text).replace(QChar::Nbsp, QLatin1Char(' '));
    QVERIFY(text.startsWith(QStringLiteral("Shape of Hands - Square Hand\nVotre réponse :\nYour Answer:\n")));
    QCOMPARE(document.toRawText(),
             QString(signature + QStringLiteral("\n\n") + text + QStringLiteral("\n\n") + signature)
                 .replace(QLatin1Char('\n'), QChar::ParagraphSeparator));
    // Each name and its "Your Answer:" line are kept with the line after, nothing else.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int line = block.blockNumber() - 2; // below the signature and an empty line
        QCOMPARE(block.blockFormat().boolProperty(kKeepWithNext), line >= 0 && line < 60 && line % 6 < 2);
    }
    QVERIFY(!isBold(document, 0, document.characterCount() - 1));
    QCOMPARE(document.defaultFont().pointSizeF(), 8.25);
}

QTEST_MAIN(TstTestReport)
#include "tst_testreport.moc"
