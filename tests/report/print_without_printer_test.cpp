// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing on a machine with no printer: the report becomes a PDF file in the
// user's documents folder, and the user is told where. The home folder is a
// temporary one, so the user's own documents are never touched.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

#include "print_probe.h"

using namespace vesquin::test;

namespace {

const QString kSavedMessage =
    QStringLiteral("No hay ninguna impresora disponible. El informe se ha guardado en:");
const QRegularExpression kReportName(
    QStringLiteral(R"(^Vesquin - informe \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \(\d+\))?\.pdf$)"));
const QStringList kSavedButtons{QStringLiteral("Abrir el informe"),
                                QStringLiteral("Abrir la carpeta"), QStringLiteral("Aceptar")};

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The saved file's path as the message shows it, its lines joined again.
QString shownPath(const MessageCatcher::Message& message) {
    return QString(message.informativeText).remove(QLatin1Char('\n'));
}

// HOME as it was, put back when the test ends however it ends.
class HomeGuard {
  public:
    HomeGuard() : m_home(qgetenv("HOME")) {}
    ~HomeGuard() { qputenv("HOME", m_home); }

  private:
    QByteArray m_home;
};

// A small file system of its own, full to the last byte, mounted for the test
// where mounting is allowed (as root); unmounted at the end.
class FullDisk {
  public:
    explicit FullDisk(const QString& folder) : m_folder(folder) {
        QDir().mkpath(folder);
        m_mounted = RunProgram(QStringLiteral("mount"),
                               {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                QStringLiteral("size=256k"), QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~FullDisk() {
        if (m_mounted) RunProgram(QStringLiteral("umount"), {m_folder});
    }
    bool mounted() const { return m_mounted; }

    // Fills what is left with one file.
    bool fill() {
        QFile filler(QDir(m_folder).filePath(QStringLiteral("relleno")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {
        }
        return filler.error() == QFileDevice::ResourceError;
    }

  private:
    QString m_folder;
    bool m_mounted = false;
};

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
    void saysTheDiskIsFullAndKeepsEarlierReports();
    void findsTheHomeFolderWhenHomeIsUnset_data();
    void findsTheHomeFolderWhenHomeIsUnset();
    void savesNothingWithoutAnyHomeFolder();

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
}

void PrintWithoutPrinterTest::init() {
    QFile::remove(m_home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void PrintWithoutPrinterTest::setDocumentsFolder(const QString& line) {
    QVERIFY(SetDocumentsFolder(m_home.path(), line));
}

MessageCatcher::Message PrintWithoutPrinterTest::printAndReadMessage(vesquin::MainWindow& window) {
    MessageCatcher catcher;
    if (!PressPrint(window)) {
        QTest::qFail("Alt+I did not start and end one print", __FILE__, __LINE__);
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
    if (!message.allPlainText)
        QTest::qFail("a label of the message is not plain text", __FILE__, __LINE__);
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
    QCOMPARE(first.text, kSavedMessage);
    // Qt's translations are not installed here: every button must say its own Spanish.
    // (Their order is the desktop style's.)
    QStringList buttons = first.buttons;
    buttons.sort();
    QCOMPARE(buttons, kSavedButtons);
    QCOMPARE(first.defaultButton, QStringLiteral("Aceptar"));
    const QFileInfo firstFile(shownPath(first));
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
    QCOMPARE(second.text, kSavedMessage);
    const QFileInfo secondFile(shownPath(second));
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
    QCOMPARE(message.text, kSavedMessage);
    QCOMPARE(QFileInfo(shownPath(message)).absolutePath(), documents);
    QString error;
    const QStringList lines = PdfLines(shownPath(message), &error);
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
    QCOMPARE(message.buttons, QStringList{QStringLiteral("Aceptar")});
    QVERIFY2(message.informativeText.startsWith(QStringLiteral(
                 "No hay ninguna impresora disponible. No se ha podido guardar el informe")),
             qPrintable(message.informativeText));
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

void PrintWithoutPrinterTest::saysTheDiskIsFullAndKeepsEarlierReports() {
    setDocumentsFolder(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Disco lleno\""));
    const QString documents = m_home.filePath(QStringLiteral("Disco lleno"));
    FullDisk disk(documents);
    if (!disk.mounted()) QSKIP("mounting a small file system needs root");
    const QString earlier =
        QDir(documents).filePath(QStringLiteral("Vesquin - informe anterior.pdf"));
    {
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("%PDF-1.4 anterior %%EOF"), qint64(23));
    }
    QVERIFY(disk.fill());

    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, QStringLiteral("300")));
    const auto message = printAndReadMessage(*window);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.text, QStringLiteral("No se ha podido imprimir el informe."));
    QVERIFY2(message.informativeText.endsWith(QStringLiteral("No queda espacio en el disco.")),
             qPrintable(message.informativeText));
    QCOMPARE(contentsOf(earlier), QByteArray("%PDF-1.4 anterior %%EOF"));
    QCOMPARE(
        QDir(documents).entryList(QDir::Files),
        (QStringList{QStringLiteral("relleno"), QStringLiteral("Vesquin - informe anterior.pdf")}));
}

void PrintWithoutPrinterTest::findsTheHomeFolderWhenHomeIsUnset_data() {
    QTest::addColumn<QByteArray>("home");
    QTest::newRow("unset") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
}

void PrintWithoutPrinterTest::findsTheHomeFolderWhenHomeIsUnset() {
    QFETCH(QByteArray, home);
    const HomeGuard guard;
    const QString recorded = m_home.filePath(QStringLiteral("casa del usuario"));
    QVERIFY(QDir().mkpath(recorded));
    const auto window = ShowWindow();
    QVERIFY(window);
    PrintCommandOf(*window)->setHomeLookup([&] { return recorded; });
    if (home.isNull()) {
        qunsetenv("HOME");
    } else {
        qputenv("HOME", home);
    }

    const auto message = printAndReadMessage(*window);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(message.text, kSavedMessage);
    QCOMPARE(QFileInfo(shownPath(message)).absolutePath(),
             QDir(recorded).filePath(QStringLiteral("Documents")));
    QVERIFY(QFileInfo::exists(shownPath(message)));
}

void PrintWithoutPrinterTest::savesNothingWithoutAnyHomeFolder() {
    const HomeGuard guard;
    const auto window = ShowWindow();
    QVERIFY(window);
    PrintCommandOf(*window)->setHomeLookup([] { return QString(); });
    qunsetenv("HOME");
    const QStringList rootBefore = QDir(QStringLiteral("/Documents")).entryList(QDir::Files);

    const auto message = printAndReadMessage(*window);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.text, QStringLiteral("No se ha podido imprimir el informe."));
    QCOMPARE(message.informativeText,
             QStringLiteral("No hay ninguna impresora disponible. No se ha podido guardar el "
                            "informe: no se encuentra la carpeta personal del usuario."));
    QCOMPARE(QDir(QStringLiteral("/Documents")).entryList(QDir::Files), rootBefore);
}

QTEST_MAIN(PrintWithoutPrinterTest)
#include "print_without_printer_test.moc"
