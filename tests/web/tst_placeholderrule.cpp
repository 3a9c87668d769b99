#include "web/placeholderrule.h"

#include <QTest>

using namespace palmora;

class TstPlaceholderRule : public QObject {
    Q_OBJECT
private slots:
    void focusClearsOnlyThePlaceholder_data();
    void focusClearsOnlyThePlaceholder();
};

void TstPlaceholderRule::focusClearsOnlyThePlaceholder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("clearedOnFocus");
    QTest::addColumn<bool>("placeholderOnLeave");
    const QString placeholder = QStringLiteral("Your Name");
    QTest::newRow("the placeholder") << placeholder << true << false;
    QTest::newRow("the placeholder between spaces") << QStringLiteral("  Your Name ") << true << false;
    QTest::newRow("another case is an entry") << QStringLiteral("your name") << false << false;
    QTest::newRow("a line end is not a space") << QStringLiteral("Your Name\r\n") << false << false;
    QTest::newRow("an entry") << QStringLiteral("Ann") << false << false;
    QTest::newRow("empty") << QString() << false << true;
    QTest::newRow("only spaces") << QStringLiteral("   ") << false << true;
    QTest::newRow("a tab is an entry") << QStringLiteral("\t") << false << false;
}

void TstPlaceholderRule::focusClearsOnlyThePlaceholder()
{
    QFETCH(QString, text);
    QFETCH(bool, clearedOnFocus);
    QFETCH(bool, placeholderOnLeave);
    QCOMPARE(clearsOnFocus(text, QStringLiteral("Your Name")), clearedOnFocus);
    QCOMPARE(showsPlaceholderOnLeave(text), placeholderOnLeave);
}

QTEST_GUILESS_MAIN(TstPlaceholderRule)
#include "tst_placeholderrule.moc"
