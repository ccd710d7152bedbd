// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count_box.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QObject>
#include <QPointer>
#include <QSignalBlocker>

#include "single_line.h"

namespace vesquin {
namespace {

// Qt inserts pasted and dropped text as it comes, line breaks and all; a line edit
// then shows them as blanks and hands them on in text(). This filter catches the
// text on its way in. Text without line breaks is left to Qt.
class CountBoxInput : public QObject {
  public:
    explicit CountBoxInput(QLineEdit& count) : QObject(&count), m_count(count) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_count || m_count.isReadOnly()) return false;
        switch (event->type()) {
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
                    return insertOnOneLine(clipboardText(QClipboard::Clipboard));
                return false;
            case QEvent::MouseButtonRelease:
                return middleButtonPaste(*static_cast<QMouseEvent*>(event));
            case QEvent::Drop:
                return drop(*static_cast<QDropEvent*>(event));
            case QEvent::ContextMenu:
                showContextMenu(*static_cast<QContextMenuEvent*>(event));
                return true;
            default:
                return false;
        }
    }

  private:
    static QString clipboardText(QClipboard::Mode mode) {
        return QGuiApplication::clipboard()->text(mode);
    }

    // Inserts `text` less its line breaks in place of the selection; false (the event
    // goes on to Qt) when it has none.
    bool insertOnOneLine(const QString& text) {
        const std::string utf8 = text.toStdString();
        if (!HasLineBreak(utf8)) return false;
        // One undo step of its own, as Qt's own paste is: neither the typing before it
        // nor the typing after it is undone with it.
        if (!m_count.hasSelectedText()) separateUndoSteps();
        m_count.insert(QString::fromStdString(WithoutLineBreaks(utf8)));
        separateUndoSteps();
        return true;
    }

    // Qt's line edit begins a new undo step whenever its cursor moves.
    void separateUndoSteps() {
        const int at = m_count.cursorPosition();
        const int aside = at > 0 ? at - 1 : at + 1;
        if (aside > m_count.text().size()) return;
        const QSignalBlocker quiet(m_count);
        m_count.setCursorPosition(aside);
        m_count.setCursorPosition(at);
    }

    // Where the window system keeps a selection, the middle button pastes it.
    bool middleButtonPaste(const QMouseEvent& event) {
        if (event.button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection() ||
            !m_count.rect().contains(event.position().toPoint()))
            return false;
        const QString text = clipboardText(QClipboard::Selection);
        if (!HasLineBreak(text.toStdString())) return false;
        m_count.deselect();
        return insertOnOneLine(text);
    }

    bool drop(QDropEvent& event) {
        const QMimeData* data = event.mimeData();
        if (!data || !data->hasText() || !HasLineBreak(data->text().toStdString())) return false;
        m_count.deselect();
        m_count.setCursorPosition(m_count.cursorPositionAt(event.position().toPoint()));
        insertOnOneLine(data->text());
        event.setDropAction(Qt::CopyAction);
        event.accept();
        m_count.setFocus(Qt::MouseFocusReason);
        return true;
    }

    // The menu's Paste: named "edit-paste" in newer Qt; known by its (translated) text before.
    static QAction* pasteAction(const QMenu& menu) {
        const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* action : menu.actions()) {
            if (action->objectName() == QLatin1String("edit-paste") ||
                action->text().section(u'\t', 0, 0) == paste)
                return action;
        }
        return nullptr;
    }

    // Qt's own menu, with its Paste going through insertOnOneLine.
    void showContextMenu(const QContextMenuEvent& event) {
        QPointer<QMenu> menu = m_count.createStandardContextMenu();
        if (QAction* paste = pasteAction(*menu)) {
            disconnect(paste, &QAction::triggered, &m_count, nullptr);
            connect(paste, &QAction::triggered, &m_count, [this] {
                if (!insertOnOneLine(clipboardText(QClipboard::Clipboard))) m_count.paste();
            });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event.globalPos());
    }

    QLineEdit& m_count;
};

}  // namespace

void PrepareCountBox(QLineEdit& count) {
    count.setMaxLength(kCountBoxMaximumLength);
    count.installEventFilter(new CountBoxInput(count));
}

}  // namespace vesquin
