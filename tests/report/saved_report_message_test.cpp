// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message that says where a report was saved (there is no printer here):
// the path shown literally and broken only at its folder separators, and the
// buttons that open the report or its folder through an opener of the test's.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "print_probe.h"

using namespace vesquin::test;

namespace {

const QString kSavedMessage =
    QStringLiteral("No hay ninguna impresora disponible. El informe se ha guardado en:");
const QRegularExpression kReportName(
    QStringLiteral(R"(^Vesquin - informe \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \(\d+\))?\.pdf$)"));

// The saved file's path as the message shows it, its lines joined again.
QString shownPath(const MessageCatcher::Message& message) {
    return QString(message.informativeText).remove(QLatin1Char('\n'));
}

}  // namespace

class SavedReportMessageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void showsAFolderNameLiterallyAndBreaksItOnlyAtSeparators();
    void opensTheReportOrItsFolder_data();
    void opensTheReportOrItsFolder();

  private:
    void setDocumentsFolder(const QString& line);

    QTemporaryDir m_home;
};

void SavedReportMessageTest::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
}

void SavedReportMessageTest::init() {
    QFile::remove(m_home.filePath(QStringLiteral(".config/user-dirs.dirs")));
}

void SavedReportMessageTest::setDocumentsFolder(const QString& line) {
    QVERIFY(SetDocumentsFolder(m_home.path(), line));
}

void SavedReportMessageTest::showsAFolderNameLiterallyAndBreaksItOnlyAtSeparators() {
    // Markup in a folder name, and a path far wider than any message box.
    const QString deep = QStringLiteral(
        "<b>Informes</b>/Curso de probabilidad para el segundo trimestre/"
        "Grupo de tarde con los ejercicios de los platos &amp; tiradores");
    setDocumentsFolder(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/%1\"").arg(deep));
    const auto window = ShowWindow();
    QVERIFY(window);
    MessageCatcher catcher;
    QVERIFY(PressPrint(*window));
    QCOMPARE(catcher.messages().size(), 1);
    const auto message = catcher.messages().first();
    QCOMPARE(message.text, kSavedMessage);
    QVERIFY(message.allPlainText);
    const QString path = shownPath(message);
    QCOMPARE(QFileInfo(path).absolutePath(), m_home.filePath(deep));
    QVERIFY(QFileInfo::exists(path));
    const QStringList lines = message.informativeText.split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 3, qPrintable(message.informativeText));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        QVERIFY2(lines[i].endsWith(QLatin1Char('/')), qPrintable(lines[i]));
    QVERIFY(kReportName.match(lines.last()).hasMatch());
}

void SavedReportMessageTest::opensTheReportOrItsFolder_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("wantsFolder");
    QTest::addColumn<QString>("failure");
    QTest::newRow("report") << "Abrir el informe" << true << false << QString();
    QTest::newRow("folder") << "Abrir la carpeta" << true << true << QString();
    QTest::newRow("report fails") << "Abrir el informe" << false << false
                                  << "No se ha podido abrir el informe.";
    QTest::newRow("folder fails") << "Abrir la carpeta" << false << true
                                  << "No se ha podido abrir la carpeta.";
    QTest::newRow("accept") << "Aceptar" << true << false << QString();
}

void SavedReportMessageTest::opensTheReportOrItsFolder() {
    QFETCH(QString, button);
    QFETCH(bool, opens);
    QFETCH(bool, wantsFolder);
    QFETCH(QString, failure);
    const auto window = ShowWindow();
    QVERIFY(window);
    QList<QUrl> opened;
    PrintCommandOf(*window)->setUrlOpener([&](const QUrl& url) {
        opened << url;
        return opens;
    });

    MessageCatcher catcher({button});
    QVERIFY(PressPrint(*window));
    QVERIFY(!catcher.messages().isEmpty());
    const QString path = shownPath(catcher.messages().first());
    QVERIFY(QFileInfo::exists(path));
    if (button == QStringLiteral("Aceptar")) {
        QCOMPARE(opened, QList<QUrl>());
        QCOMPARE(catcher.messages().size(), 1);
        return;
    }
    const QFileInfo file(path);
    const QUrl expected =
        QUrl::fromLocalFile(wantsFolder ? file.absolutePath() : file.absoluteFilePath());
    QCOMPARE(opened, QList<QUrl>{expected});
    if (failure.isEmpty()) {
        QCOMPARE(catcher.messages().size(), 1);
    } else {
        QCOMPARE(catcher.messages().size(), 2);
        const auto& told = catcher.messages().at(1);
        QCOMPARE(told.icon, QMessageBox::Warning);
        QCOMPARE(told.text, failure);
        QCOMPARE(told.buttons, QStringList{QStringLiteral("Aceptar")});
        QVERIFY(told.allPlainText);
    }
}

QTEST_MAIN(SavedReportMessageTest)
#include "saved_report_message_test.moc"
