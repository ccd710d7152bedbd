// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a user sees of the window before and after a run: readable texts, none clipped
// or covering another, in the fonts actually used.
#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "fonts.h"
#include "main_window.h"

using vesquin::MainWindow;

namespace {

// Where a label's text is drawn, in window coordinates.
QRect TextArea(const QLabel& label, const QWidget& window) {
    const QRect area = label.fontMetrics().boundingRect(
        label.contentsRect(), int(label.alignment()) | Qt::TextWordWrap, label.text());
    return area.translated(label.mapTo(&window, QPoint(0, 0)));
}

QRect Area(const QWidget& control, const QWidget& window) {
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

// The width a line edit leaves for its text: frame and Qt's fixed inner margin each side.
int TextRoom(const QLineEdit& box) {
    const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
    return box.width() - 2 * (frame + 2);
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }

    void fontsResolveToTheSubstitutes() {
        MainWindow window(vesquin::kSpanishSymbols);
        const auto* statement = window.findChild<QLabel*>(QStringLiteral("Label18"));
        const auto* footer = window.findChild<QLabel*>(QStringLiteral("Label11"));
        QVERIFY(statement && footer);
        QCOMPARE(statement->fontInfo().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(footer->fontInfo().family(), QStringLiteral("Comic Neue"));
    }

    void everyLabelFitsItsBox() {
        MainWindow window(vesquin::kSpanishSymbols);
        const QList<QLabel*> labels = window.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 15);
        for (const QLabel* label : labels) {
            // Wrapping where the text does not fit on one line, as the window does: a word
            // too long for the width, or a line too many for the height, shows here.
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(QPoint(0, 0), label->contentsRect().size()),
                int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(needed.width() <= label->contentsRect().width() &&
                         needed.height() <= label->contentsRect().height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3 pixels, has %4 x %5")
                                    .arg(label->objectName())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(label->contentsRect().width())
                                    .arg(label->contentsRect().height())));
        }
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            const QString caption = QString(button->text()).remove(u'&');
            QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width(),
                     qPrintable(button->objectName()));
        }
    }

    void labelTextsCoverNoOtherControl() {
        MainWindow window(vesquin::kSpanishSymbols);
        const QList<QLabel*> labels = window.findChildren<QLabel*>();
        QList<QWidget*> others;
        for (QWidget* control : window.findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(control) || qobject_cast<QPushButton*>(control) ||
                qobject_cast<QGroupBox*>(control))
                others << control;
        for (const QLabel* label : labels) {
            const QRect text = TextArea(*label, window);
            QVERIFY2(QRect(QPoint(0, 0), window.size()).contains(text),
                     qPrintable(label->objectName()));
            for (const QLabel* other : labels)
                if (other != label)
                    QVERIFY2(!text.intersects(TextArea(*other, window)),
                             qPrintable(label->objectName() + " / " + other->objectName()));
            for (const QWidget* other : others)
                if (!other->isAncestorOf(label))
                    QVERIFY2(!text.intersects(Area(*other, window)),
                             qPrintable(label->objectName() + " / " + other->objectName()));
        }
    }

    // The widest texts a run can write: every trial in one row, one hundred per cent.
    void widestResultsFitTheirBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        for (const char* box : {"txtS1", "txtS2", "txtS3"})
            QTest::newRow(box) << box << QStringLiteral("1.000.000");
        for (const char* box : {"txtS1p", "txtS2p", "txtS3p"})
            QTest::newRow(box) << box << QStringLiteral("100,00");
        QTest::newRow("txtTeo2") << "txtTeo2" << QStringLiteral("41,67");
        QTest::newRow("txtNs") << "txtNs" << QStringLiteral("1.000.000");
    }

    void widestResultsFitTheirBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        MainWindow window(vesquin::kSpanishSymbols);
        const auto* edit = window.findChild<QLineEdit*>(box);
        QVERIFY(edit);
        QVERIFY(edit->fontMetrics().horizontalAdvance(text) <= TextRoom(*edit));
    }

    void noResultShowsBeforeTheFirstRun() {
        MainWindow window(vesquin::kSpanishSymbols);
        for (const char* box : {"txtNs", "txtMed", "txtTeo1", "txtTeo2", "txtTeo3"})
            QVERIFY2(window.boxText(QString::fromLatin1(box)).isEmpty(), box);
        for (const char* box : {"txtS1", "txtS2", "txtS3", "txtS6", "txtS1p", "txtS2p", "txtS3p"})
            QVERIFY2(window.boxText(QString::fromLatin1(box)) == QStringLiteral(" "), box);
        QVERIFY(window.boxText(u"Label14").isEmpty());
        QVERIFY(window.boxText(u"nothing").isEmpty());
    }

    // Typing goes into the count box only; the results are the program's to write.
    void onlyTheCountTakesTyping() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (auto* box : window.findChildren<QLineEdit*>()) {
            box->setFocus();
            const QString before = box->text();
            QTest::keyClicks(box, QStringLiteral("7"));
            const QString expected = box->objectName() == QLatin1String("txtNs") ? "7" : before;
            QVERIFY2(box->text() == expected, qPrintable(box->objectName()));
        }
    }

    void screenReadersCanTellTheBoxesApart() {
        MainWindow window(vesquin::kSpanishSymbols);
        QStringList names;
        for (auto* box : window.findChildren<QLineEdit*>()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
            QVERIFY(accessible);
            names << accessible->text(QAccessible::Name);
            QVERIFY2(!names.last().isEmpty(), qPrintable(box->objectName()));
        }
        QCOMPARE(names.size(), 12);
        names.removeDuplicates();
        QCOMPARE(names.size(), 12);
        const auto* count = window.findChild<QLineEdit*>(QStringLiteral("txtS1"));
        QCOMPARE(count->accessibleName(),
                 QStringLiteral("Se rompe un solo plato, número de veces"));
    }

    void hintFollowsTheUsersSymbols() {
        MainWindow spanish(vesquin::kSpanishSymbols);
        MainWindow english(vesquin::kEnglishSymbols);
        QCOMPARE(spanish.findChild<QLabel*>(QStringLiteral("Label16"))->text(),
                 QStringLiteral("(Máximo 1.000.000)"));
        QCOMPARE(english.findChild<QLabel*>(QStringLiteral("Label16"))->text(),
                 QStringLiteral("(Máximo 1,000,000)"));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
