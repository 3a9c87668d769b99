#include "common/trimspaces.h"
#include "web/referral.h"

#include <QRandomGenerator>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace palmora;

Q_DECLARE_METATYPE(palmora::ReferralFields)

namespace {

// The address the referral sends the friend to.
const QString kProductFolder = QStringLiteral("https://www.vespersoftwares.example/palmora-free/");

ReferralFields validFields()
{
    return {QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Have a look"),
            QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
}

ReferralFields placeholders()
{
    return {QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
            QStringLiteral("Your Message\r\n"), QStringLiteral("Friend's Name"),
            QStringLiteral("Friend's Email Address")};
}

// Any code point but the surrogate halves, which UTF-8 cannot carry alone.
QString randomText(QRandomGenerator &random, int maxLength)
{
    static const char32_t awkward[] = {U'&',  U'=', U'#', U'%', U'+', U'?',  U'/', U' ', U'\r', U'\n',
                                       U'\t', U';', U'[', U']', U'"', U'\'', U'<', U'>', U'\\', 0};
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i) {
        char32_t c = 0;
        switch (random.bounded(4)) {
        case 0:
            c = awkward[random.bounded(static_cast<int>(std::size(awkward)))];
            break;
        case 1:
            c = static_cast<char32_t>(random.bounded(0x20, 0x7f));
            break;
        default:
            do {
                c = static_cast<char32_t>(random.bounded(0x110000));
            } while (c >= 0xd800 && c <= 0xdfff);
        }
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

// What the receiving page reads out of the address, in parameter order: the
// query split at its delimiters, each part decoded byte for byte as UTF-8.
// (QUrlQuery's own decoding keeps non-characters such as U+FFFF encoded.)
QList<QPair<QString, QString>> decodedParameters(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.hasFragment())
        return {};
    QList<QPair<QString, QString>> parameters;
    const QStringList parts = url.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
    for (const QString &part : parts) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals < 0)
            return {};
        parameters.append({QUrl::fromPercentEncoding(part.left(equals).toLatin1()),
                           QUrl::fromPercentEncoding(part.mid(equals + 1).toLatin1())});
    }
    return parameters;
}

} // namespace

class TstReferral : public QObject {
    Q_OBJECT
private slots:
    void firstFailingCheckWins_data();
    void firstFailingCheckWins();
    void trimmingRemovesSpacesOnly();
    void addressKeepsParameterNamesAndOrder();
    void hostileTextSurvivesTheAddress_data();
    void hostileTextSurvivesTheAddress();
    void randomTextSurvivesTheAddress();
    void lineBreakCountsOnce_data();
    void lineBreakCountsOnce();
    void fieldLimitsKeepTheAddressShort_data();
    void fieldLimitsKeepTheAddressShort();
};

void TstReferral::firstFailingCheckWins_data()
{
    QTest::addColumn<ReferralFields>("typed"); // before trimming
    QTest::addColumn<QString>("message");

    QTest::newRow("all placeholders")
        << placeholders() << QStringLiteral("Please Enter Proper Email Address");
    ReferralFields f = validFields();
    f.friendEmail = QStringLiteral("  ann@example.org ");
    f.senderEmail = QStringLiteral("ann@example.org  ");
    QTest::newRow("same address, other spaces")
        << f << QStringLiteral("Please Enter Distinct Email Addresses");
    f.friendEmail = QStringLiteral("Ann@Example.org");
    QTest::newRow("same address, other case") << f << QString();
    f = validFields();
    f.senderEmail = QString();
    f.friendEmail = QString();
    QTest::newRow("both empty") << f << QStringLiteral("Please Enter Distinct Email Addresses");
    f = validFields();
    f.friendEmail = QStringLiteral("bob@example");
    QTest::newRow("no dot") << f << QStringLiteral("Please Enter Proper Email Address");
    f = validFields();
    f.senderEmail = QStringLiteral("ann.example.org");
    QTest::newRow("no at") << f << QStringLiteral("Please Enter Proper Email Address");
    f = validFields();
    f.senderName = QStringLiteral("Your Name");
    f.message = QString();
    QTest::newRow("name at placeholder beats message") << f << QStringLiteral("Please Enter Your Name");
    f.senderName = QStringLiteral("   ");
    QTest::newRow("name only spaces") << f << QStringLiteral("Please Enter Your Name");
    f.senderName = QStringLiteral("your name");
    QTest::newRow("placeholder check is case-sensitive") << f << QStringLiteral("Please Enter Your Message");
    f = validFields();
    f.message = QStringLiteral("  Your Message ");
    QTest::newRow("message at placeholder") << f << QStringLiteral("Please Enter Your Message");
    f.message = QStringLiteral("Your Message\r\n");
    QTest::newRow("untouched message passes") << f << QString();
    f = validFields();
    f.friendName = QStringLiteral("Friend's Name");
    QTest::newRow("friend's name at placeholder") << f << QStringLiteral("Please Enter Your Friend's Name");
    f = validFields();
    f.friendName = QString();
    QTest::newRow("friend's name empty") << f << QStringLiteral("Please Enter Your Friend's Name");
    QTest::newRow("valid") << validFields() << QString();
}

void TstReferral::firstFailingCheckWins()
{
    QFETCH(ReferralFields, typed);
    QFETCH(QString, message);
    QCOMPARE(referralProblemText(referralProblem(trimmedFields(typed))), message);
}

void TstReferral::trimmingRemovesSpacesOnly()
{
    QCOMPARE(trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    QCOMPARE(trimSpaces(QStringLiteral("    ")), QString());
    QCOMPARE(trimSpaces(QStringLiteral(" Your Message\r\n ")), QStringLiteral("Your Message\r\n"));
    QCOMPARE(trimSpaces(QStringLiteral("\tx\t")), QStringLiteral("\tx\t"));
}

void TstReferral::addressKeepsParameterNamesAndOrder()
{
    const QString address = referralAddress(validFields());
    QVERIFY(address.startsWith(QStringLiteral(
        "https://www.vespersoftwares.example/palmora-free/ssd.php?page=pxvs-refer-a-friend&taf1=Ann&taf2=")));
    const auto parameters = decodedParameters(address);
    QStringList names;
    for (const auto &parameter : parameters)
        names.append(parameter.first);
    QCOMPARE(names,
             (QStringList {QStringLiteral("page"), QStringLiteral("taf1"), QStringLiteral("taf2"),
                           QStringLiteral("taf3"), QStringLiteral("taf4"), QStringLiteral("taf5"),
                           QStringLiteral("taf6")}));
    QCOMPARE(parameters.last().second, kProductFolder);
    QVERIFY(address.endsWith(QString::fromLatin1(QUrl::toPercentEncoding(kProductFolder))));
}

void TstReferral::hostileTextSurvivesTheAddress_data()
{
    QTest::addColumn<ReferralFields>("fields");
    QTest::newRow("ampersand") << ReferralFields {
        QStringLiteral("Tom & Jerry"), QStringLiteral("tom@example.org"), QStringLiteral("Hi"),
        QStringLiteral("Spike"), QStringLiteral("spike@example.org")};
    QTest::newRow("injected parameter") << ReferralFields {
        QStringLiteral("Eve&taf6=http://evil.example/"), QStringLiteral("eve+1@example.org"),
        QStringLiteral("50% off #1 = great?"), QStringLiteral("a=b;c"), QStringLiteral("x@y.z#frag")};
    QTest::newRow("line breaks and plus") << ReferralFields {
        QStringLiteral("A+B"), QStringLiteral("a@b.c"), QStringLiteral("Your Message\r\nline two\n"),
        QStringLiteral("%41%2B"), QStringLiteral("c@d.e")};
    QTest::newRow("non-ascii") << ReferralFields {
        QStringLiteral("J\u00fcrgen M\u00fcller"), QStringLiteral("\u00e9l\u00e8ve@\u00e9cole.fr"),
        QStringLiteral("\u624b\u76f8\u3092\u5b66\u3076 \U0001F590\U0001F44B"),
        QStringLiteral("\u0421\u0435\u0440\u0433\u0435\u0439"),
        QStringLiteral("s@\u043f\u0440.\u0440\u0444")};
}

void TstReferral::hostileTextSurvivesTheAddress()
{
    QFETCH(ReferralFields, fields);
    const auto parameters = decodedParameters(referralAddress(fields));
    QCOMPARE(parameters.size(), 7);
    QCOMPARE(parameters.at(1).second, fields.senderName);
    QCOMPARE(parameters.at(2).second, fields.senderEmail);
    QCOMPARE(parameters.at(3).second, fields.message);
    QCOMPARE(parameters.at(4).second, fields.friendName);
    QCOMPARE(parameters.at(5).second, fields.friendEmail);
    QCOMPARE(parameters.at(6).second, kProductFolder);

    const QUrlQuery query {QUrl(referralAddress(fields))};
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), fields.senderName);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded), fields.message);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded), kProductFolder);
}

void TstReferral::randomTextSurvivesTheAddress()
{
    // Fixed start so a failure can be repeated.
    QRandomGenerator random(1207u);
    for (int round = 0; round < 500; ++round) {
        const ReferralFields fields {randomText(random, 40), randomText(random, 40), randomText(random, 200),
                                     randomText(random, 40), randomText(random, 40)};
        const QString address = referralAddress(fields);
        const auto parameters = decodedParameters(address);
        QVERIFY2(parameters.size() == 7, qPrintable(address));
        const QStringList expected {fields.senderName, fields.senderEmail, fields.message,
                                    fields.friendName, fields.friendEmail, kProductFolder};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(parameters.at(i + 1).second == expected.at(i), qPrintable(address));
    }
}

void TstReferral::lineBreakCountsOnce_data()
{
    QTest::addColumn<QString>("lineBreak");
    QTest::newRow("LF, as typed") << QStringLiteral("\n");
    QTest::newRow("CR LF, as pasted from Windows") << QStringLiteral("\r\n");
    QTest::newRow("CR, as pasted from an old Mac") << QStringLiteral("\r");
}

// A message of line breaks and letters is full at the limit, whatever the line
// ending, and refuses one letter more.
void TstReferral::lineBreakCountsOnce()
{
    QFETCH(QString, lineBreak);
    QString message;
    for (int k = 0; k < 2000 / 2; ++k)
        message += QLatin1Char('x') + lineBreak;
    QVERIFY(fitsReferralField(ReferralField::Message, message));
    QVERIFY(!fitsReferralField(ReferralField::Message, message + QLatin1Char('x')));
}

void TstReferral::fieldLimitsKeepTheAddressShort_data()
{
    QTest::addColumn<int>("field"); // -1: every field at once
    QTest::newRow("sender name") << int(ReferralField::SenderName);
    QTest::newRow("sender email") << int(ReferralField::SenderEmail);
    QTest::newRow("message") << int(ReferralField::Message);
    QTest::newRow("friend name") << int(ReferralField::FriendName);
    QTest::newRow("friend email") << int(ReferralField::FriendEmail);
    QTest::newRow("every field") << -1;
}

void TstReferral::fieldLimitsKeepTheAddressShort()
{
    QFETCH(int, field);
    // The longest encoding a character can get: three UTF-8 bytes, nine characters.
    const QChar widest(0x20ac);
    auto full = [&](ReferralField kind, qsizetype extra) {
        if (kind == ReferralField::SenderEmail || kind == ReferralField::FriendEmail) {
            const QString domain =
                kind == ReferralField::SenderEmail ? QStringLiteral("@a.b") : QStringLiteral("@c.d");
            return QString(254 + extra - domain.size(), widest) + domain;
        }
        return QString((kind == ReferralField::Message ? 2000 : 100) + extra, widest);
    };
    auto fieldsWith = [&](qsizetype extra) {
        ReferralFields fields = validFields();
        const std::pair<ReferralField, QString *> entries[] = {
            {ReferralField::SenderName, &fields.senderName},
            {ReferralField::SenderEmail, &fields.senderEmail},
            {ReferralField::Message, &fields.message},
            {ReferralField::FriendName, &fields.friendName},
            {ReferralField::FriendEmail, &fields.friendEmail}};
        for (const auto &[kind, value] : entries) {
            if (field < 0 || int(kind) == field)
                *value = full(kind, extra);
        }
        return fields;
    };

    const ReferralFields atLimit = fieldsWith(0);
    QCOMPARE(referralProblem(atLimit), ReferralProblem::None);
    const QString address = referralAddress(atLimit);
    QVERIFY2(address.size() <= 32000, qPrintable(QString::number(address.size())));
    QCOMPARE(decodedParameters(address).size(), 7);

    // One character more is refused before any address is made.
    QCOMPARE(referralProblem(fieldsWith(1)), ReferralProblem::TooLong);
    QVERIFY(!referralProblemText(ReferralProblem::TooLong).isEmpty());
}

QTEST_GUILESS_MAIN(TstReferral)
#include "tst_referral.moc"
