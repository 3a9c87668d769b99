#include "common/buildinfo.h"
#include "content/topiccatalogue.h"
#include "pdfreportprinter.h"
#include "selftest/reportpdf.h"
#include "selftest/testreport.h"

#include "filebytes.h"
#include "filesizelimit.h"
#include "ordinaryuser.h"
#include "programoutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

using namespace palmora;
using palmora::testing::readAllBytes;
using palmora::testing::writeAllBytes;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    return palmora::testing::programOutput(program, arguments);
}

// The fonts a PDF uses, by name and kind, without the prefix that names a subset.
QStringList fontsOf(const QString &pdf)
{
    QStringList fonts;
    const QStringList lines = run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() >= 3)
            fonts.append(fields[0].section(QLatin1Char('+'), -1) + QLatin1Char(' ') + fields[1] + fields[2]);
    }
    return fonts;
}

QString pdfInfoField(const QString &pdf, const QString &field)
{
    const QRegularExpression line(QLatin1Char('^') + field + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).trimmed();
}

// The printout of a test by significance with every answer right: each long
// text twice, over pages that end inside a paragraph.
void printout(QTextDocument &document)
{
    TopicCatalogue catalogue;
    TestSheet sheet;
    sheet.mode = TestMode::BySignificance;
    const std::array<TopicIndex, kQuestionCount> topics {0, 1, 2, 3, 4, 14, 15, 16, 17, 18};
    for (int i = 0; i < kQuestionCount; ++i) {
        sheet.questionTopics[i] = topics[i];
        sheet.givenAnswers[i] = topicText(catalogue, topics[i], sheet.mode);
    }
    writePrintout(document, composeTestReport(sheet, catalogue), QStringLiteral(PALMORA_SITE_BASE_ADDRESS));
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The permissions of a regular file; -1 for anything else, a link included.
int modeOf(const QString &path)
{
    struct stat info { };
    const bool file = ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
    return file ? int(info.st_mode & 07777) : -1;
}

} // namespace

class TstReportPdf : public QObject {
    Q_OBJECT

private slots:
    void folderOfTheSaveDialog_data();
    void folderOfTheSaveDialog();
    void savedPdfCarriesThePrintout();
    void failedSaveLeavesWhatWasThere_data();
    void failedSaveLeavesWhatWasThere();
    void saveReplacesAFileWhole();
    void headingStaysWithItsFirstAnswerLine();
    void linksAreFollowedOnlyWhenTheUsersOwn_data();
    void linksAreFollowedOnlyWhenTheUsersOwn();
};

void TstReportPdf::folderOfTheSaveDialog_data()
{
    QTest::addColumn<QString>("documents"); // how the documents folder is
    QTest::addColumn<bool>("usesDocuments");
    QTest::newRow("own, private") << QStringLiteral("mode 700") << true;
    QTest::newRow("own, readable by all") << QStringLiteral("mode 755") << true;
    QTest::newRow("a link to an own folder") << QStringLiteral("link") << true;
    QTest::newRow("missing") << QStringLiteral("missing") << false;
    QTest::newRow("a file") << QStringLiteral("file") << false;
    QTest::newRow("writable by the user's own group (umask 002)") << QStringLiteral("mode 775") << true;
    QTest::newRow("writable by nogroup") << QStringLiteral("nogroup") << false;
    QTest::newRow("writable by all") << QStringLiteral("mode 777") << false;
    QTest::newRow("writable by all, sticky") << QStringLiteral("mode 1777") << false;
    QTest::newRow("another user's") << QStringLiteral("other owner") << false;
    QTest::newRow("no documents folder known") << QString() << false;
}

void TstReportPdf::folderOfTheSaveDialog()
{
    QFETCH(QString, documents);
    QFETCH(bool, usesDocuments);

    QTemporaryDir root;
    const QString home = root.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    QString path = QDir(home).filePath(QStringLiteral("Documents"));
    if (documents.startsWith(QStringLiteral("mode "))) {
        QVERIFY(QDir().mkpath(path));
        bool ok = false;
        const uint mode = documents.mid(5).toUInt(&ok, 8);
        QVERIFY(ok);
        // QFile cannot set the sticky bit.
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
    } else if (documents == QStringLiteral("link")) {
        const QString target = root.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(target));
        QVERIFY(QFile::link(target, path));
    } else if (documents == QStringLiteral("nogroup")) {
        if (::geteuid() != 0)
            QSKIP("Only root can give a folder to a group it is not in");
        QVERIFY(QDir().mkpath(path));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), ::geteuid(), 65534), 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0775), 0);
    } else if (documents == QStringLiteral("other owner")) {
        if (::geteuid() != 0)
            QSKIP("Only root can give a folder to another user");
        QVERIFY(QDir().mkpath(path));
        // nobody's
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    } else if (documents == QStringLiteral("file")) {
        writeAllBytes(path, "not a folder\n");
    } else if (documents.isEmpty()) {
        path.clear();
    }

    QCOMPARE(reportPdfFolder(path, home), usesDocuments ? path : home);
}

// The saved file holds what a printout to a PDF file holds: the same lines on
// the same pages in the same fonts, as text that can be selected.
void TstReportPdf::savedPdfCarriesThePrintout()
{
    for (const char *tool : {"pdftotext", "pdffonts", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("pdftotext, pdffonts and pdfinfo (poppler-utils) are needed to read the PDF");
    }
    QTemporaryDir folder;
    QTextDocument document;
    printout(document);
    const QString text = document.toPlainText();
    const QString saved = folder.filePath(reportPdfFileName(QDate(2026, 12, 7)));
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));

    const Outcome result = saveReportPdf(document, saved);
    QVERIFY2(result.ok, qPrintable(result.error));
    // A new file is the user's alone, as a new goal note is.
    QCOMPARE(QFileInfo(saved).permissions(),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                 | QFileDevice::WriteUser);
    testing::PdfReportPrinter printer(printed);
    QCOMPARE(printer.print(document, {}).status, PrintResult::Status::HandedOver);

    const QString savedText = run(QStringLiteral("pdftotext"), {saved, QStringLiteral("-")});
    QCOMPARE(savedText, run(QStringLiteral("pdftotext"), {printed, QStringLiteral("-")}));
    // All of it, in order, whatever the lines' wrapping; "fi" is set as a ligature.
    QCOMPARE(savedText.normalized(QString::NormalizationForm_KC).simplified(),
             QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified());
    QCOMPARE(pdfInfoField(saved, QStringLiteral("Pages")), pdfInfoField(printed, QStringLiteral("Pages")));
    QVERIFY(pdfInfoField(saved, QStringLiteral("Pages")).toInt() >= 2);
    QCOMPARE(pdfInfoField(saved, QStringLiteral("Page size")),
             pdfInfoField(printed, QStringLiteral("Page size")));
    const QStringList fonts = fontsOf(saved);
    QVERIFY(!fonts.isEmpty());
    QCOMPARE(fonts, fontsOf(printed));
    QCOMPARE(pdfInfoField(saved, QStringLiteral("Title")), QStringLiteral("Palmora Test Results"));
    QVERIFY2(pdfInfoField(saved, QStringLiteral("Creator")).startsWith(QStringLiteral("Palmora ")),
             qPrintable(pdfInfoField(saved, QStringLiteral("Creator"))));
    QCOMPARE(entriesOf(folder.path()),
             (QStringList {QFileInfo(saved).fileName(), QStringLiteral("printed.pdf")}));
}

void TstReportPdf::failedSaveLeavesWhatWasThere_data()
{
    QTest::addColumn<QString>("target"); // relative to a fresh folder
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("in a folder that does not exist")
        << QStringLiteral("missing/results.pdf") << QStringLiteral("No such file") << false;
    QTest::newRow("over a folder") << QStringLiteral("old") << QStringLiteral("folder") << false;
    QTest::newRow("below a file") << QStringLiteral("old/inside/results.pdf") << QString() << false;
    QTest::newRow("over a file, disk full half-way") << QStringLiteral("old/report.pdf") << QString() << true;
}

void TstReportPdf::failedSaveLeavesWhatWasThere()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QFETCH(bool, diskFull);

    QTemporaryDir folder;
    // What was there before: a folder "old" holding a file "report.pdf", or in
    // the "below a file" case a file "old".
    const bool belowFile = target.startsWith(QStringLiteral("old/inside"));
    const QString old = folder.filePath(QStringLiteral("old"));
    const QString oldFile = belowFile ? old : QDir(old).filePath(QStringLiteral("report.pdf"));
    if (!belowFile)
        QVERIFY(QDir().mkpath(old));
    const QByteArray oldBytes("%PDF-1.4 the report saved last week\n");
    writeAllBytes(oldFile, oldBytes);
    const QStringList before = entriesOf(folder.path());
    const QStringList beforeInOld = belowFile ? QStringList() : entriesOf(old);

    QTextDocument document;
    printout(document);
    Outcome result;
    if (diskFull) {
        const palmora::testing::FileSizeLimit limit(4096);
        QVERIFY(limit.isActive());
        result = saveReportPdf(document, folder.filePath(target));
    } else {
        result = saveReportPdf(document, folder.filePath(target));
    }

    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    QCOMPARE(entriesOf(folder.path()), before);
    if (!belowFile)
        QCOMPARE(entriesOf(old), beforeInOld);
    QCOMPARE(readAllBytes(oldFile), oldBytes);
}

void TstReportPdf::saveReplacesAFileWhole()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.pdf"));
    writeAllBytes(path, QByteArray(200000, 'x'));
    QTextDocument document;
    printout(document);

    const Outcome result = saveReportPdf(document, path);
    QVERIFY2(result.ok, qPrintable(result.error));
    const QByteArray bytes = readAllBytes(path);
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QVERIFY(!bytes.contains("xxxx"));
    QCOMPARE(entriesOf(folder.path()), QStringList {QStringLiteral("results.pdf")});
}

// Wherever a page ends, a topic's name and "Your Answer:" stand on the page
// of the answer's first line: the lines before them move the block down one
// line at a time, past the foot of the first page.
void TstReportPdf::headingStaysWithItsFirstAnswerLine()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF");
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    QTextDocument report;
    printout(report);
    const QStringList reportLines = report.toPlainText().split(QLatin1Char('\n'));
    QStringList headings;
    for (qsizetype k = 1; k < reportLines.size(); ++k) {
        if (reportLines[k] == QLatin1String("Your Answer:"))
            headings << reportLines[k - 1];
    }
    QCOMPARE(headings.size(), kQuestionCount);
    int movedHeadings = 0;
    for (int before = 0; before < 90; before += 3) {
        QString lines;
        for (int k = 0; k < before; ++k)
            lines += QStringLiteral("line %1\n").arg(k);
        QTextDocument document;
        printout(document);
        QTextCursor(&document).insertText(lines);
        const QString text = document.toPlainText();
        const Outcome result = saveReportPdf(document, pdf);
        QVERIFY2(result.ok, qPrintable(result.error));
        const QString all = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        // Nothing is lost or doubled on the way, whichever lines end the pages...
        QCOMPARE(all.normalized(QString::NormalizationForm_KC).simplified(),
                 QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified());
        // ...and no page ends with a topic's name or "Your Answer:".
        const QStringList pages = all.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        for (const QString &page : pages) {
            const QStringList pageLines = page.trimmed().split(QLatin1Char('\n'));
            const QString last = pageLines.last().trimmed();
            QVERIFY2(
                !headings.contains(last) && last != QLatin1String("Your Answer:"),
                qPrintable(QStringLiteral("%1 lines before: a page ends with \"%2\"").arg(before).arg(last)));
            const QString first = pageLines.first().trimmed();
            movedHeadings += headings.contains(first) ? 1 : 0;
        }
    }
    // Some page break fell just below a heading and moved it.
    QVERIFY(movedHeadings > 0);
}

// Another user's link in a shared folder must not carry the report onto the
// user's file or into the user's folder: a link at the name is replaced, one on
// the way refused and named. The user's own link on the way is followed.
void TstReportPdf::linksAreFollowedOnlyWhenTheUsersOwn_data()
{
    QTest::addColumn<QString>("save"); // below a fresh folder; its first two parts are a link
    QTest::addColumn<bool>("planted"); // the link is nobody's, made by nobody
    QTest::addColumn<qlonglong>("sizeLimit"); // 0: none
    QTest::addColumn<QString>("reason"); // empty: saved

    QTest::newRow("another user's link at the name, in a sticky folder")
        << "shared/r.pdf" << true << 0LL << "/shared/r.pdf is a link that another user made";
    QTest::newRow("the user's own link at the name") << "mine/r.pdf" << false << 0LL << "";
    QTest::newRow("a folder reached through another user's link")
        << "shared/docs/r.pdf" << true << 0LL << "/shared/docs is a link that another user made";
    QTest::newRow("a folder reached through the user's own link") << "mine/docs/r.pdf" << false << 0LL << "";
    QTest::newRow("full disk, through the user's own link")
        << "mine/docs/r.pdf" << false << 4096LL << "File too large";
}

void TstReportPdf::linksAreFollowedOnlyWhenTheUsersOwn()
{
    QFETCH(QString, save);
    QFETCH(bool, planted);
    QFETCH(qlonglong, sizeLimit);
    QFETCH(QString, reason);
    if (planted && ::geteuid() != 0)
        QSKIP("Only root can act as another user");

    QTemporaryDir root;
    // Another user reaches the shared folder, as they would /tmp.
    QCOMPARE(::chmod(QFile::encodeName(root.path()).constData(), 0711), 0);
    const QString docs = root.filePath(QStringLiteral("docs"));
    const QString linkFolder = root.filePath(save.section(QLatin1Char('/'), 0, 0));
    QVERIFY(QDir().mkdir(docs) && QDir().mkdir(linkFolder));
    QCOMPARE(::chmod(QFile::encodeName(linkFolder).constData(), planted ? 01777 : 0700), 0);
    const QString old = QDir(docs).filePath(QStringLiteral("r.pdf"));
    const QByteArray oldBytes("the report of last week\n");
    writeAllBytes(old, oldBytes);
    QCOMPARE(::chmod(QFile::encodeName(old).constData(), 0644), 0);
    const QString link = root.filePath(save.section(QLatin1Char('/'), 0, 1));
    {
        std::optional<palmora::testing::OrdinaryUser> another;
        if (planted)
            another.emplace(QStringList());
        QVERIFY(!another || another->isOrdinary());
        QVERIFY(QFile::link(link.endsWith(QStringLiteral(".pdf")) ? old : docs, link));
    }
    const QStringList docsBefore = entriesOf(docs);
    const QStringList linkFolderBefore = entriesOf(linkFolder);

    QTextDocument document;
    printout(document);
    Outcome result;
    {
        const palmora::testing::FileSizeLimit limit(sizeLimit > 0 ? rlim_t(sizeLimit) : RLIM_INFINITY);
        result = saveReportPdf(document, root.filePath(save));
    }

    QVERIFY2(result.ok == reason.isEmpty(), qPrintable(result.error));
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    QCOMPARE(entriesOf(docs), docsBefore);
    QCOMPARE(entriesOf(linkFolder), linkFolderBefore);
    // Saved through the link, the file it leads to is replaced and keeps its mode.
    QCOMPARE(readAllBytes(old) == oldBytes, !result.ok);
    QCOMPARE(modeOf(old), 0644);
    if (reason.isEmpty())
        QVERIFY(readAllBytes(root.filePath(save)).startsWith("%PDF-"));
}

QTEST_MAIN(TstReportPdf)
#include "tst_reportpdf.moc"
