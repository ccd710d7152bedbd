// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's boxes are fixed; a translation must fit them, never the other way round.
// Every label, button and frame caption is measured in the window's own fonts, in every
// language, and each that does not fit is named with its language and its excess.
#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "catalogue.h"
#include "fonts.h"
#include "main_window.h"
#include "window_text_fit.h"

using vesquin::Language;
using vesquin::MainWindow;
using namespace vesquin::test;

class WindowTextFitTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }

    void everyTextFitsItsBoxInEveryLanguage() {
        QStringList overflows;
        for (const Language language : vesquin::kLanguages) {
            vesquin::ScopedLanguage chosen(language);
            MainWindow window(vesquin::kSpanishSymbols);
            const QString code = QString::fromUtf8(vesquin::LanguageCode(language));
            int measured = 0;
            for (const QLabel* label : window.findChildren<QLabel*>()) {
                overflows << Describe(code, *label, LabelOverflow(*label));
                ++measured;
            }
            for (const QPushButton* button : window.findChildren<QPushButton*>()) {
                overflows << Describe(code, *button, ButtonOverflow(*button));
                ++measured;
            }
            for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
                overflows << Describe(code, *frame, FrameOverflow(*frame));
                ++measured;
            }
            // 15 labels, 4 buttons, 2 frames: a control left out would go unmeasured.
            QCOMPARE(measured, 21);
        }
        overflows.removeAll(QString());
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
    }

    // The measure itself, on texts made to overflow by a known amount.
    void overflowIsMeasuredInPixels() {
        MainWindow window(vesquin::kSpanishSymbols);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdSimular"));
        auto* line = window.findChild<QLabel*>(QStringLiteral("Label3"));
        auto* frame = window.findChild<QGroupBox*>(QStringLiteral("Frame2"));
        QVERIFY(button && line && frame);
        QCOMPARE(ButtonOverflow(*button), Overflow{});
        QCOMPARE(LabelOverflow(*line), Overflow{});
        QCOMPARE(FrameOverflow(*frame), Overflow{});

        const QString word = QStringLiteral("Desconcertantíssimament");
        button->setText(u'&' + word);
        const int room = button->width() - ButtonMargins(*button);
        QCOMPARE(ButtonOverflow(*button).width,
                 button->fontMetrics().horizontalAdvance(word) - room);
        QVERIFY(ButtonOverflow(*button).width > 0);

        // One line too many: the label is one line high.
        line->setText(
            QStringLiteral("Es trenca un sol plat i res més, ni un de més ni un de menys"));
        const Overflow twoLines = LabelOverflow(*line);
        QCOMPARE(twoLines.width, 0);
        QVERIFY(twoLines.height >= line->fontMetrics().height() - line->contentsRect().height());
        QVERIFY(twoLines.height > 0);

        frame->setTitle(QString(200, u'M'));
        QVERIFY(FrameOverflow(*frame).width > 0);
        QVERIFY(!Describe(QStringLiteral("ca"), *frame, FrameOverflow(*frame)).isEmpty());
        QVERIFY(Describe(QStringLiteral("ca"), *line, Overflow{}).isEmpty());
    }
};

QTEST_MAIN(WindowTextFitTest)
#include "window_text_fit_test.moc"
