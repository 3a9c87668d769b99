#include "web/frmabout.h"
#include "web/sitepages.h"

#include "app/clickablelabel.h"
#include "app/frmmain.h"
#include "testenvironment.h"
#include "urlrecorder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace palmora;
using palmora::testing::TestEnvironment;
using palmora::testing::UrlRecorder;

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    void showsItsTexts();
    void closesLikeOk_data();
    void closesLikeOk();
    void linksOpenOnePageAndKeepTheBoxOpen_data();
    void linksOpenOnePageAndKeepTheBoxOpen();
    void helpMenuShowsAFreshModalBoxEachTime();
};

void TestFrmAbout::showsItsTexts()
{
    FrmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Palmora v1.20"));
    QCOMPARE(about.size(), QSize(404, 251));
    QVERIFY(about.findChild<QLabel *>(QStringLiteral("Label1"))
                ->text()
                .startsWith(QStringLiteral("Palmora is a learn-and-test yourself on palmistry software.")));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Palmora v1.20"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblHomePage"))->text(),
             QStringLiteral("Click here to visit ") + site_base_address());
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok->isDefault());
}

void TestFrmAbout::closesLikeOk_data()
{
    QTest::addColumn<int>("how"); // 0 OK clicked, 1 Enter, 2 Esc, 3 close box
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Esc") << 2;
    QTest::newRow("close box") << 3;
}

void TestFrmAbout::closesLikeOk()
{
    QFETCH(int, how);
    FrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QSignalSpy finished(&about, &QDialog::finished);
    switch (how) {
    case 0:
        QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
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

void TestFrmAbout::linksOpenOnePageAndKeepTheBoxOpen_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("key");
    QTest::newRow("home page") << QStringLiteral("lblHomePage") << QStringLiteral("home-page");
    QTest::newRow("co-brand") << QStringLiteral("lblCoBrand") << QStringLiteral("fully-branded");
}

void TestFrmAbout::linksOpenOnePageAndKeepTheBoxOpen()
{
    QFETCH(QString, label);
    QFETCH(QString, key);
    FrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    UrlRecorder urls;
    QTest::mouseClick(about.findChild<ClickableLabel *>(label), Qt::LeftButton);
    QCOMPARE(urls.addresses(), QStringList {page_address(key)});
    QVERIFY(about.isVisible());
}

void TestFrmAbout::helpMenuShowsAFreshModalBoxEachTime()
{
    TestEnvironment environment;
    FrmMain main(environment.env);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *about = main.findChild<QAction *>(QStringLiteral("mnuAbout"));
    QVERIFY(about);

    for (int round = 0; round < 2; ++round) {
        about->trigger();
        const QList<FrmAbout *> boxes = main.findChildren<FrmAbout *>();
        QCOMPARE(boxes.size(), 1); // a fresh box, the last one is gone
        FrmAbout *box = boxes.first();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QVERIFY(box->isModal());
        QCOMPARE(QApplication::activeModalWidget(), box);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!box->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!QApplication::activeModalWidget());
    }
    // Each box was deleted when closed; none is left behind.
    QVERIFY(main.findChildren<FrmAbout *>().isEmpty());
    QCOMPARE(main.currentSection(), int(FrmMain::kStartPage));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
