#include "memorize/topicbrowser.h"
#include "ui/accesskeys.h"

#include "content/picturelist.h"
#include "messagerecorder.h"
#include "screenmove.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace palmora;

class TstTopicBrowser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstTopicAndItsEnd();
    void walkToTheLastTopicAndBack();
    void crossingTheNailsIntoTheLines_data();
    void crossingTheNailsIntoTheLines();
    void nailTopicsShareAPictureAndPlaceholder();
    void pictureFollowsTheScreenDensity_data();
    void pictureFollowsTheScreenDensity();
    void firstShownOnADoubleDensityScreen();
    void conicalHandShowsTwoParagraphs();
    void longestSignificanceCanBeReadInFull();
    void accessKeysStep();

private:
    void click(const char *button)
    {
        QTest::mouseClick(m_browser->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    QString labelText(const char *name) const
    {
        return m_browser->findChild<QLabel *>(QLatin1String(name))->text();
    }
    // Whether the picture box shows drawing `number` of the list.
    bool showsPicture(int number) const
    {
        const QImage shown =
            m_browser->findChild<QLabel *>(QStringLiteral("pictureLabel"))->pixmap().toImage();
        return shown == m_pictures.picture(number).convertToFormat(shown.format());
    }
    // Steps to topic t a click at a time; false, with a warning, when a click
    // does not move the browser one step toward it.
    [[nodiscard]] bool goTo(int t);

    TopicCatalogue m_catalogue;
    PictureList m_pictures;
    std::unique_ptr<TopicBrowser> m_browser;
    std::unique_ptr<testing::MessageRecorder> m_messages;
};

// Access keys act as the program makes them act.
void TstTopicBrowser::initTestCase()
{
    AccessKeys::install(*qApp);
}

void TstTopicBrowser::init()
{
    m_messages = std::make_unique<testing::MessageRecorder>();
    m_browser = std::make_unique<TopicBrowser>(m_catalogue, m_pictures);
    m_browser->showTopic(0);
    m_browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_browser.get()));
}

void TstTopicBrowser::cleanup()
{
    m_browser.reset();
    m_messages.reset();
}

bool TstTopicBrowser::goTo(int t)
{
    while (m_browser->currentTopic() != t) {
        const int from = m_browser->currentTopic();
        const int step = from < t ? 1 : -1;
        click(step > 0 ? "nextButton" : "backButton");
        if (m_browser->currentTopic() != from + step) {
            qWarning("A click at topic %d on the way to %d went to %d", from, t, m_browser->currentTopic());
            return false;
        }
    }
    return true;
}

void TstTopicBrowser::firstTopicAndItsEnd()
{
    QCOMPARE(m_browser->currentTopic(), 0);
    QVERIFY(showsPicture(1));
    QCOMPARE(labelText("nameLabel"), QStringLiteral("Shape of Hands - Square Hand"));
    click("backButton");
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("You are at the first record")});
    QCOMPARE(m_messages->last().icon, MessageBox::Icon::Information);
    QCOMPARE(m_browser->currentTopic(), 0);
    QCOMPARE(labelText("nameLabel"), QStringLiteral("Shape of Hands - Square Hand"));
}

void TstTopicBrowser::walkToTheLastTopicAndBack()
{
    for (int step = 1; step <= 22; ++step) {
        click("nextButton");
        QCOMPARE(m_browser->currentTopic(), step);
        QCOMPARE(labelText("nameLabel"), m_catalogue.topicName(step));
        QCOMPARE(labelText("shapeLocationLabel"), m_catalogue.shapeLocation(step));
        QVERIFY(!showsPicture(15));
    }
    QCOMPARE(labelText("nameLabel"), QStringLiteral("Girdle of Venus"));
    QVERIFY(showsPicture(24));
    QCOMPARE(m_messages->count(), 0);

    click("nextButton");
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("You are at the last record")});
    QCOMPARE(m_browser->currentTopic(), 22);
    QVERIFY(showsPicture(24));

    for (int step = 21; step >= 0; --step) {
        click("backButton");
        QCOMPARE(m_browser->currentTopic(), step);
        QVERIFY(showsPicture(TopicCatalogue::topicPicture(step)));
    }
    QCOMPARE(m_messages->count(), 1);
}

void TstTopicBrowser::crossingTheNailsIntoTheLines_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("picture");
    QTest::newRow("13 from 12") << 12 << 13 << 14;
    QTest::newRow("14 from 13") << 13 << 14 << 16;
    QTest::newRow("14 from 15") << 15 << 14 << 16;
    QTest::newRow("15 from 14") << 14 << 15 << 17;
    QTest::newRow("15 from 16") << 16 << 15 << 17;
}

void TstTopicBrowser::crossingTheNailsIntoTheLines()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, picture);
    QVERIFY(goTo(from));
    QVERIFY(goTo(to));
    QVERIFY(showsPicture(picture));
}

void TstTopicBrowser::nailTopicsShareAPictureAndPlaceholder()
{
    QVERIFY(goTo(10));
    const QImage first = m_browser->findChild<QLabel *>(QStringLiteral("pictureLabel"))->pixmap().toImage();
    for (int t = 10; t <= 13; ++t) {
        QVERIFY(goTo(t));
        QCOMPARE(labelText("shapeLocationLabel"), QStringLiteral("Shape / Location is not available."));
        QCOMPARE(m_browser->findChild<QLabel *>(QStringLiteral("pictureLabel"))->pixmap().toImage(), first);
    }
}

void TstTopicBrowser::pictureFollowsTheScreenDensity_data()
{
    QTest::addColumn<int>("topic");
    // One topic for each size of drawing the browser shows; the nail row is
    // wider than its box.
    QTest::newRow("hand") << 0;
    QTest::newRow("finger") << 6;
    QTest::newRow("nail row") << 11;
    QTest::newRow("palm line") << 14;
    QTest::newRow("last") << 22;
}

void TstTopicBrowser::pictureFollowsTheScreenDensity()
{
    QFETCH(int, topic);
    const int number = TopicCatalogue::topicPicture(topic);
    auto *label = m_browser->findChild<QLabel *>(QStringLiteral("pictureLabel"));
    const QRect box = label->geometry();
    const QSize logical = QImage(QStringLiteral(":/pictures/") + PictureList::pictureName(number)).size();
    QVERIFY(goTo(topic));
    // From the single-density screen to the double one and back; on each the
    // window's move and a step to the topic from its neighbour both show it.
    for (const int ratio : {1, 2, 1}) {
        QVERIFY(testing::moveToScreenOfRatio(m_browser.get(), ratio));
        const QImage drawing = QImage(QStringLiteral(":/pictures/") + PictureList::pictureName(number, ratio))
                                   .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawing.size(), logical * ratio);
        for (const bool stepped : {false, true}) {
            if (stepped) {
                QVERIFY(goTo(topic == 0 ? 1 : topic - 1));
                QVERIFY(goTo(topic));
            }
            const QPixmap shown = label->pixmap();
            QCOMPARE(shown.devicePixelRatio(), qreal(ratio));
            QCOMPARE(shown.deviceIndependentSize(), QSizeF(logical));
            QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32), drawing);
            // Painted one device pixel for one pixel of the drawing, in the same box.
            QCOMPARE(label->geometry(), box);
            const QImage painted = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRect covered(QPoint(0, 0), drawing.size().boundedTo(painted.size()));
            QCOMPARE(painted.copy(covered), drawing.copy(covered));
        }
    }
}

// A window that opens straight on a screen of another density (where the
// desktop put it last time) shows that screen's drawing from its first paint.
void TstTopicBrowser::firstShownOnADoubleDensityScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const auto doubled = std::find_if(screens.begin(), screens.end(), [](const QScreen *screen) {
        return screen->devicePixelRatio() == 2.0;
    });
    QVERIFY(doubled != screens.end());
    TopicBrowser browser(m_catalogue, m_pictures);
    browser.showTopic(0);
    browser.move((*doubled)->geometry().topLeft() + QPoint(20, 20));
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QCOMPARE(browser.devicePixelRatioF(), 2.0);
    const QPixmap shown = browser.findChild<QLabel *>(QStringLiteral("pictureLabel"))->pixmap();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
             m_pictures.picture(1, 2.0).convertToFormat(QImage::Format_RGB32));
}

void TstTopicBrowser::conicalHandShowsTwoParagraphs()
{
    QVERIFY(goTo(2));
    const QStringList paragraphs = labelText("significanceLabel").split(QLatin1Char('\n'));
    QCOMPARE(paragraphs.size(), 2);
    QCOMPARE(paragraphs[1],
             QStringLiteral("If you have a firm hand, you will have greater energy and firmness of will."));
}

void TstTopicBrowser::longestSignificanceCanBeReadInFull()
{
    int longest = 0;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
        if (m_catalogue.significance(t).size() > m_catalogue.significance(longest).size())
            longest = t;
    }
    QVERIFY(goTo(longest));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    auto *text = m_browser->findChild<QLabel *>(QStringLiteral("significanceLabel"));
    auto *shape = m_browser->findChild<QLabel *>(QStringLiteral("shapeLocationLabel"));
    QCOMPARE(text->text(), m_catalogue.significance(longest));
    // The labels are as tall as their wrapped text needs: nothing is cut off,
    // and what does not fit the frame can be scrolled to.
    QVERIFY(text->height() >= text->heightForWidth(text->width()));
    QVERIFY(shape->height() >= shape->heightForWidth(shape->width()));
    auto *area = m_browser->findChild<QScrollArea *>();
    QVERIFY(area);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    const QPoint shapeBottom = shape->mapTo(area->viewport(), QPoint(0, shape->height() - 1));
    QVERIFY(area->viewport()->rect().contains(shapeBottom));
}

void TstTopicBrowser::accessKeysStep()
{
    m_browser->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_browser.get()));
    // Each key acts at once, and its button is shown pressed for a moment.
    auto *next = m_browser->findChild<QPushButton *>(QStringLiteral("nextButton"));
    QTest::keyClick(m_browser->windowHandle(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(m_browser->currentTopic(), 1);
    QVERIFY(next->isDown());
    QTRY_VERIFY(!next->isDown());
    QTest::keyClick(m_browser->windowHandle(), Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(m_browser->windowHandle(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(m_browser->currentTopic(), 3);
    QTest::keyClick(m_browser->windowHandle(), Qt::Key_B, Qt::AltModifier);
    QCOMPARE(m_browser->currentTopic(), 2);
    QSignalSpy back(m_browser.get(), &TopicBrowser::backToMainRequested);
    QTest::keyClick(m_browser->windowHandle(), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(back.count(), 1);

    // A mouse click begun while the key's pressed look shows counts too.
    QTRY_VERIFY(!next->isDown());
    QTest::keyClick(m_browser->windowHandle(), Qt::Key_N, Qt::AltModifier);
    QVERIFY(next->isDown());
    QTest::mousePress(next, Qt::LeftButton);
    // A pressed look begun after the key's ends after it: once it has, the
    // key's has too, and the button is held down by the mouse alone.
    QPushButton later(m_browser.get());
    later.show();
    AccessKeys::click(&later);
    QVERIFY(later.isDown());
    QTRY_VERIFY(!later.isDown());
    QTest::mouseRelease(next, Qt::LeftButton);
    QCOMPARE(m_browser->currentTopic(), 4);
    QVERIFY(!next->isDown());
}

QTEST_MAIN(TstTopicBrowser)
#include "tst_topicbrowser.moc"
