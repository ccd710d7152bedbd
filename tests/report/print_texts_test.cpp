// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pieces of printing that need no printer: the PDF of our own and its
// checks, writing a file whole, the print system's answers in Spanish, and a
// path broken only at its folder separators.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>

#include <map>
#include <string>

#include "print_messages.h"
#include "report_file.h"
#include "report_pdf.h"
#include "scheduler_failure.h"

namespace vesquin {
namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

// Every character one unit wide, so that widths are lengths.
double lengthOf(const QString& s) {
    return static_cast<double>(s.size());
}

TEST(BreakPathAtSeparators, BreaksOnlyRightAfterASeparator) {
    struct Case {
        const char* path;
        double maxWidth;
        const char* lines;
    };
    const Case cases[] = {
        {"/home/ana/Documents/Vesquin - informe.pdf", 100,
         "/home/ana/Documents/Vesquin - informe.pdf"},
        {"/home/ana/Documents/Vesquin - informe.pdf", 20,
         "/home/ana/Documents/\nVesquin - informe.pdf"},
        {"/home/ana/Documents/Vesquin - informe.pdf", 10,
         "/home/ana/\nDocuments/\nVesquin - informe.pdf"},
        // A name wider than a line keeps a line of its own, whole.
        {"/a/Una carpeta con un nombre muy largo/b.pdf", 12,
         "/a/\nUna carpeta con un nombre muy largo/\nb.pdf"},
        {"C:\\Users\\Ana\\Documents\\Vesquin - informe.pdf", 16,
         "C:\\Users\\Ana\\\nDocuments\\\nVesquin - informe.pdf"},
        {"sin carpeta.pdf", 4, "sin carpeta.pdf"},
        {"", 10, ""},
    };
    for (const Case& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        const QString lines = BreakPathAtSeparators(path, lengthOf, c.maxWidth);
        EXPECT_EQ(text(lines), c.lines) << c.path << " at " << c.maxWidth;
        EXPECT_EQ(text(QString(lines).remove(QLatin1Char('\n'))), c.path);
    }
}

TEST(RefusalText, NamesKnownRefusalsInSpanish) {
    const QString name = QuotedName(QStringLiteral("Aula 3"));
    struct Case {
        int status;
        const char* schedulerText;
        QString expected;
    };
    const Case cases[] = {
        {0x0506, "Destination is not accepting jobs.",
         QStringLiteral("La impresora %1 no acepta trabajos.").arg(name)},
        {0x0406, "The printer or class does not exist.",
         QStringLiteral("La impresora %1 no existe.").arg(name)},
        {0x0407, "", QStringLiteral("La impresora %1 no existe.").arg(name)},
        {0x0403, "Forbidden",
         QStringLiteral("No tiene permiso para imprimir en la impresora %1.").arg(name)},
        {0x0402, "",
         QStringLiteral("No tiene permiso para imprimir en la impresora %1.").arg(name)},
        {0x040A, "", QStringLiteral("La impresora %1 no admite documentos PDF.").arg(name)},
        {0x0409, "La entidad requerida es demasiado larga",
         QStringLiteral("El sistema de impresión no tiene espacio para el trabajo.")},
        {0x0502, "", QStringLiteral("La impresora no responde.")},
        {0x0507, "Printer busy",
         QStringLiteral("La impresora no responde.\nEl sistema de impresión dice: Printer busy")},
        // Anything else keeps the print system's own words, or at least its code.
        {0x0500, "  Internal Server Error ",
         QStringLiteral("El sistema de impresión ha rechazado el trabajo: Internal Server Error")},
        {0x0500, "",
         QStringLiteral("El sistema de impresión ha rechazado el trabajo (código 0x0500).")},
        {0x040b, "Attributes not supported",
         QStringLiteral(
             "El sistema de impresión ha rechazado el trabajo: Attributes not supported")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(RefusalText(c.status, QString::fromUtf8(c.schedulerText),
                                   QStringLiteral("Aula 3"))),
                  text(c.expected))
            << std::hex << c.status;
    }
}

TEST(SchedulerTexts, IsolateThePrinterName) {
    // A right-to-left name cannot pull the sentence's guillemets or words around.
    EXPECT_EQ(text(QuotedName(QStringLiteral("\u05D0\u05D1"))), "«\u2068\u05D0\u05D1\u2069»");
    EXPECT_EQ(text(StoppedPrinterText(QStringLiteral("P"))),
              "La impresora «\u2068P\u2069» está detenida.");
    EXPECT_EQ(text(StoppedJobText(QStringLiteral("P"), QStringLiteral(" "))),
              "El sistema de impresión ha detenido el trabajo en la impresora «\u2068P\u2069»; se "
              "ha anulado.");
    EXPECT_EQ(text(LostJobText(QStringLiteral("P"), QString())),
              "El sistema de impresión ha anulado el trabajo en la impresora «\u2068P\u2069».");
    EXPECT_EQ(text(LostJobText(QStringLiteral("P"), QStringLiteral("Filter failed"))),
              "El sistema de impresión ha anulado el trabajo en la impresora «\u2068P\u2069».\n"
              "El sistema de impresión dice: Filter failed");
}

TEST(IsCompletePdf, WantsTheHeaderAndTheTrailer) {
    const QByteArray body(4000, 'x');
    struct Case {
        QByteArray pdf;
        bool complete;
    };
    const Case cases[] = {
        {"%PDF-1.4\n" + body + "\nstartxref\n123\n%%EOF\n", true},
        {"%PDF-1.4\n%%EOF", true},
        {"", false},
        {"%PDF-1.4\n" + body, false},         // cut short: no trailer
        {"%PDF-1.4\n%%EOF\n" + body, false},  // a marker far from the end is an old one
        {"PDF-1.4\n" + body + "%%EOF", false},
        {"<html>%%EOF", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsCompletePdf(c.pdf), c.complete) << c.pdf.left(40).data();
}

ReportWriter writerOf(std::map<std::string, std::string, std::less<>> boxes) {
    return ReportWriter(
        [boxes](std::string_view name) {
            const auto found = boxes.find(name);
            return found == boxes.end() ? std::string() : found->second;
        },
        LocaleSymbols{",", "."});
}

TEST(RenderReportPdf, MakesACompleteDocumentOnThePrintersPaper) {
    struct Case {
        QPageSize paper;
        const char* mediaBox;
    };
    const Case cases[] = {
        {QPageSize(QPageSize::A4), "/MediaBox [0 0 595.000000 842.000000]"},
        {QPageSize(QPageSize::Letter), "/MediaBox [0 0 612.000000 792.000000]"},
        {QPageSize(QPageSize::A5), "/MediaBox [0 0 420.000000 595.000000]"},
    };
    for (const Case& c : cases) {
        const PdfPage page{QPageLayout(c.paper, QPageLayout::Portrait,
                                       QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter),
                           300};
        const QByteArray pdf = RenderReportPdf(writerOf({{"txtNs", "1000"}}), page);
        EXPECT_TRUE(IsCompletePdf(pdf)) << c.mediaBox;
        const qsizetype box = pdf.indexOf("/MediaBox");
        EXPECT_TRUE(pdf.contains(c.mediaBox)) << pdf.mid(box, 40).data();
        EXPECT_TRUE(pdf.contains("/Count 1")) << "one page";
    }
}

TEST(WriteWhole, WritesEveryByteOfAGoodFile) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    QByteArray data(300000, '\0');
    for (qsizetype i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
    QFile file(temp.filePath(QStringLiteral("informe.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QString reason;
    EXPECT_TRUE(WriteWhole(file, data, &reason)) << text(reason);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), data);
}

TEST(WriteWhole, SaysTheDiskIsFull) {
    // /dev/full refuses every write with "no space left on device", for any user.
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly)) GTEST_SKIP() << "no /dev/full here";
    QString reason;
    EXPECT_FALSE(WriteWhole(full, QByteArray(100000, 'x'), &reason));
    EXPECT_EQ(text(reason), "No queda espacio en el disco.");
}

TEST(WriteWhole, ReportsAFileThatTakesNothing) {
    QFile closed(QStringLiteral("/nonexistent/informe.pdf"));
    QString reason;
    EXPECT_FALSE(WriteWhole(closed, "x", &reason));
    EXPECT_FALSE(reason.isEmpty());
}

TEST(UserDatabaseHome, IsTheHomeTheSystemRecordsForTheUser) {
    // What the user database says, asked through another program.
    QProcess uid;
    uid.start(QStringLiteral("id"), {QStringLiteral("-u")});
    ASSERT_TRUE(uid.waitForFinished(10000));
    QProcess getent;
    getent.start(
        QStringLiteral("getent"),
        {QStringLiteral("passwd"), QString::fromUtf8(uid.readAllStandardOutput()).trimmed()});
    ASSERT_TRUE(getent.waitForFinished(10000));
    const QStringList entry =
        QString::fromUtf8(getent.readAllStandardOutput()).trimmed().split(QLatin1Char(':'));
    ASSERT_EQ(entry.size(), 7) << text(entry.join(QLatin1Char(':')));
    EXPECT_EQ(text(UserDatabaseHome()), text(entry.at(5)));
    EXPECT_FALSE(UserDatabaseHome().isEmpty());
}

}  // namespace
}  // namespace vesquin

int main(int argc, char* argv[]) {
    // Drawing text into the PDF needs the fonts of a GUI application.
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
