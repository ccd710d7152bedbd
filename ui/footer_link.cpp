// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "footer_link.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <utility>

#include "window_texts.h"

namespace vesquin {
namespace {

class LinkClicks : public QObject {
  public:
    LinkClicks(QLabel& label, std::function<void()> open)
        : QObject(&label), m_label(label), m_open(std::move(open)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_label) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return m_pressed;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // Like a button: the click counts where the press began and the release ends.
            const bool click = m_pressed && mouse->button() == Qt::LeftButton &&
                               m_label.rect().contains(mouse->position().toPoint());
            m_pressed = false;
            if (click) m_open();
            return click;
        }
        return false;
    }

  private:
    QLabel& m_label;
    std::function<void()> m_open;
    bool m_pressed = false;
};

}  // namespace

void MakeFooterLink(QLabel& label, std::function<void()> open) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label.setPalette(palette);
    QFont font = label.font();
    font.setUnderline(true);
    label.setFont(font);
    label.setCursor(Qt::PointingHandCursor);
    label.setFocusPolicy(Qt::NoFocus);
    label.setAccessibleDescription(QString::fromUtf8(Text(kFooterLinkDescription)));
    label.installEventFilter(new LinkClicks(label, std::move(open)));
}

}  // namespace vesquin
