// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the printing tests share: the program's window driven as a user would,
// the messages it shows, and the PDF read back with poppler's tools.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

#include "main_window.h"
#include "print_command.h"

namespace vesquin::test {

// The window as the program builds it, with the user's symbols, shown and active.
std::unique_ptr<MainWindow> ShowWindow();

// Types `count` into txtNs (replacing what it held), clicks Simular, and waits until
// the theoretical boxes are filled. False if the run did not finish.
bool RunSimulation(MainWindow& window, const QString& count);

// The window's Print command, to wait on it and to change its waits and helpers.
PrintCommand* PrintCommandOf(MainWindow& window);

// Presses Alt+I where the focus is, and waits until cmdImprimir has been clicked
// and the print it started has ended (its message closed, if any). False if the
// button did not fire exactly once or the print did not end within `waitMs`.
bool PressPrint(MainWindow& window, int waitMs = 40000);

// Points the documents folder of the home `home` elsewhere through the user's
// settings file, with one line such as XDG_DOCUMENTS_DIR="$HOME/Informes".
// False if the file could not be written.
bool SetDocumentsFolder(const QString& home, const QString& line);

// The twelve boxes' texts, by name, to check that printing leaves them alone.
QStringList AllBoxTexts(const MainWindow& window);

// The eleven text lines the report must carry for what the window shows,
// with `printedCount` in the heading, blanks collapsed.
QStringList ExpectedReportLines(const MainWindow& window, const QString& printedCount);

// The non-empty lines of `pdf` as pdftotext -layout reads them, blanks collapsed.
// Empty (and `error` set) when the file cannot be read.
QStringList PdfLines(const QString& pdf, QString* error);

struct PdfWord {
    QString text;
    double xMin = 0;  // points from the left edge of the page
    double yMin = 0;
};
QList<PdfWord> PdfWords(const QString& pdf);

// The names of the fonts embedded in `pdf`, from pdffonts.
QString PdfFonts(const QString& pdf);

// Runs a program to its end (at most `timeoutMs`); its exit code, or -1.
int RunProgram(const QString& program, const QStringList& arguments, QString* output = nullptr,
               int timeoutMs = 60000);

// While it lives, notes and closes every modal message box that appears, the
// way a user reads a message and presses its button.
class MessageCatcher : public QObject {
  public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QString informativeText;
        QStringList buttons;  // in the order the box shows them
        QString defaultButton;
        bool allPlainText = false;  // every label of the box set to plain text
    };

    // `press`: the texts of the buttons to press, one per message, in order;
    // the default button for any message beyond them.
    explicit MessageCatcher(QStringList press = {});
    const QList<Message>& messages() const { return m_messages; }

  private:
    void look();

    QTimer m_timer;
    QStringList m_press;
    QList<Message> m_messages;
};

}  // namespace vesquin::test
