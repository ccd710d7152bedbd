// The whole program but printing, used from the keyboard alone.
#include <QtTest>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

#include <map>
#include <memory>
#include <numeric>

#include "fonts.h"
#include "main_window.h"
#include "number_text.h"
#include "window_probe.h"

using vesquin::MainWindow;
using namespace vesquin::test;

namespace {

const QStringList kTabOrder{"cmdSimular",  "txtNs",   "txtS1",   "txtS2",  "txtS3",     "txtS6",
                            "txtS1p",      "txtS2p",  "txtS3p",  "txtMed", "cmdBorrar", "cmdSalir",
                            "cmdImprimir", "txtTeo1", "txtTeo2", "txtTeo3"};

const QStringList kButtons{"cmdSimular", "cmdImprimir", "cmdBorrar", "cmdSalir"};

double SpanishNumber(const QString& text) {
    return vesquin::LocaleNumber(text.toStdString(), vesquin::kSpanishSymbols).value_or(-1);
}

// Grouping every three digits from the right, and nothing else.
const QRegularExpression kGroupedCount(QStringLiteral("^\\d{1,3}(\\.\\d{3})*$"));
const QRegularExpression kPercentage(QStringLiteral("^\\d{1,3},\\d\\d$"));

// Watches which buttons a key presses. Printing is left out: what it does is the
// printed report's business, and these tests are about the keys.
struct ButtonSpies {
    explicit ButtonSpies(MainWindow& window) {
        for (const QString& name : kButtons)
            spies.emplace(name, std::make_unique<QSignalSpy>(window.findChild<QPushButton*>(name),
                                                             &QPushButton::clicked));
        QObject::disconnect(window.findChild<QPushButton*>(QStringLiteral("cmdImprimir")),
                            &QPushButton::clicked, &window, nullptr);
    }
    // The buttons pressed so far, each once per press.
    QStringList pressed() const {
        QStringList names;
        for (const auto& [name, spy] : spies)
            for (int i = 0; i < spy->count(); ++i) names << name;
        return names;
    }
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MainWindow> m_window;

    QLineEdit* box(const QString& name) const { return m_window->findChild<QLineEdit*>(name); }

    void open() {
        m_window = std::make_unique<MainWindow>(vesquin::kSpanishSymbols);
        m_window->show();
        // Without a window manager (Xvfb) nothing else activates the window.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Tab to the count, type it, press Enter: the keyboard user's run.
    void runFromTheKeyboard(const QString& count) {
        box(QStringLiteral("txtNs"))->setFocus();
        box(QStringLiteral("txtNs"))->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), count);
        Press(Qt::Key_Return);
    }

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }
    void cleanup() { m_window.reset(); }

    void tabWalksTheControlsInOrder() {
        open();
        QStringList visited{FocusName()};
        for (int i = 1; i <= kTabOrder.size(); ++i) {
            Press(Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited, kTabOrder + QStringList{"cmdSimular"});
        Press(Qt::Key_Backtab);
        QCOMPARE(FocusName(), QStringLiteral("txtTeo3"));
    }

    void accessKeysPressTheirButtons_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Alt+S") << Qt::Key_S << "cmdSimular";
        QTest::newRow("Alt+I") << Qt::Key_I << "cmdImprimir";
        QTest::newRow("Alt+B") << Qt::Key_B << "cmdBorrar";
        QTest::newRow("Alt+T") << Qt::Key_T << "cmdSalir";
    }

    void accessKeysPressTheirButtons() {
        QFETCH(Qt::Key, key);
        QFETCH(QString, button);
        open();
        box(QStringLiteral("txtNs"))->setText(QStringLiteral("10"));
        box(QStringLiteral("txtNs"))->setFocus();
        ButtonSpies spies(*m_window);
        Press(key, Qt::AltModifier);
        QTRY_COMPARE(spies.pressed(), QStringList{button});
    }

    // Enter belongs to the focused button if it is not cmdSimular; anywhere else it simulates.
    void enterPressesTheRightButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("in the count") << "txtNs" << Qt::Key_Return << "cmdSimular";
        QTest::newRow("keypad Enter in the count") << "txtNs" << Qt::Key_Enter << "cmdSimular";
        QTest::newRow("in a result box") << "txtS2p" << Qt::Key_Return << "cmdSimular";
        QTest::newRow("in a theoretical box") << "txtTeo3" << Qt::Key_Return << "cmdSimular";
        QTest::newRow("on Simular") << "cmdSimular" << Qt::Key_Return << "cmdSimular";
        QTest::newRow("on Borrar") << "cmdBorrar" << Qt::Key_Return << "cmdBorrar";
        QTest::newRow("on Imprimir") << "cmdImprimir" << Qt::Key_Return << "cmdImprimir";
        QTest::newRow("on Terminar") << "cmdSalir" << Qt::Key_Return << "cmdSalir";
        QTest::newRow("Enter after Borrar had the focus")
            << "cmdBorrar>txtNs" << Qt::Key_Return << "cmdSimular";
    }

    void enterPressesTheRightButton() {
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(QString, button);
        open();
        box(QStringLiteral("txtNs"))->setText(QStringLiteral("10"));
        for (const QString& name : focus.split(u'>'))
            m_window->findChild<QWidget*>(name)->setFocus();
        QCOMPARE(FocusName(), focus.section(u'>', -1));
        ButtonSpies spies(*m_window);
        Press(key);
        QTRY_COMPARE(spies.pressed(), QStringList{button});
    }

    void escapeEndsFromEveryControl_data() {
        QTest::addColumn<QString>("focus");
        for (const QString& name : kTabOrder) QTest::newRow(qPrintable(name)) << name;
    }

    void escapeEndsFromEveryControl() {
        QFETCH(QString, focus);
        open();
        m_window->findChild<QWidget*>(focus)->setFocus();
        ButtonSpies spies(*m_window);
        Press(Qt::Key_Escape);
        QCOMPARE(spies.pressed(), QStringList{"cmdSalir"});
        QVERIFY(!m_window->isVisible());
    }

    // The program's exit status when the window goes, by each of the ways to end it.
    void endingQuitsWithStatusZero_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Terminar") << "Terminar";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("title bar") << "close";
    }

    void endingQuitsWithStatusZero() {
        QFETCH(QString, how);
        open();
        QTimer::singleShot(0, m_window.get(), [this, how] {
            if (how == QLatin1String("Terminar"))
                QTest::mouseClick(m_window->findChild<QPushButton*>("cmdSalir"), Qt::LeftButton);
            else if (how == QLatin1String("Escape"))
                Press(Qt::Key_Escape);
            else
                m_window->close();
        });
        // Should the window stay, the loop ends with 1 instead of waiting for ever.
        QTimer failSafe;
        failSafe.setSingleShot(true);
        connect(&failSafe, &QTimer::timeout, [] { QApplication::exit(1); });
        failSafe.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_window->isVisible());
    }

    void simulateFillsTheResults() {
        open();
        Press(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("txtNs"));
        runFromTheKeyboard(QStringLiteral("1.000"));

        double counted = 0;
        for (const char* name : {"txtS1", "txtS2", "txtS3"}) {
            const QString text = m_window->boxText(QString::fromLatin1(name));
            QVERIFY2(kGroupedCount.match(text).hasMatch(), qPrintable(name + (": " + text)));
            counted += SpanishNumber(text);
        }
        QCOMPARE(counted, 1000.0);
        double percent = 0;
        for (const char* name : {"txtS1p", "txtS2p", "txtS3p"}) {
            const QString text = m_window->boxText(QString::fromLatin1(name));
            QVERIFY2(kPercentage.match(text).hasMatch(), qPrintable(name + (": " + text)));
            percent += SpanishNumber(text);
        }
        QVERIFY2(qAbs(percent - 100) < 0.0151, qPrintable(QString::number(percent)));
        QVERIFY(QStringList({"3", "4", "5"}).contains(m_window->boxText(u"txtMed")));
        QVERIFY(QStringList({"2", "3"}).contains(m_window->boxText(u"txtS6")));
        QCOMPARE(m_window->boxText(u"txtTeo1"), QStringLiteral("2,78"));
        QCOMPARE(m_window->boxText(u"txtTeo2"), QStringLiteral("41,67"));
        QCOMPARE(m_window->boxText(u"txtTeo3"), QStringLiteral("55,56"));
    }

    // The advertised maximum, typed with its grouping symbols, is a run and not an error.
    void simulateTheAdvertisedMaximum() {
        open();
        MessageBoxAnswerer answerer;
        runFromTheKeyboard(QStringLiteral("1.000.000"));
        QCOMPARE(answerer.seen, 0);
        double counted = 0;
        int grouped = 0;
        for (const char* name : {"txtS1", "txtS2", "txtS3"}) {
            const QString text = m_window->boxText(QString::fromLatin1(name));
            QVERIFY2(kGroupedCount.match(text).hasMatch(), qPrintable(text));
            grouped += text.contains(u'.');
            counted += SpanishNumber(text);
        }
        QCOMPARE(counted, 1000000.0);
        QVERIFY(grouped >= 2);  // the two and three plate rows run to six digits
        // Five standard deviations from 3.4722 and from a 55.6 : 41.7 split are far from a change.
        QCOMPARE(m_window->boxText(u"txtMed"), QStringLiteral("3"));
        QCOMPARE(m_window->boxText(u"txtS6"), QStringLiteral("3"));
    }

    void badCountsChangeNoBoxAndSayWhy_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("un número entero entre 1 y 1.000.000.");
        const QString ask = QStringLiteral("Indica cuántas veces haremos la simulación: ") + range;
        QTest::newRow("empty") << QString() << ask;
        QTest::newRow("blanks") << QStringLiteral("   ") << ask;
        QTest::newRow("letters") << QStringLiteral("abc")
                                 << "«\u2068abc\u2069» no es un número. " + ask;
        QTest::newRow("trailing word")
            << QStringLiteral("10 platos") << "«\u206810 platos\u2069» no es un número. " + ask;
        QTest::newRow("two decimal symbols")
            << QStringLiteral("1,2,3") << "«\u20681,2,3\u2069» no es un número. " + ask;
        QTest::newRow("long text")
            << QString(50, u'x')
            << "«\u2068" + QString(40, u'x') + "…\u2069» no es un número. " + ask;
        const QString atLeastOne = QStringLiteral(
            "Hay que hacer la simulación al menos una vez. Indica un número entre 1 y 1.000.000.");
        QTest::newRow("zero") << QStringLiteral("0") << atLeastOne;
        QTest::newRow("negative") << QStringLiteral("-5") << atLeastOne;
        QTest::newRow("rounds to zero") << QStringLiteral("0,4") << atLeastOne;
        const QString atMost = QStringLiteral(
            "Como máximo se puede hacer la simulación 1.000.000 veces. Indica un número entre 1 "
            "y 1.000.000.");
        QTest::newRow("one more than the maximum") << QStringLiteral("1.000.001") << atMost;
        QTest::newRow("past the counters' range") << QStringLiteral("99999999999") << atMost;
    }

    void badCountsChangeNoBoxAndSayWhy() {
        QFETCH(QString, count);
        QFETCH(QString, message);
        open();
        runFromTheKeyboard(QStringLiteral("20"));
        const QStringList before = ResultTexts(*m_window);
        QVERIFY(!before.contains(QStringLiteral(" ")));

        QLineEdit* countBox = box(QStringLiteral("txtNs"));
        countBox->setText(count);
        m_window->findChild<QWidget*>(QStringLiteral("cmdSimular"))->setFocus();
        MessageBoxAnswerer answerer;
        Press(Qt::Key_Return);

        QCOMPARE(answerer.seen, 1);
        QCOMPARE(answerer.title, QStringLiteral("Vesquin"));
        QCOMPARE(answerer.icon, QMessageBox::Warning);
        QCOMPARE(answerer.text, message);
        QCOMPARE(answerer.buttons, QStringList{"Aceptar"});
        QCOMPARE(ResultTexts(*m_window), before);
        QCOMPARE(m_window->boxText(u"txtNs"), count);
        // The window takes the focus back once the message has gone.
        QTRY_COMPARE(FocusName(), QStringLiteral("txtNs"));
        QCOMPARE(countBox->selectedText(), count);
    }

    void clearEmptiesEveryBoxAndFocusesTheCount() {
        open();
        runFromTheKeyboard(QStringLiteral("50"));
        QVERIFY(!m_window->boxText(u"txtTeo1").isEmpty());
        m_window->findChild<QWidget*>(QStringLiteral("cmdBorrar"))->setFocus();
        Press(Qt::Key_Return);
        QCOMPARE(m_window->boxText(u"txtNs"), QString());
        QCOMPARE(ResultTexts(*m_window), QStringList(kResultBoxNames.size(), QString()));
        QCOMPARE(FocusName(), QStringLiteral("txtNs"));
        // The next keys typed go straight into the count.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("30"));
        QCOMPARE(m_window->boxText(u"txtNs"), QStringLiteral("30"));
    }

    void eachRunDrawsAfresh() {
        open();
        runFromTheKeyboard(QStringLiteral("1000"));
        const QStringList first = ResultTexts(*m_window);
        bool differs = false;
        for (int attempt = 0; attempt < 5 && !differs; ++attempt) {
            Press(Qt::Key_Return);
            const QStringList again = ResultTexts(*m_window);
            QCOMPARE(again.mid(8), first.mid(8));  // the theoretical texts never change
            differs = again.mid(1, 3) != first.mid(1, 3);
        }
        QVERIFY2(differs, "five runs of 1000 trials all gave the first run's counts");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
