#include "common/buildinfo.h"
#include "common/trimspaces.h"
#include "web/exitscreen.h"
#include "web/exittexts.h"
#include "web/referral.h"
#include "web/sitepages.h"

#include "messagerecorder.h"
#include "scriptedrandomsource.h"
#include "ui/clickablelabel.h"
#include "urlrecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

using namespace palmora;
using palmora::testing::MessageRecorder;
using palmora::testing::ScriptedRandomSource;
using palmora::testing::UrlRecorder;

class TstExitScreen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadsCaptionsAndTexts();
    void appealFollowsTheDraw_data();
    void appealFollowsTheDraw();
    void appealTextsHaveTheirLengths();
    void placeholdersOnFocus_data();
    void placeholdersOnFocus();
    void spaceRefusedInEmailFields_data();
    void spaceRefusedInEmailFields();
    void pastedSpaceIsKept();
    void visitSiteButtonSpringsBack();
    void softwareLinkOpensItsPage();
    void submitShowsFirstProblem_data();
    void submitShowsFirstProblem();
    void submitOpensDecodableAddress();
    void randomEntriesSurviveTheLauncher();
    void exitAndCloseBoxBothUnload_data();
    void exitAndCloseBoxBothUnload();
    void overfillIsRefusedWithItsLimit_data();
    void overfillIsRefusedWithItsLimit();
    void handOverWritesNoPersonalDataToTheLog();

private:
    template<typename T> T *child(const char *name) const
    {
        T *found = m_screen->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    void fill(const char *name, const QString &text);
    QString text(const char *name) const;
    void fillValidReferral();
    void focusOn(QWidget *widget) { widget->setFocus(Qt::TabFocusReason); }

    std::unique_ptr<ScriptedRandomSource> m_random;
    std::unique_ptr<ExitScreen> m_screen;
};

void TstExitScreen::init()
{
    m_random = std::make_unique<ScriptedRandomSource>();
    m_random->appendIndex(2, 4);
    m_screen = std::make_unique<ExitScreen>(*m_random);
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
}

void TstExitScreen::cleanup()
{
    m_screen.reset();
}

void TstExitScreen::fill(const char *name, const QString &text)
{
    if (auto *line = m_screen->findChild<QLineEdit *>(QLatin1String(name)))
        line->setText(text);
    else
        child<QPlainTextEdit>(name)->setPlainText(text);
}

QString TstExitScreen::text(const char *name) const
{
    if (auto *line = m_screen->findChild<QLineEdit *>(QLatin1String(name)))
        return line->text();
    return child<QPlainTextEdit>(name)->toPlainText();
}

void TstExitScreen::fillValidReferral()
{
    fill("senderNameEdit", QStringLiteral("Ann Quill"));
    fill("senderEmailEdit", QStringLiteral("ann.quill@example.org"));
    fill("messageEdit", QStringLiteral("Have a look"));
    fill("friendNameEdit", QStringLiteral("Bob Marsh"));
    fill("friendEmailEdit", QStringLiteral("bob.marsh@example.org"));
}

void TstExitScreen::loadsCaptionsAndTexts()
{
    QCOMPARE(m_screen->windowTitle(), QStringLiteral("Palmora v" PALMORA_VERSION));
    // A screen reader hears of a new window, titled like the main window.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_screen.get());
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Palmora v" PALMORA_VERSION));
    QCOMPARE(child<QLabel>("captionLabel")->text(), QStringLiteral("Palmora v" PALMORA_VERSION));
    QVERIFY(m_screen->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(m_screen->size(), QSize(741, 315));
    QCOMPARE(m_screen->minimumSize(), m_screen->maximumSize());
    QCOMPARE(child<QPushButton>("visitSiteButton")->text(),
             QStringLiteral("Click Here To Visit www.vespersoftwares.example Now"));
    QCOMPARE(child<QLabel>("siteLink")->text(), QStringLiteral("Click Here To Visit Vesper Softwares"));
    const QString software = child<QLabel>("otherSoftwareLabel")->text();
    QVERIFY(software.startsWith(QStringLiteral("If you have enjoyed this software you will")));
    QCOMPARE(software.size(), 615);
    QCOMPARE(child<QLineEdit>("senderNameEdit")->text(), QStringLiteral("Your Name"));
    QCOMPARE(child<QPlainTextEdit>("messageEdit")->toPlainText(), QStringLiteral("Your Message\n"));
    // "E&xit" comes first in the tab order and holds the focus.
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("exitButton"));
    QCOMPARE(child<QPushButton>("exitButton")->nextInFocusChain(), child<QPushButton>("visitSiteButton"));
}

void TstExitScreen::appealFollowsTheDraw_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("appeal");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.2499 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("three quarters") << 0.75 << 3;
    QTest::newRow("just below 1") << 0.999999 << 3;
}

void TstExitScreen::appealFollowsTheDraw()
{
    QFETCH(double, draw);
    QFETCH(int, appeal);
    ScriptedRandomSource random({draw});
    ExitScreen screen(random);
    QCOMPARE(random.drawn(), 1);
    QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("appealLabel"))->text(), exitAppeal(appeal));
}

void TstExitScreen::appealTextsHaveTheirLengths()
{
    // For the default site, "vespersoftwares.example".
    const QString domain = QStringLiteral(PALMORA_EXPECTED_SITE_DOMAIN);
    QCOMPARE(siteDomainName(), domain);
    // The lengths hold for the default site; another domain shifts appeals 1 to 3.
    const int defaultLengths[kExitAppealCount] = {227, 211, 160, 196};
    const int domainShift = static_cast<int>(domain.size()) - 23;
    for (int k = 0; k < kExitAppealCount; ++k)
        QCOMPARE(exitAppeal(k).size(), defaultLengths[k] + (k == 0 ? 0 : domainShift));
    QVERIFY(exitAppeal(0).startsWith(QStringLiteral("Vesper Softwares, such as this can be created")));
    QVERIFY(exitAppeal(1).startsWith(QStringLiteral("Visit %1 regularly. Support").arg(domain)));
    QVERIFY(exitAppeal(2).startsWith(QStringLiteral("%1 is a FREE online discussion forum").arg(domain)));
    QVERIFY(exitAppeal(3).startsWith(QStringLiteral("%1 needs your help. All you need").arg(domain)));
}

void TstExitScreen::placeholdersOnFocus_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("name") << QStringLiteral("senderNameEdit") << QStringLiteral("Your Name");
    QTest::newRow("email") << QStringLiteral("senderEmailEdit") << QStringLiteral("Your Email Address");
    QTest::newRow("friend's name") << QStringLiteral("friendNameEdit") << QStringLiteral("Friend's Name");
    QTest::newRow("friend's email") << QStringLiteral("friendEmailEdit")
                                    << QStringLiteral("Friend's Email Address");
}

void TstExitScreen::placeholdersOnFocus()
{
    QFETCH(QString, field);
    QFETCH(QString, placeholder);
    auto *edit = m_screen->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    auto *exitButton = child<QPushButton>("exitButton");

    focusOn(edit);
    QCOMPARE(edit->text(), QString());
    focusOn(exitButton);
    QCOMPARE(edit->text(), placeholder);

    // Spaces around the placeholder still count as the placeholder; only spaces count as empty.
    edit->setText(QStringLiteral("  ") + placeholder + QStringLiteral(" "));
    focusOn(edit);
    QCOMPARE(edit->text(), QString());
    edit->setText(QStringLiteral("   "));
    focusOn(exitButton);
    QCOMPARE(edit->text(), placeholder);

    // An entry of the user's is never touched, and the comparison is case-sensitive.
    edit->setText(placeholder.toLower());
    focusOn(edit);
    QCOMPARE(edit->text(), placeholder.toLower());
    focusOn(exitButton);
    QCOMPARE(edit->text(), placeholder.toLower());
}

void TstExitScreen::spaceRefusedInEmailFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("refused");
    QTest::newRow("email") << QStringLiteral("senderEmailEdit") << true;
    QTest::newRow("friend's email") << QStringLiteral("friendEmailEdit") << true;
    QTest::newRow("name") << QStringLiteral("senderNameEdit") << false;
    QTest::newRow("friend's name") << QStringLiteral("friendNameEdit") << false;
}

void TstExitScreen::spaceRefusedInEmailFields()
{
    QFETCH(QString, field);
    QFETCH(bool, refused);
    auto *edit = m_screen->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    focusOn(edit);
    MessageRecorder messages;
    QTest::keyClicks(edit, QStringLiteral("a b"));
    QCOMPARE(edit->text(), refused ? QStringLiteral("ab") : QStringLiteral("a b"));
    QCOMPARE(messages.texts(),
             refused ? QStringList {QStringLiteral("Email Address Cannot Contain Space")} : QStringList {});
    if (refused)
        QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QCOMPARE(QApplication::focusWidget(), edit);
}

void TstExitScreen::pastedSpaceIsKept()
{
    auto *edit = child<QLineEdit>("senderEmailEdit");
    focusOn(edit);
    QApplication::clipboard()->setText(QStringLiteral("a b@c.d"));
    MessageRecorder messages;
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("a b@c.d"));
    QCOMPARE(messages.count(), 0);
}

void TstExitScreen::visitSiteButtonSpringsBack()
{
    UrlRecorder urls;
    auto *button = child<QPushButton>("visitSiteButton");
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isChecked());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isChecked());
    const QString home =
        QStringLiteral("https://www.vespersoftwares.example/palmora-free/ssd.php?page=home-page");
    QCOMPARE(urls.addresses(), (QStringList {home, home}));
}

void TstExitScreen::softwareLinkOpensItsPage()
{
    UrlRecorder urls;
    QTest::mouseClick(child<ClickableLabel>("siteLink"), Qt::LeftButton);
    QCOMPARE(urls.addresses(),
             QStringList {QStringLiteral(
                 "https://www.vespersoftwares.example/palmora-free/ssd.php?page=vespersoftwares")});
}

void TstExitScreen::submitShowsFirstProblem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("message");
    QTest::newRow("untouched") << QString() << QString() << QString() << QString()
                               << QStringLiteral("Please Enter Proper Email Address");
    QTest::newRow("same emails") << QString() << QStringLiteral(" a@b.c") << QString()
                                 << QStringLiteral("a@b.c ")
                                 << QStringLiteral("Please Enter Distinct Email Addresses");
    QTest::newRow("name left") << QString() << QStringLiteral("a@b.c") << QStringLiteral("Bob")
                               << QStringLiteral("b@b.c") << QStringLiteral("Please Enter Your Name");
    QTest::newRow("friend's name left")
        << QStringLiteral("Ann") << QStringLiteral("a@b.c") << QString() << QStringLiteral("b@b.c")
        << QStringLiteral("Please Enter Your Friend's Name");
}

void TstExitScreen::submitShowsFirstProblem()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, message);
    // An empty column leaves the field as the screen opened it.
    const std::pair<const char *, QString> entries[] = {{"senderNameEdit", name},
                                                        {"senderEmailEdit", email},
                                                        {"friendNameEdit", friendName},
                                                        {"friendEmailEdit", friendEmail}};
    for (const auto &[field, text] : entries) {
        if (!text.isEmpty())
            fill(field, text);
    }
    MessageRecorder messages;
    UrlRecorder urls;
    QTest::mouseClick(child<QPushButton>("referButton"), Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList {message});
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QVERIFY(urls.urls().isEmpty());
}

void TstExitScreen::submitOpensDecodableAddress()
{
    fill("senderNameEdit", QStringLiteral("  Tom & Jerry "));
    fill("senderEmailEdit", QStringLiteral("tom+cat@example.org"));
    fill("friendNameEdit", QStringLiteral("Spike #1"));
    fill("friendEmailEdit", QStringLiteral("spike@example.org"));
    MessageRecorder messages;
    UrlRecorder urls;
    QTest::mouseClick(child<QPushButton>("referButton"), Qt::LeftButton);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(urls.urls().size(), 1);

    const QUrl url = urls.urls().first();
    QCOMPARE(url.toString(QUrl::RemoveQuery),
             QStringLiteral("https://www.vespersoftwares.example/palmora-free/ssd.php"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("page")), QStringLiteral("pxvs-refer-a-friend"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), QStringLiteral("Tom & Jerry"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf2"), QUrl::FullyDecoded),
             QStringLiteral("tom+cat@example.org"));
    // The message field was never touched: its first text goes out, line end included.
    QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
             QStringLiteral("Your Message\r\n"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded), QStringLiteral("Spike #1"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf5"), QUrl::FullyDecoded),
             QStringLiteral("spike@example.org"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded),
             QStringLiteral("https://www.vespersoftwares.example/palmora-free/"));
    QCOMPARE(query.queryItems().size(), 7);

    // The screen stays as it was and the referral can go again.
    QVERIFY(m_screen->isVisible());
    QCOMPARE(child<QLineEdit>("senderNameEdit")->text(), QStringLiteral("  Tom & Jerry "));
    QTest::mouseClick(child<QPushButton>("referButton"), Qt::LeftButton);
    QCOMPARE(urls.urls().size(), 2);
    QCOMPARE(urls.urls().at(1), url);
}

void TstExitScreen::randomEntriesSurviveTheLauncher()
{
    // Random entries go all the way through the form and the page launcher; what
    // reaches the desktop must decode to exactly what was typed (spaces trimmed).
    static const char32_t awkward[] = {U'&', U'=', U'#',  U'%', U'+', U'?',
                                       U'/', U' ', U'\t', U';', U'"', U'\\'};
    QRandomGenerator random(61207u);
    auto randomText = [&random] {
        QString text;
        const int length = random.bounded(1, 30);
        for (int i = 0; i < length; ++i) {
            // Scripts that lay out without shaping tables, so the fonts on any machine do.
            static const std::pair<char32_t, char32_t> ranges[] = {
                {0xa0, 0x52f}, {0x4e00, 0x9fff}, {0x1f300, 0x1f64f}};
            const auto &[low, high] = ranges[random.bounded(3)];
            const char32_t c = random.bounded(2)
                ? awkward[random.bounded(static_cast<int>(std::size(awkward)))]
                : static_cast<char32_t>(random.bounded(low, high + 1));
            text += QString::fromUcs4(&c, 1);
        }
        return text + QLatin1Char('z'); // never only spaces
    };
    UrlRecorder urls;
    MessageRecorder messages;
    for (int round = 0; round < 100; ++round) {
        const QString name = randomText();
        const QString friendName = randomText();
        const QString message = randomText();
        const QString email = QStringLiteral("a") + QString::number(round) + QStringLiteral("@x.y");
        const QString friendEmail =
            QStringLiteral("b") + randomText().remove(QLatin1Char(' ')) + QStringLiteral("@x.y");
        fill("senderNameEdit", name);
        fill("senderEmailEdit", email);
        fill("friendNameEdit", friendName);
        fill("friendEmailEdit", friendEmail);
        fill("messageEdit", message);
        QTest::mouseClick(child<QPushButton>("referButton"), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(urls.urls().size(), round + 1);

        // Read back byte for byte, as the receiving page does.
        QStringList values;
        for (const QString &part : urls.urls().last().query(QUrl::FullyEncoded).split(QLatin1Char('&')))
            values.append(QUrl::fromPercentEncoding(part.section(QLatin1Char('='), 1).toLatin1()));
        const QStringList expected {QStringLiteral("pxvs-refer-a-friend"),
                                    trimSpaces(name),
                                    email,
                                    trimSpaces(message),
                                    trimSpaces(friendName),
                                    friendEmail,
                                    QStringLiteral("https://www.vespersoftwares.example/palmora-free/")};
        QCOMPARE(values, expected);
    }
}

void TstExitScreen::exitAndCloseBoxBothUnload_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void TstExitScreen::exitAndCloseBoxBothUnload()
{
    QFETCH(bool, byButton);
    QSignalSpy unloading(m_screen.get(), &ExitScreen::unloading);
    if (byButton)
        QTest::mouseClick(child<QPushButton>("exitButton"), Qt::LeftButton);
    else
        m_screen->close();
    QCOMPARE(unloading.count(), 1);
    QVERIFY(!m_screen->isVisible());
    m_screen->close();
    QCOMPARE(unloading.count(), 1);
}

void TstExitScreen::overfillIsRefusedWithItsLimit_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("limit"); // characters the field holds
    QTest::addColumn<bool>("typed"); // typed at a full field, or pasted
    QTest::addColumn<int>("added"); // characters pasted
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("cursor"); // where the cursor stands; -1 at the end
    QTest::newRow("name typed past its limit")
        << QByteArray("senderNameEdit") << int(ReferralField::SenderName) << 100 << true << 1 << true << -1;
    QTest::newRow("name typed past its limit mid-text")
        << QByteArray("senderNameEdit") << int(ReferralField::SenderName) << 100 << true << 1 << true << 40;
    QTest::newRow("message typed past its limit mid-text")
        << QByteArray("messageEdit") << int(ReferralField::Message) << 2000 << true << 1 << true << 1500;
    QTest::newRow("message of 1.2 million characters pasted")
        << QByteArray("messageEdit") << int(ReferralField::Message) << 2000 << false << 1200000 << true << -1;
    QTest::newRow("message typed past its limit")
        << QByteArray("messageEdit") << int(ReferralField::Message) << 2000 << true << 1 << true << -1;
    QTest::newRow("friend's name of 40,000 characters pasted")
        << QByteArray("friendNameEdit") << int(ReferralField::FriendName) << 100 << false << 40000 << true
        << -1;
    QTest::newRow("friend's email pasted one past its limit")
        << QByteArray("friendEmailEdit") << int(ReferralField::FriendEmail) << 254 << false << 254 + 1 - 11
        << true << -1;
    QTest::newRow("message pasted up to its limit")
        << QByteArray("messageEdit") << int(ReferralField::Message) << 2000 << false << 2000 - 11 << false
        << -1;
}

void TstExitScreen::overfillIsRefusedWithItsLimit()
{
    QFETCH(QByteArray, name);
    QFETCH(int, field);
    QFETCH(int, limit);
    QFETCH(bool, typed);
    QFETCH(int, added);
    QFETCH(bool, refused);
    QFETCH(int, cursor);
    const auto kind = static_cast<ReferralField>(field);
    fillValidReferral();
    QWidget *edit = child<QWidget>(name.constData());
    focusOn(edit);
    // A full field, or eleven characters with the cursor after them.
    const QString before = typed ? QString(limit, QLatin1Char('x')) : QStringLiteral("a@b.example");
    fill(name.constData(), before);
    const auto cursorPosition = [edit] {
        if (auto *line = qobject_cast<QLineEdit *>(edit))
            return line->cursorPosition();
        return static_cast<QPlainTextEdit *>(edit)->textCursor().position();
    };
    if (auto *line = qobject_cast<QLineEdit *>(edit)) {
        line->setCursorPosition(cursor < 0 ? line->text().size() : cursor);
    } else {
        auto *plain = static_cast<QPlainTextEdit *>(edit);
        QTextCursor place = plain->textCursor();
        place.setPosition(cursor < 0 ? plain->document()->characterCount() - 1 : cursor);
        plain->setTextCursor(place);
    }
    const int placed = cursorPosition();

    MessageRecorder messages;
    if (typed) {
        QTest::keyClick(edit, Qt::Key_Z);
    } else {
        QApplication::clipboard()->setText(QString(added, QLatin1Char('y')));
        QTest::keySequence(edit, QKeySequence::Paste);
    }
    QCoreApplication::processEvents();

    QCOMPARE(messages.texts(), refused ? QStringList {referralFieldFullText(kind)} : QStringList {});
    if (refused) {
        QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
        QVERIFY(messages.last().text.contains(QString::number(limit)));
        QCOMPARE(text(name.constData()), before); // nothing typed before is lost
        QCOMPARE(cursorPosition(), placed); // nor the place the user typed at
        QCOMPARE(QApplication::focusWidget(), edit);
    } else {
        QCOMPARE(text(name.constData()), before + QString(added, QLatin1Char('y')));
    }

    // What goes out is what the field holds, in an address every browser takes.
    UrlRecorder urls;
    if (name == "senderNameEdit" || name == "friendNameEdit" || name == "messageEdit") {
        messages.clear();
        QTest::mouseClick(child<QPushButton>("referButton"), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(urls.urls().size(), 1);
        QVERIFY(urls.urls().first().toString(QUrl::FullyEncoded).size() <= 32000);
    }
}

void TstExitScreen::handOverWritesNoPersonalDataToTheLog()
{
    fillValidReferral();
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { logged.append(text); });
    // No recorder: the address really goes to the platform, which cannot open it here.
    MessageRecorder messages;
    QTest::mouseClick(child<QPushButton>("referButton"), Qt::LeftButton);
    qInstallMessageHandler(previous);
    QCOMPARE(messages.count(), 0);
    for (const QString &line : std::as_const(logged)) {
        for (const char *personal : {"Ann", "Quill", "ann.quill", "Bob", "Marsh", "bob.marsh"})
            QVERIFY2(!line.contains(QLatin1String(personal)), qPrintable(line));
    }
    // Other messages still reach the log once the address has gone.
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { logged.append(text); });
    qWarning("after the hand-over");
    qInstallMessageHandler(previous);
    QCOMPARE(logged.last(), QStringLiteral("after the hand-over"));
}

QTEST_MAIN(TstExitScreen)
#include "tst_exitscreen.moc"
