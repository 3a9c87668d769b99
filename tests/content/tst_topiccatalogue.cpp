#include "content/topiccatalogue.h"

#include <QSet>
#include <QTest>

using palmora::TopicCatalogue;

class TstTopicCatalogue : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void conicalHandSignificanceHasTwoParagraphs();
    void nailRowsSharePlaceholder();
    void lastRowStaysEmpty();
    void textsArePrintableAsciiWithoutQuotesOrOuterSpaces();
    void textsAreDistinctApartFromPlaceholder();
    void pictureRule_data();
    void pictureRule();

private:
    TopicCatalogue m_catalogue;
};

void TstTopicCatalogue::rows_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("significanceOpening");
    QTest::addColumn<int>("significanceLength");
    QTest::addColumn<QString>("shapeOpening");
    QTest::addColumn<int>("shapeLength");

    struct Row {
        const char *name;
        const char *significance;
        int significanceLength;
        const char *shape;
        int shapeLength;
    };
    const Row rows[] = {
        {"Shape of Hands - Square Hand", "You will be orderly, punctual and precise in", 308,
         "The palm is square at the wrist, square", 97},
        {"Shape of Hands - Spatulate Hand", "If hard and firm, you will be restless", 531,
         "The tip of each finger and the palm", 128},
        {"Shape of Hands - Conical Hand", "You will be impulsive and instinctive in your", 392,
         "The palm is slightly tapering, fingers full at", 97},
        {"Shape of Hands - Psychic Hand", "You have a purely visionary, idealistic nature. You", 433,
         "It is a beautiful hand with long, narrow,", 110},
        {"Shape of Hands - Mixed Hand", "You have ideas, versatile and changeability of purpose.", 299,
         "This has fingers of different types and hand", 85},
        {"Finger Shapes - Conical Fingers", "You love beauty in all forms. You are", 307,
         "The fingers are shaped like a cone.", 35},
        {"Finger Shapes - Spatulate Fingers", "You love the outdoors and enjoy traveling. Your", 315,
         "The fingers are shaped like a spatula.", 38},
        {"Finger Shapes - Straight Fingers", "You are very honest by nature and may", 290,
         "The finger is straight in shape.", 32},
        {"Finger Shapes - Square Fingers", "You have a very methodical and organized approach", 288,
         "The fingers are rectangular shaped.", 35},
        {"Finger Shapes - Knotty Fingers", "You are a planner and need to have", 263,
         "The fingers seem jointed together.", 34},
        {"Shape of Nails - Short and Wide", "You may have a bad short temper. But", 269,
         "Shape / Location is not available.", 34},
        {"Shape of Nails - Broad and Square", "You may be a calm and an easygoing", 220,
         "Shape / Location is not available.", 34},
        {"Shape of Nails - Long and Narrow", "You are very intuitive by nature. You may", 204,
         "Shape / Location is not available.", 34},
        {"Shape of Nails - Almond-Shaped", "You have a gentle personality and are sensitive", 147,
         "Shape / Location is not available.", 34},
        {"Life Line", "This line represents the vigor and length of", 148,
         "This line starts from the side of palm", 149},
        {"Head Line", "This line indicates mainly the mentality of a", 140,
         "This line rises just above the Life Line", 67},
        {"Heart Line", "This line indicates love, or the attraction of", 117,
         "This line runs across the upper portion of", 162},
        {"Fate Line", "This line is the center upright line on", 288, "This line starts in the middle of the",
         95},
        {"Fame Line", "This line is also called the line of", 155, "This line runs parallel to Line of Fate",
         235},
        {"Marriage or Relationship Line", "Light lines will indicate romances and strong ones", 167,
         "These lines are horizontal lines at the base", 82},
        {"Health Line", "This line indicates the growth of illness and", 87,
         "This line starts below the ring finger and", 72},
        {"Travel Line", "This line indicates major travels that influence your", 59,
         "These lines are horizontal lines at the base", 75},
        {"Girdle of Venus", "The Girdle of Venus is associated with emotions,", 78,
         "The Girdle of Venus is a semicircle that", 118},
    };
    int t = 0;
    for (const Row &row : rows) {
        QTest::addRow("%d %s", t, row.name)
            << t << QString::fromLatin1(row.name) << QString::fromLatin1(row.significance)
            << row.significanceLength << QString::fromLatin1(row.shape) << row.shapeLength;
        ++t;
    }
}

void TstTopicCatalogue::rows()
{
    QFETCH(int, t);
    QFETCH(QString, name);
    QFETCH(QString, significanceOpening);
    QFETCH(int, significanceLength);
    QFETCH(QString, shapeOpening);
    QFETCH(int, shapeLength);

    QCOMPARE(m_catalogue.topicName(t), name);
    QVERIFY2(m_catalogue.significance(t).startsWith(significanceOpening),
             qPrintable(m_catalogue.significance(t)));
    QCOMPARE(m_catalogue.significance(t).size(), significanceLength);
    QVERIFY2(m_catalogue.shapeLocation(t).startsWith(shapeOpening), qPrintable(m_catalogue.shapeLocation(t)));
    QCOMPARE(m_catalogue.shapeLocation(t).size(), shapeLength);
}

void TstTopicCatalogue::conicalHandSignificanceHasTwoParagraphs()
{
    const QString text = m_catalogue.significance(2);
    const QStringList pieces = text.split(QStringLiteral("\r\n"));
    QCOMPARE(pieces.size(), 2);
    QCOMPARE(pieces[0].size(), 315);
    QVERIFY(pieces[0].startsWith(QStringLiteral("You will be impulsive and instinctive in your")));
    QCOMPARE(pieces[1],
             QStringLiteral("If you have a firm hand, you will have greater energy and firmness of will."));
}

void TstTopicCatalogue::nailRowsSharePlaceholder()
{
    for (int t = 10; t <= 13; ++t)
        QCOMPARE(m_catalogue.shapeLocation(t), QStringLiteral("Shape / Location is not available."));
    // The two "horizontal lines" rows open alike but are different texts.
    QVERIFY(m_catalogue.shapeLocation(19) != m_catalogue.shapeLocation(21));
}

void TstTopicCatalogue::lastRowStaysEmpty()
{
    QVERIFY(m_catalogue.topicName(23).isEmpty());
    QVERIFY(m_catalogue.significance(23).isEmpty());
    QVERIFY(m_catalogue.shapeLocation(23).isEmpty());
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
        QVERIFY(!m_catalogue.topicName(t).isEmpty());
        QVERIFY(!m_catalogue.significance(t).isEmpty());
        QVERIFY(!m_catalogue.shapeLocation(t).isEmpty());
    }
}

void TstTopicCatalogue::textsArePrintableAsciiWithoutQuotesOrOuterSpaces()
{
    int lineBreaks = 0;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
        for (const QString &text :
             {m_catalogue.topicName(t), m_catalogue.significance(t), m_catalogue.shapeLocation(t)}) {
            QVERIFY2(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')),
                     qPrintable(text));
            QVERIFY2(!text.contains(QLatin1Char('"')), qPrintable(text));
            lineBreaks += static_cast<int>(text.count(QStringLiteral("\r\n")));
            QString rest = text;
            rest.remove(QStringLiteral("\r\n"));
            for (const QChar c : rest)
                QVERIFY2(c.unicode() >= 32 && c.unicode() <= 126,
                         qPrintable(QStringLiteral("row %1: code %2").arg(t).arg(c.unicode())));
        }
    }
    QCOMPARE(lineBreaks, 1);
}

void TstTopicCatalogue::textsAreDistinctApartFromPlaceholder()
{
    QSet<QString> seen;
    int placeholders = 0;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
        for (const QString &text :
             {m_catalogue.topicName(t), m_catalogue.significance(t), m_catalogue.shapeLocation(t)}) {
            if (text == QStringLiteral("Shape / Location is not available.")) {
                ++placeholders;
                continue;
            }
            QVERIFY2(!seen.contains(text), qPrintable(QStringLiteral("row %1 repeats: %2").arg(t).arg(text)));
            seen.insert(text);
        }
    }
    QCOMPARE(placeholders, 4);
}

void TstTopicCatalogue::pictureRule_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("picture");
    QTest::newRow("first hand") << 0 << 1;
    QTest::newRow("last finger") << 9 << 10;
    QTest::newRow("first nail") << 10 << 11;
    QTest::newRow("last nail") << 13 << 14;
    QTest::newRow("life line skips 15") << 14 << 16;
    QTest::newRow("head line") << 15 << 17;
    QTest::newRow("girdle of venus") << 22 << 24;
}

void TstTopicCatalogue::pictureRule()
{
    QFETCH(int, t);
    QFETCH(int, picture);
    QCOMPARE(TopicCatalogue::topicPicture(t), picture);
    for (int row = 0; row < TopicCatalogue::kTopicCount; ++row)
        QVERIFY(TopicCatalogue::topicPicture(row) != 15);
}

QTEST_APPLESS_MAIN(TstTopicCatalogue)
#include "tst_topiccatalogue.moc"
