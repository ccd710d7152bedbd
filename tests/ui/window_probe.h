// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test helpers that drive the window as a keyboard user would.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include "main_window.h"

namespace vesquin::test {

inline const QStringList kResultBoxNames{"txtMed",  "txtS1",   "txtS2",  "txtS3",
                                         "txtS6",   "txtS1p",  "txtS2p", "txtS3p",
                                         "txtTeo1", "txtTeo2", "txtTeo3"};

inline QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Sends a key where the user's key would go: to the control with the focus.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus, "no control has the focus");
    QTest::keyClick(focus, key, modifiers);
}

inline QStringList ResultTexts(const MainWindow& window) {
    QStringList texts;
    for (const QString& box : kResultBoxNames) texts << window.boxText(box);
    return texts;
}

// Answers the next modal message box with Enter, keeping what it said. Polls the
// event loop that the box itself runs, so the test waits on no clock.
class MessageBoxAnswerer : public QObject {
  public:
    MessageBoxAnswerer() {
        connect(&m_poll, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        m_poll.start(5);
    }

    int seen = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        ++seen;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons.clear();
        for (const QAbstractButton* button : box->buttons()) buttons << button->text();
        QTest::keyClick(box, Qt::Key_Return);
    }

    QTimer m_poll;
};

}  // namespace vesquin::test
