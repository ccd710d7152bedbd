// Printing on a real default printer: a private scheduler whose one queue,
// TESTPDF, writes each job's PDF to a file that the test reads back.

#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

#include "print_probe.h"

using namespace vesquin::test;

namespace {

const QString kCupsDir = QStringLiteral(VESQUIN_CUPS_DIR);
const QString kPrivateCups = QStringLiteral(VESQUIN_PRIVATE_CUPS);
const QString kOutput = kCupsDir + QStringLiteral("/out/report.pdf");

// Jobs the queue has finished so far (lpstat lists one per line).
int completedJobs() {
    QString listing;
    if (RunProgram(QStringLiteral("lpstat"),
                   {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"),
                    QStringLiteral("TESTPDF")},
                   &listing) != 0)
        return -1;
    return static_cast<int>(listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

// The average character width of the report's font at `points`, from the font's
// own OS/2 table: what a character column is, independently of how Qt measures it.
double averageCharWidthPoints(double points) {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() < 4 || raw.unitsPerEm() <= 0) return -1;
    const auto xAvgCharWidth = qFromBigEndian<qint16>(os2.constData() + 2);
    return xAvgCharWidth * points / raw.unitsPerEm();
}

}  // namespace

class PrintToPrinterTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void printsOneJobWithTheNumbersTheWindowShows();
    void placesTheTitleAtColumn36OfItsFont();
    void headingStatesTheTrialsOfTheRunShown_data();
    void headingStatesTheTrialsOfTheRunShown();

  private:
    // Empties the queue and its file, prints with Alt+I, waits for the job; the
    // new PDF's lines. Fails the test when not exactly one job came out.
    QStringList printOneJob(vesquin::MainWindow& window);

    QString m_firstReport;  // a copy of the first job's PDF
    QTemporaryDir m_temp;
};

void PrintToPrinterTest::initTestCase() {
    QVERIFY(m_temp.isValid());
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QVERIFY2(!printer.isNull(), "the private scheduler's queue should be the default printer");
    QCOMPARE(printer.printerName(), QStringLiteral("TESTPDF"));
}

QStringList PrintToPrinterTest::printOneJob(vesquin::MainWindow& window) {
    QString output;
    if (RunProgram(kPrivateCups, {QStringLiteral("reset"), kCupsDir}, &output) != 0) {
        QTest::qFail(qPrintable(QStringLiteral("reset: ") + output), __FILE__, __LINE__);
        return {};
    }
    const int jobsBefore = completedJobs();
    const QStringList boxesBefore = AllBoxTexts(window);
    MessageCatcher messages;

    if (!PressPrint(window)) {
        QTest::qFail("Alt+I did not click cmdImprimir exactly once", __FILE__, __LINE__);
        return {};
    }
    if (RunProgram(kPrivateCups, {QStringLiteral("wait-job"), kCupsDir}, &output) != 0) {
        QTest::qFail(qPrintable(QStringLiteral("wait-job: ") + output), __FILE__, __LINE__);
        return {};
    }
    if (completedJobs() != jobsBefore + 1) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 jobs finished, expected one").arg(completedJobs() - jobsBefore)),
            __FILE__, __LINE__);
        return {};
    }
    if (!messages.messages().isEmpty()) {
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected message: ") + messages.messages().first().text),
            __FILE__, __LINE__);
        return {};
    }
    if (AllBoxTexts(window) != boxesBefore) {
        QTest::qFail("printing changed a box", __FILE__, __LINE__);
        return {};
    }
    QString error;
    const QStringList lines = PdfLines(kOutput, &error);
    if (lines.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("pdftotext: ") + error), __FILE__, __LINE__);
    return lines;
}

void PrintToPrinterTest::printsOneJobWithTheNumbersTheWindowShows() {
    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, QStringLiteral("1.000")));

    const QStringList lines = printOneJob(*window);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(lines, ExpectedReportLines(*window, QStringLiteral("1.000")));

    m_firstReport = m_temp.filePath(QStringLiteral("first.pdf"));
    QVERIFY(QFile::copy(kOutput, m_firstReport));
}

void PrintToPrinterTest::placesTheTitleAtColumn36OfItsFont() {
    QVERIFY2(!m_firstReport.isEmpty(), "needs the report of the previous test");
    QVERIFY2(PdfFonts(m_firstReport).contains(QStringLiteral("ComicNeue")),
             qPrintable(PdfFonts(m_firstReport)));

    const QList<PdfWord> words = PdfWords(m_firstReport);
    const auto firstX = [&](const QString& text) {
        for (const PdfWord& word : words)
            if (word.text == text) return word.xMin;
        return -1.0;
    };
    const double title = firstX(QStringLiteral("VESQUIN"));
    const double heading = firstX(QStringLiteral("1)"));   // column 15, 12 points
    const double sentence = firstX(QStringLiteral("El"));  // column 22, 12 points
    QVERIFY(title > 0 && heading > 0 && sentence > 0);
    QCOMPARE(firstX(QStringLiteral("2)")), heading);

    const double body = averageCharWidthPoints(12);
    const double large = averageCharWidthPoints(14);
    QVERIFY(body > 0 && large > body);
    // Column 1 is the left edge of the printer's printable area.
    const double margin = QPrinter(QPrinter::HighResolution).pageLayout().paintRectPoints().left();
    QVERIFY2(
        std::abs(heading - (margin + 14 * body)) <= 1.0,
        qPrintable(
            QStringLiteral("column 15 at %1, expected %2").arg(heading).arg(margin + 14 * body)));
    QVERIFY2(
        std::abs(sentence - (margin + 21 * body)) <= 1.0,
        qPrintable(
            QStringLiteral("column 22 at %1, expected %2").arg(sentence).arg(margin + 21 * body)));
    QVERIFY2(std::abs(title - (margin + 35 * large)) <= 1.0,
             qPrintable(
                 QStringLiteral("VESQUIN at %1, expected %2").arg(title).arg(margin + 35 * large)));
}

void PrintToPrinterTest::headingStatesTheTrialsOfTheRunShown_data() {
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("editedTo");  // typed after the run, not simulated
    QTest::addColumn<QString>("heading");
    QTest::newRow("edited to 7") << QStringLiteral("250") << QStringLiteral("7")
                                 << QStringLiteral("250");
    QTest::newRow("edited to 500000")
        << QStringLiteral("1.000") << QStringLiteral("500000") << QStringLiteral("1.000");
    QTest::newRow("edited to abc")
        << QStringLiteral("1.000") << QStringLiteral("abc") << QStringLiteral("1.000");
    QTest::newRow("2,5 runs 2") << QStringLiteral("2,5") << QString() << QStringLiteral("02");
    QTest::newRow("1.000.000,5 runs 1.000.000")
        << QStringLiteral("1.000.000,5") << QString() << QStringLiteral("1.000.000");
}

void PrintToPrinterTest::headingStatesTheTrialsOfTheRunShown() {
    QFETCH(QString, run);
    QFETCH(QString, editedTo);
    QFETCH(QString, heading);
    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, run));
    if (!editedTo.isNull()) {
        auto* countBox = window->findChild<QLineEdit*>(QStringLiteral("txtNs"));
        QVERIFY(countBox);
        countBox->setFocus();
        countBox->selectAll();
        QTest::keyClicks(countBox, editedTo);
    }

    const QStringList lines = printOneJob(*window);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(lines, ExpectedReportLines(*window, heading));
}

QTEST_MAIN(PrintToPrinterTest)
#include "print_to_printer_test.moc"
