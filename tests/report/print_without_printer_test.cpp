// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing on a machine with no printer: the report becomes a PDF file in the
// user's documents folder, and the user is told where. The home folder is a
// temporary one, so the user's own documents are never touched.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

#include "print_probe.h"

using namespace vesquin::test;

namespace {

const QRegularExpression kSavedMessage(QStringLiteral(
    R"(^No hay ninguna impresora disponible\. El informe se ha guardado en (.+)\.$)"));
const QRegularExpression kReportName(
    QStringLiteral(R"(^Vesquin - informe \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \(\d+\))?\.pdf$)"));

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class PrintWithoutPrinterTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void savesEachPrintAsANewPdfInDocuments();
    void followsTheDocumentsFolderOfTheUserSettings();
    void warnsAndChangesNothingWhenTheFileCannotBeMade();
    void warnsAndLeavesNoFileWhenWritingFails();

  private:
    // Presses Alt+I with a message catcher; the one message shown, or a failure.
    MessageCatcher::Message printAndReadMessage(vesquin::MainWindow& window);
    // Where the documents folder is, through the user's settings file.
    void setDocumentsFolder(const QString& line);

    QTemporaryDir m_home;
};

void PrintWithoutPrinterTest::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "this test needs a machine with no printer");
}

void PrintWithoutPrinterTest::init() {
    QFile::remove(m_home.filePath(QStringLiteral(".config/user-dirs.dirs")));
}

void PrintWithoutPrinterTest::setDocumentsFolder(const QString& line) {
    QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral(".config")));
    QFile settings(m_home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(line.toUtf8() + '\n');
}

MessageCatcher::Message PrintWithoutPrinterTest::printAndReadMessage(vesquin::MainWindow& window) {
    MessageCatcher catcher;
    if (!PressPrint(window)) {
        QTest::qFail("Alt+I did not click cmdImprimir exactly once", __FILE__, __LINE__);
        return {};
    }
    if (catcher.messages().size() != 1) {
        QTest::qFail(
            qPrintable(QStringLiteral("%1 messages, expected one").arg(catcher.messages().size())),
            __FILE__, __LINE__);
        return {};
    }
    const MessageCatcher::Message message = catcher.messages().first();
    if (message.title != QStringLiteral("Vesquin")) {
        QTest::qFail(qPrintable(QStringLiteral("message titled ") + message.title), __FILE__,
                     __LINE__);
    }
    return message;
}

void PrintWithoutPrinterTest::savesEachPrintAsANewPdfInDocuments() {
    const QString documents = m_home.filePath(QStringLiteral("Documents"));
    QVERIFY(!QFileInfo::exists(documents));
    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, QStringLiteral("1.000")));
    const QStringList boxes = AllBoxTexts(*window);

    const auto first = printAndReadMessage(*window);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(first.icon, QMessageBox::Information);
    const QRegularExpressionMatch firstMatch = kSavedMessage.match(first.text);
    QVERIFY2(firstMatch.hasMatch(), qPrintable(first.text));
    const QFileInfo firstFile(firstMatch.captured(1));
    QVERIFY(firstFile.isAbsolute());
    QCOMPARE(firstFile.absolutePath(), documents);
    QVERIFY2(kReportName.match(firstFile.fileName()).hasMatch(), qPrintable(firstFile.fileName()));

    QString error;
    QCOMPARE(PdfLines(firstFile.filePath(), &error),
             ExpectedReportLines(*window, QStringLiteral("1.000")));
    QCOMPARE(AllBoxTexts(*window), boxes);
    const QByteArray firstBytes = contentsOf(firstFile.filePath());

    // Within the same second the name is taken: the second print must not overwrite it.
    const auto second = printAndReadMessage(*window);
    if (QTest::currentTestFailed()) return;
    const QRegularExpressionMatch secondMatch = kSavedMessage.match(second.text);
    QVERIFY2(secondMatch.hasMatch(), qPrintable(second.text));
    const QFileInfo secondFile(secondMatch.captured(1));
    QVERIFY(secondFile.filePath() != firstFile.filePath());
    QCOMPARE(secondFile.absolutePath(), documents);
    QVERIFY2(kReportName.match(secondFile.fileName()).hasMatch(),
             qPrintable(secondFile.fileName()));
    QCOMPARE(PdfLines(secondFile.filePath(), &error),
             ExpectedReportLines(*window, QStringLiteral("1.000")));
    QCOMPARE(contentsOf(firstFile.filePath()), firstBytes);
    QCOMPARE(QDir(documents).entryList(QDir::Files).size(), 2);
}

void PrintWithoutPrinterTest::followsTheDocumentsFolderOfTheUserSettings() {
    setDocumentsFolder(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Mis informes\""));
    const QString documents = m_home.filePath(QStringLiteral("Mis informes"));
    const auto window = ShowWindow();
    QVERIFY(window);
    // Printing before any run prints the boxes as they are.
    const auto message = printAndReadMessage(*window);
    if (QTest::currentTestFailed()) return;
    const QRegularExpressionMatch match = kSavedMessage.match(message.text);
    QVERIFY2(match.hasMatch(), qPrintable(message.text));
    QCOMPARE(QFileInfo(match.captured(1)).absolutePath(), documents);
    QString error;
    const QStringList lines = PdfLines(match.captured(1), &error);
    QVERIFY2(!lines.isEmpty(), qPrintable(error));
    QCOMPARE(lines.value(1), QStringLiteral("1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA VECES"));
}

void PrintWithoutPrinterTest::warnsAndChangesNothingWhenTheFileCannotBeMade() {
    // A plain file where the documents folder should be made: refused even to root.
    QFile blocker(m_home.filePath(QStringLiteral("bloqueo")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    setDocumentsFolder(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/bloqueo/Documentos\""));

    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, QStringLiteral("300")));
    const QStringList boxes = AllBoxTexts(*window);

    const auto message = printAndReadMessage(*window);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.text, QStringLiteral("No se ha podido imprimir el informe."));
    QVERIFY2(message.informativeText.contains(QStringLiteral("bloqueo/Documentos")),
             qPrintable(message.informativeText));
    QCOMPARE(AllBoxTexts(*window), boxes);
    QCOMPARE(QFileInfo(blocker.fileName()).size(), 0);
}

void PrintWithoutPrinterTest::warnsAndLeavesNoFileWhenWritingFails() {
    setDocumentsFolder(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Lleno\""));
    const QString documents = m_home.filePath(QStringLiteral("Lleno"));
    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, QStringLiteral("300")));

    // A disk that fills up after a few bytes, for any user: writes past the file
    // size limit fail (EFBIG) once the signal that would end the process is ignored.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2048;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto message = printAndReadMessage(*window);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    if (QTest::currentTestFailed()) return;

    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.text, QStringLiteral("No se ha podido imprimir el informe."));
    QVERIFY2(message.informativeText.contains(QStringLiteral("Vesquin - informe ")),
             qPrintable(message.informativeText));
    QCOMPARE(QDir(documents).entryList(QDir::Files), QStringList());
}

QTEST_MAIN(PrintWithoutPrinterTest)
#include "print_without_printer_test.moc"
