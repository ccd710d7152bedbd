// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print_probe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "fonts.h"
#include "locale_symbols.h"

namespace vesquin::test {

namespace {

constexpr int kWaitMs = 10000;

const QStringList kBoxNames{"txtNs",  "txtMed", "txtS1",  "txtS2",   "txtS3",   "txtS6",
                            "txtS1p", "txtS2p", "txtS3p", "txtTeo1", "txtTeo2", "txtTeo3"};

}  // namespace

std::unique_ptr<MainWindow> ShowWindow() {
    InstallFontSubstitutions();
    auto window = std::make_unique<MainWindow>(SymbolsFromLocale(QLocale::system()));
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
    return window;
}

bool RunSimulation(MainWindow& window, const QString& count) {
    auto* countBox = window.findChild<QLineEdit*>(QStringLiteral("txtNs"));
    auto* simulate = window.findChild<QPushButton*>(QStringLiteral("cmdSimular"));
    if (!countBox || !simulate) return false;
    countBox->setFocus();
    countBox->selectAll();
    QTest::keyClicks(countBox, count);
    QTest::mouseClick(simulate, Qt::LeftButton);
    return QTest::qWaitFor([&] { return !window.boxText(u"txtTeo3").isEmpty(); }, kWaitMs);
}

PrintCommand* PrintCommandOf(MainWindow& window) {
    return window.findChild<PrintCommand*>();
}

bool PressPrint(MainWindow& window, int waitMs) {
    auto* print = window.findChild<QPushButton*>(QStringLiteral("cmdImprimir"));
    PrintCommand* command = PrintCommandOf(window);
    if (!print || !command) return false;
    QSignalSpy ended(command, &PrintCommand::finished);
    // Connected after the window's own connection, so it fires once printing is done.
    QSignalSpy clicked(print, &QPushButton::clicked);
    // The offscreen platform has no window manager to give the activation back
    // once a message box has closed; a desktop does.
    if (!window.isActiveWindow()) {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
    }
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(focus, Qt::Key_I, Qt::AltModifier);
    return QTest::qWaitFor([&] { return clicked.count() >= 1; }, kWaitMs) &&
           QTest::qWaitFor([&] { return ended.count() >= 1; }, waitMs) && clicked.count() == 1 &&
           ended.count() == 1 && !command->isBusy();
}

QStringList AllBoxTexts(const MainWindow& window) {
    QStringList texts;
    for (const QString& name : kBoxNames) texts << name + QLatin1Char('=') + window.boxText(name);
    return texts;
}

QStringList ExpectedReportLines(const MainWindow& window, const QString& printedCount) {
    const auto box = [&](const char* name) { return window.boxText(QString::fromLatin1(name)); };
    QStringList lines{
        QStringLiteral("VESQUIN"),
        QStringLiteral("1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA %1 VECES").arg(printedCount),
        QStringLiteral("El número de platos más probable que se rompe es %1").arg(box("txtS6")),
        QStringLiteral("El número de platos que queda intacto por término medio es %1")
            .arg(box("txtMed")),
        QStringLiteral("Se rompe un solo plato %1 veces (%2 %)").arg(box("txtS1"), box("txtS1p")),
        QStringLiteral("Se rompen dos platos %1 veces (%2 %)").arg(box("txtS2"), box("txtS2p")),
        QStringLiteral("Se rompen tres platos %1 veces (%2 %)").arg(box("txtS3"), box("txtS3p")),
        QStringLiteral("2) RESULTADOS TEÓRICOS"),
        QStringLiteral("Se debería romper un solo plato el %1 % de las veces").arg(box("txtTeo1")),
        QStringLiteral("Se deberían romper dos platos el %1 % de las veces").arg(box("txtTeo2")),
        QStringLiteral("Se deberían romper tres platos el %1 % de las veces").arg(box("txtTeo3")),
    };
    for (QString& line : lines) line = line.simplified();
    return lines;
}

int RunProgram(const QString& program, const QStringList& arguments, QString* output,
               int timeoutMs) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        if (output)
            *output = QStringLiteral("%1 no terminó: %2").arg(program, process.errorString());
        return -1;
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    // The error output only explains a failure: it must not pass for a program's answer.
    if (output) {
        *output = QString::fromUtf8(process.readAllStandardOutput());
        if (code != 0) *output += QString::fromUtf8(process.readAllStandardError());
    }
    return code;
}

QStringList PdfLines(const QString& pdf, QString* error) {
    QString text;
    if (RunProgram(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                    QStringLiteral("-")},
                   &text) != 0) {
        if (error) *error = text;
        return {};
    }
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString collapsed = line.simplified();
        if (!collapsed.isEmpty()) lines << collapsed;
    }
    return lines;
}

QList<PdfWord> PdfWords(const QString& pdf) {
    QString html;
    if (RunProgram(QStringLiteral("pdftotext"),
                   {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                    QStringLiteral("-")},
                   &html) != 0)
        return {};
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& match : word.globalMatch(html)) {
        words.append(
            {match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return words;
}

QString PdfFonts(const QString& pdf) {
    QString fonts;
    return RunProgram(QStringLiteral("pdffonts"), {pdf}, &fonts) == 0 ? fonts : QString();
}

MessageCatcher::MessageCatcher(QStringList press) : m_press(std::move(press)) {
    // A modal message runs its own event loop inside the command; a timer is
    // served by that loop, so it can read the message and press its button.
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { look(); });
    m_timer.start();
}

void MessageCatcher::look() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Message message;
    message.icon = box->icon();
    message.title = box->windowTitle();
    message.text = box->text();
    message.informativeText = box->informativeText();
    for (const QAbstractButton* button : box->buttons()) message.buttons << button->text();
    if (const QAbstractButton* button = box->defaultButton())
        message.defaultButton = button->text();
    message.allPlainText = true;
    for (const QLabel* label : box->findChildren<QLabel*>())
        message.allPlainText &= label->textFormat() == Qt::PlainText;
    m_messages.append(message);

    const QString wanted = m_press.isEmpty() ? QString() : m_press.takeFirst();
    for (QAbstractButton* button : box->buttons()) {
        if (!wanted.isEmpty() && button->text() == wanted) {
            button->click();
            return;
        }
    }
    if (QAbstractButton* button = box->defaultButton()) {
        button->click();
    } else {
        box->reject();
    }
}

bool SetDocumentsFolder(const QString& home, const QString& line) {
    if (!QDir(home).mkpath(QStringLiteral(".config"))) return false;
    QFile settings(QDir(home).filePath(QStringLiteral(".config/user-dirs.dirs")));
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray text = line.toUtf8() + '\n';
    return settings.write(text) == text.size();
}

}  // namespace vesquin::test
