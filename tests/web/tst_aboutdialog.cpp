#include "common/buildinfo.h"
#include "web/aboutdialog.h"

#include "imagecompare.h"
#include "screenmove.h"
#include "ui/clickablelabel.h"
#include "urlrecorder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace palmora;
using palmora::testing::UrlRecorder;

class TstAboutDialog : public QObject {
    Q_OBJECT
private slots:
    void showsItsTexts();
    void iconFillsItsBoxAtEitherDensity_data();
    void iconFillsItsBoxAtEitherDensity();
    void closesLikeOk_data();
    void closesLikeOk();
    void linksOpenOnePageAndKeepTheBoxOpen_data();
    void linksOpenOnePageAndKeepTheBoxOpen();
    void tabGoesFromOkToTheLinksTopDown();
};

void TstAboutDialog::showsItsTexts()
{
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Palmora v" PALMORA_VERSION));
    QCOMPARE(about.size(), QSize(404, 251));
    QVERIFY(about.findChild<QLabel *>(QStringLiteral("descriptionLabel"))
                ->text()
                .startsWith(QStringLiteral("Palmora is a learn-and-test yourself on palmistry software.")));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("versionLabel"))->text(),
             QStringLiteral("Palmora v" PALMORA_VERSION));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("homePageLink"))->text(),
             QStringLiteral("Click here to visit https://www.vespersoftwares.example"));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("okButton"));
    QVERIFY(ok->isDefault());
}

void TstAboutDialog::iconFillsItsBoxAtEitherDensity_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<QString>("drawing");
    QTest::newRow("single density") << 1 << QStringLiteral(":/icons/palmora-32.png");
    QTest::newRow("double density") << 2 << QStringLiteral(":/icons/hicolor/64x64/apps/palmora.png");
}

void TstAboutDialog::iconFillsItsBoxAtEitherDensity()
{
    QFETCH(int, ratio);
    QFETCH(QString, drawing);
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // Opened on the single-density screen, then taken to the one asked for.
    QVERIFY(testing::moveToScreenOfRatio(&about, ratio));
    auto *icon = about.findChild<QLabel *>(QStringLiteral("iconLabel"));
    QCOMPARE(icon->geometry(), QRect(14, 10, 32, 32));
    const QPixmap shown = icon->pixmap();
    QCOMPARE(shown.devicePixelRatio(), qreal(ratio));
    const QString difference = testing::drawingDifference(shown.toImage(), QImage(drawing));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TstAboutDialog::closesLikeOk_data()
{
    QTest::addColumn<int>("how"); // 0 OK clicked, 1 Enter, 2 Esc, 3 close box
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Esc") << 2;
    QTest::newRow("close box") << 3;
}

void TstAboutDialog::closesLikeOk()
{
    QFETCH(int, how);
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QSignalSpy finished(&about, &QDialog::finished);
    switch (how) {
    case 0:
        QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(&about, Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(&about, Qt::Key_Escape);
        break;
    default:
        about.close();
    }
    QCOMPARE(finished.count(), 1);
    QVERIFY(!about.isVisible());
}

void TstAboutDialog::linksOpenOnePageAndKeepTheBoxOpen_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("key");
    QTest::newRow("home page") << QStringLiteral("homePageLink") << QStringLiteral("home-page");
    QTest::newRow("co-brand") << QStringLiteral("brandingLink") << QStringLiteral("fully-branded");
}

void TstAboutDialog::linksOpenOnePageAndKeepTheBoxOpen()
{
    QFETCH(QString, label);
    QFETCH(QString, key);
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    UrlRecorder urls;
    QTest::mouseClick(about.findChild<ClickableLabel *>(label), Qt::LeftButton);
    QCOMPARE(
        urls.addresses(),
        QStringList {QStringLiteral("https://www.vespersoftwares.example/palmora-free/ssd.php?page=") + key});
    QVERIFY(about.isVisible());
}

void TstAboutDialog::tabGoesFromOkToTheLinksTopDown()
{
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    auto *branding = about.findChild<ClickableLabel *>(QStringLiteral("brandingLink"));
    QTRY_VERIFY(branding->focusPolicy() != Qt::NoFocus); // a stop once drawn
    QStringList stops;
    for (int k = 0; k < 3; ++k, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
        stops.append(QApplication::focusWidget()->objectName());
    QCOMPARE(stops, (QStringList {"okButton", "homePageLink", "brandingLink"}));
}

QTEST_MAIN(TstAboutDialog)
#include "tst_aboutdialog.moc"
