#include "web/exittexts.h"
#include "web/frmexitscreen.h"
#include "web/sitepages.h"

#include "app/clickablelabel.h"
#include "messagerecorder.h"
#include "scriptedrandomsource.h"
#include "urlrecorder.h"

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

class TestFrmExitScreen : public QObject {
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
    void check1SpringsBack();
    void softwareLinkOpensItsPage();
    void submitShowsFirstProblem_data();
    void submitShowsFirstProblem();
    void submitOpensDecodableAddress();
    void randomEntriesSurviveTheLauncher();
    void exitAndCloseBoxBothUnload_data();
    void exitAndCloseBoxBothUnload();

private:
    template<typename T> T *child(const char *name) const
    {
        T *found = m_screen->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    void fill(const char *name, const QString &text);
    void focusOn(QWidget *widget) { widget->setFocus(Qt::TabFocusReason); }

    std::unique_ptr<ScriptedRandomSource> m_random;
    std::unique_ptr<FrmExitScreen> m_screen;
};

void TestFrmExitScreen::init()
{
    m_random = std::make_unique<ScriptedRandomSource>();
    m_random->appendIndex(2, 4);
    m_screen = std::make_unique<FrmExitScreen>(*m_random);
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
}

void TestFrmExitScreen::cleanup()
{
    m_screen.reset();
}

void TestFrmExitScreen::fill(const char *name, const QString &text)
{
    if (auto *line = m_screen->findChild<QLineEdit *>(QLatin1String(name)))
        line->setText(text);
    else
        child<QPlainTextEdit>(name)->setPlainText(text);
}

void TestFrmExitScreen::loadsCaptionsAndTexts()
{
    QCOMPARE(m_screen->windowTitle(), QStringLiteral("Palmora v1.20"));
    QCOMPARE(child<QLabel>("lblExitCaption")->text(), QStringLiteral("Palmora v1.20"));
    QVERIFY(m_screen->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(m_screen->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(m_screen->size(), QSize(741, 315));
    QCOMPARE(m_screen->minimumSize(), m_screen->maximumSize());
    QCOMPARE(child<QPushButton>("Check1")->text(),
             QStringLiteral("Click Here To Visit %1 Now").arg(site_host_name()));
    QCOMPARE(child<QLabel>("lblGoToHome")->text(), QStringLiteral("Click Here To Visit Vesper Softwares"));
    const QString software = child<QLabel>("Label3")->text();
    QVERIFY(software.startsWith(QStringLiteral("If you have enjoyed this software you will")));
    QCOMPARE(software.size(), 615);
    QCOMPARE(child<QLineEdit>("txtName")->text(), QStringLiteral("Your Name"));
    QCOMPARE(child<QPlainTextEdit>("txtMessage")->toPlainText(), QStringLiteral("Your Message\n"));
    // "E&xit" comes first in the tab order and holds the focus.
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("cmdClose"));
    QCOMPARE(child<QPushButton>("cmdClose")->nextInFocusChain(), child<QPushButton>("Check1"));
}

void TestFrmExitScreen::appealFollowsTheDraw_data()
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

void TestFrmExitScreen::appealFollowsTheDraw()
{
    QFETCH(double, draw);
    QFETCH(int, appeal);
    ScriptedRandomSource random({draw});
    FrmExitScreen screen(random);
    QCOMPARE(random.drawn(), 1);
    QCOMPARE(screen.appealIndex(), appeal);
    QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("Label2"))->text(), exit_appeal(appeal));
}

void TestFrmExitScreen::appealTextsHaveTheirLengths()
{
    const QString domain = site_domain_name();
    // The lengths hold for the default site; another domain shifts appeals 1 to 3.
    const int defaultLengths[kExitAppealCount] = {227, 211, 160, 196};
    const int domainShift = static_cast<int>(domain.size()) - 23;
    for (int k = 0; k < kExitAppealCount; ++k)
        QCOMPARE(exit_appeal(k).size(), defaultLengths[k] + (k == 0 ? 0 : domainShift));
    QVERIFY(exit_appeal(0).startsWith(QStringLiteral("Vesper Softwares, such as this can be created")));
    QVERIFY(exit_appeal(1).startsWith(QStringLiteral("Visit %1 regularly. Support").arg(domain)));
    QVERIFY(exit_appeal(2).startsWith(QStringLiteral("%1 is a FREE online discussion forum").arg(domain)));
    QVERIFY(exit_appeal(3).startsWith(QStringLiteral("%1 needs your help. All you need").arg(domain)));
}

void TestFrmExitScreen::placeholdersOnFocus_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("name") << QStringLiteral("txtName") << QStringLiteral("Your Name");
    QTest::newRow("email") << QStringLiteral("txtEmail") << QStringLiteral("Your Email Address");
    QTest::newRow("friend's name") << QStringLiteral("txtFriendName") << QStringLiteral("Friend's Name");
    QTest::newRow("friend's email") << QStringLiteral("txtFriendEmail")
                                    << QStringLiteral("Friend's Email Address");
}

void TestFrmExitScreen::placeholdersOnFocus()
{
    QFETCH(QString, field);
    QFETCH(QString, placeholder);
    auto *edit = m_screen->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    auto *exitButton = child<QPushButton>("cmdClose");

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

void TestFrmExitScreen::spaceRefusedInEmailFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("refused");
    QTest::newRow("email") << QStringLiteral("txtEmail") << true;
    QTest::newRow("friend's email") << QStringLiteral("txtFriendEmail") << true;
    QTest::newRow("name") << QStringLiteral("txtName") << false;
    QTest::newRow("friend's name") << QStringLiteral("txtFriendName") << false;
}

void TestFrmExitScreen::spaceRefusedInEmailFields()
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

void TestFrmExitScreen::pastedSpaceIsKept()
{
    auto *edit = child<QLineEdit>("txtEmail");
    focusOn(edit);
    QApplication::clipboard()->setText(QStringLiteral("a b@c.d"));
    MessageRecorder messages;
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("a b@c.d"));
    QCOMPARE(messages.count(), 0);
}

void TestFrmExitScreen::check1SpringsBack()
{
    UrlRecorder urls;
    auto *button = child<QPushButton>("Check1");
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isChecked());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isChecked());
    const QString home = page_address(QStringLiteral("home-page"));
    QCOMPARE(urls.addresses(), (QStringList {home, home}));
}

void TestFrmExitScreen::softwareLinkOpensItsPage()
{
    UrlRecorder urls;
    QTest::mouseClick(child<ClickableLabel>("lblGoToHome"), Qt::LeftButton);
    QCOMPARE(urls.addresses(), QStringList {page_address(QStringLiteral("vespersoftwares"))});
}

void TestFrmExitScreen::submitShowsFirstProblem_data()
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

void TestFrmExitScreen::submitShowsFirstProblem()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, message);
    // An empty column leaves the field as the screen opened it.
    const std::pair<const char *, QString> entries[] = {{"txtName", name},
                                                        {"txtEmail", email},
                                                        {"txtFriendName", friendName},
                                                        {"txtFriendEmail", friendEmail}};
    for (const auto &[field, text] : entries) {
        if (!text.isEmpty())
            fill(field, text);
    }
    MessageRecorder messages;
    UrlRecorder urls;
    QTest::mouseClick(child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList {message});
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QVERIFY(urls.urls().isEmpty());
}

void TestFrmExitScreen::submitOpensDecodableAddress()
{
    fill("txtName", QStringLiteral("  Tom & Jerry "));
    fill("txtEmail", QStringLiteral("tom+cat@example.org"));
    fill("txtFriendName", QStringLiteral("Spike #1"));
    fill("txtFriendEmail", QStringLiteral("spike@example.org"));
    MessageRecorder messages;
    UrlRecorder urls;
    QTest::mouseClick(child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(urls.urls().size(), 1);

    const QUrl url = urls.urls().first();
    QCOMPARE(url.toString(QUrl::RemoveQuery), page_address(QString()).section(QLatin1Char('?'), 0, 0));
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
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded), product_folder_address());
    QCOMPARE(query.queryItems().size(), 7);

    // The screen stays as it was and the referral can go again.
    QVERIFY(m_screen->isVisible());
    QCOMPARE(child<QLineEdit>("txtName")->text(), QStringLiteral("  Tom & Jerry "));
    QCOMPARE(m_screen->referralFields().senderName, QStringLiteral("Tom & Jerry"));
    QTest::mouseClick(child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(urls.urls().size(), 2);
    QCOMPARE(urls.urls().at(1), url);
}

void TestFrmExitScreen::randomEntriesSurviveTheLauncher()
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
        fill("txtName", name);
        fill("txtEmail", email);
        fill("txtFriendName", friendName);
        fill("txtFriendEmail", friendEmail);
        fill("txtMessage", message);
        QTest::mouseClick(child<QPushButton>("cmdSubmit"), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(urls.urls().size(), round + 1);

        // Read back byte for byte, as the receiving page does.
        QStringList values;
        for (const QString &part : urls.urls().last().query(QUrl::FullyEncoded).split(QLatin1Char('&')))
            values.append(QUrl::fromPercentEncoding(part.section(QLatin1Char('='), 1).toLatin1()));
        const QStringList expected {QStringLiteral("pxvs-refer-a-friend"),
                                    trim_field_spaces(name),
                                    email,
                                    trim_field_spaces(message),
                                    trim_field_spaces(friendName),
                                    friendEmail,
                                    product_folder_address()};
        QCOMPARE(values, expected);
    }
}

void TestFrmExitScreen::exitAndCloseBoxBothUnload_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void TestFrmExitScreen::exitAndCloseBoxBothUnload()
{
    QFETCH(bool, byButton);
    QSignalSpy unloading(m_screen.get(), &FrmExitScreen::unloading);
    if (byButton)
        QTest::mouseClick(child<QPushButton>("cmdClose"), Qt::LeftButton);
    else
        m_screen->close();
    QCOMPARE(unloading.count(), 1);
    QVERIFY(!m_screen->isVisible());
    m_screen->close();
    QCOMPARE(unloading.count(), 1);
}

QTEST_MAIN(TestFrmExitScreen)
#include "tst_frmexitscreen.moc"
