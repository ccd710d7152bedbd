// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the window's start: a Qt window holding one label, built the same
// way as the program, which like it ends after its first paint when
// VESQUIN_BENCH_QUIT_ON_SHOW is set (bench/startup-time).

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {

class QuitAfterPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Vesquin"));
    if (qEnvironmentVariableIsSet("VESQUIN_BENCH_QUIT_ON_SHOW"))
        label.installEventFilter(new QuitAfterPaint(&label));
    label.show();
    return app.exec();
}
