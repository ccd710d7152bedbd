// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window when the teaching view's module cannot be loaded: this program links
// the window but not the view, as the window program does, so F2 goes to the module.
#include <QtTest>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "main_window.h"
#include "number_text.h"
#include "window_probe.h"

using vesquin::MainWindow;
using namespace vesquin::test;

namespace {

QString Quoted(const QString& path) {
    return QStringLiteral("«") + path + QStringLiteral("»");
}

}  // namespace

class TeachingModuleTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void failedModuleIsToldAndTheWindowKeepsWorking_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("expected");

        const QString missing = m_folder.filePath(QStringLiteral("ninguno.so"));
        QTest::newRow("no file") << missing
                                 << QStringLiteral(
                                        "No se puede abrir la vista de gráficos y teoría: "
                                        "falta el archivo ") +
                                        Quoted(missing) +
                                        QStringLiteral(
                                            ". Vuelve a instalar Vesquin para usarla; la "
                                            "ventana principal sigue funcionando.");

        const QString junk = m_folder.filePath(QStringLiteral("roto.so"));
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("esto no es una biblioteca\n");
        file.close();
        const QString unusable = QStringLiteral(
            "No se puede abrir la vista de gráficos y teoría: no se ha podido cargar el "
            "archivo ");
        const QString ending = QStringLiteral(
            ". Vuelve a instalar Vesquin para usarla; la ventana principal sigue funcionando.");
        QTest::newRow("not a library") << junk << unusable + Quoted(junk) + ending;

        // The real module, but in a program that exports no run history for it (as a
        // module from another build would find): its symbols do not resolve.
        const QString real = QStringLiteral(VESQUIN_BUILT_TEACHING_MODULE);
        QTest::newRow("unresolved symbols") << real << unusable + Quoted(real) + ending;
    }

    void failedModuleIsToldAndTheWindowKeepsWorking() {
        QFETCH(QString, module);
        QFETCH(QString, expected);
        qputenv("VESQUIN_TEACHING_MODULE", module.toLocal8Bit());
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();

        // Asked twice: a failed load is tried again, and told again.
        for (int opening = 1; opening <= 2; ++opening) {
            // The window takes the activation back after the box; F2 needs it.
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            MessageBoxAnswerer answerer;
            QTest::keyClick(&window, Qt::Key_F2);
            QCOMPARE(answerer.seen, 1);
            QCOMPARE(answerer.title, QStringLiteral("Vesquin"));
            QCOMPARE(answerer.icon, QMessageBox::Warning);
            QCOMPARE(answerer.buttons, QStringList{QStringLiteral("Aceptar")});
            QCOMPARE(answerer.text, expected);
            QVERIFY(!window.teachingView<QWidget>());
        }

        // A run after the message fills the boxes as ever.
        QLineEdit* count = window.findChild<QLineEdit*>(QStringLiteral("txtNs"));
        QVERIFY(count);
        count->setText(QStringLiteral("1000"));
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(!window.boxText(u"txtMed").isEmpty());
        qunsetenv("VESQUIN_TEACHING_MODULE");
    }

  private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TeachingModuleTest)
#include "teaching_module_test.moc"
