// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

#include "catalogue_qstring.h"

namespace vesquin {

namespace {

const QString kTitle = QStringLiteral("Vesquin");
// Narrower than the width at which a message box starts to wrap its text itself.
constexpr double kPathLineWidth = 420;

// A message of our own: plain texts, our own "Aceptar" as the default button.
class MessageBox {
  public:
    MessageBox(QMessageBox::Icon icon, const QString& text, const QString& details, QWidget* window)
        : m_box(icon, kTitle, QString(), QMessageBox::NoButton, window), m_window(window) {
        setTexts(text, details);
    }

    QMessageBox& box() { return m_box; }

    void setTexts(const QString& text, const QString& details) {
        m_box.setTextFormat(Qt::PlainText);
        m_box.setText(text);
        m_box.setInformativeText(details);
        // The message box has no format setting for its informative text and
        // would guess: its label is told directly.
        for (QLabel* label : m_box.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    }

    QAbstractButton* addAccept() {
        QPushButton* accept = m_box.addButton(ToQString(Text("message button", "Aceptar")),
                                                   QMessageBox::AcceptRole);
        m_box.setDefaultButton(accept);
        m_box.setEscapeButton(accept);
        return accept;
    }

    // Shows the message until the user closes it, then hands the activation and
    // the focus back to the control that had them.
    QAbstractButton* exec() {
        const QPointer<QWidget> focus = m_window ? m_window->focusWidget() : nullptr;
        m_box.exec();
        if (m_window) {
            m_window->activateWindow();
            if (focus) focus->setFocus(Qt::OtherFocusReason);
        }
        return m_box.clickedButton();
    }

  private:
    QMessageBox m_box;
    QPointer<QWidget> m_window;
};

void showOpenFailure(QWidget* window, const QString& what, const QString& path) {
    MessageBox message(QMessageBox::Warning, what, path, window);
    message.addAccept();
    message.exec();
}

}  // namespace

bool OpenWithDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString BreakPathAtSeparators(const QString& path,
                              const std::function<double(const QString&)>& width, double maxWidth) {
    // Pieces end right after a separator, so a line never breaks inside a name.
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path[i] == QLatin1Char('/') || path[i] == QLatin1Char('\\')) {
            pieces << path.mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    if (start < path.size()) pieces << path.mid(start);

    QStringList lines;
    QString line;
    for (const QString& piece : pieces) {
        if (!line.isEmpty() && width(line + piece) > maxWidth) {
            lines << line;
            line.clear();
        }
        line += piece;
    }
    if (!line.isEmpty() || lines.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

void ShowPrintFailure(QWidget* window, const QString& reason) {
    MessageBox message(QMessageBox::Warning, ToQString(Text("print failure", "No se ha podido imprimir el informe.")),
                    reason, window);
    message.addAccept();
    message.exec();
}

void ShowSavedReport(QWidget* window, const QString& why, const QString& path,
                     const UrlOpener& open) {
    MessageBox message(QMessageBox::Information, QString(), QString(), window);
    const QFontMetricsF metrics(message.box().font());
    const auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    // Translators: {why} is a whole sentence saying why the report was not printed.
    message.setTexts(ToQString(Text("saved report message", "{why} El informe se ha guardado en:",
                                    {{"why", Utf8(why)}})),
                     BreakPathAtSeparators(path, width, kPathLineWidth));

    QPushButton* openReport =
        message.box().addButton(ToQString(Text("message button", "Abrir el informe")),
                                  QMessageBox::ActionRole);
    QPushButton* openFolder =
        message.box().addButton(ToQString(Text("message button", "Abrir la carpeta")),
                                  QMessageBox::ActionRole);
    message.addAccept();
    QAbstractButton* clicked = message.exec();

    const QFileInfo file(QDir::fromNativeSeparators(path));
    if (clicked == openReport) {
        if (!open(QUrl::fromLocalFile(file.absoluteFilePath())))
            showOpenFailure(window, ToQString(Text("open failure", "No se ha podido abrir el informe.")), path);
    } else if (clicked == openFolder) {
        if (!open(QUrl::fromLocalFile(file.absolutePath())))
            showOpenFailure(window, ToQString(Text("open failure", "No se ha podido abrir la carpeta.")),
                            QDir::toNativeSeparators(file.absolutePath()));
    }
}

}  // namespace vesquin
