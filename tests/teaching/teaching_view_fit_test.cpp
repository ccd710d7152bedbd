// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching view on the screen it is given (a real X server of that size, at
// the scale the test runs with): it opens within the screen's free area, every
// label of the theory shows whole, and the history's Nº, Ensayos and Semilla
// stand first and show their values whole.
#include <QtTest>

#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>

#include "fonts.h"
#include "history_text.h"
#include "main_window.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "teaching_view.h"
#include "theory_panel.h"

namespace {

void Run(vesquin::MainWindow& window, const QString& count) {
    window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(count);
    window.findChild<QPushButton*>(QStringLiteral("cmdSimular"))->click();
}

QString Describe(const QRect& rect) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

}  // namespace

class TeachingViewFitTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }

    void opensWithinTheScreenWithNothingCut() {
        vesquin::MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        // Runs whose numbers, counts and seeds are as wide as they come in a lesson.
        for (const char* count : {"1.000.000", "7", "123.456"})
            Run(window, QString::fromLatin1(count));
        window.showTeachingView();
        vesquin::TeachingView* view = window.teachingView();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QTest::qWait(50);  // the layout settles after the first show

        const QRect available = view->screen()->availableGeometry();
        qInfo("screen %s available, scale %g, view at %s", qPrintable(Describe(available)),
              view->devicePixelRatioF(), qPrintable(Describe(view->frameGeometry())));
        QVERIFY2(available.contains(view->frameGeometry()),
                 qPrintable(Describe(view->frameGeometry()) + " / " + Describe(available)));

        // What does not fit scrolls: the content keeps at least its minimum size.
        auto* content = view->findChild<QWidget*>(QStringLiteral("teachingContent"));
        QVERIFY(content);
        QVERIFY(content->width() >= content->minimumSizeHint().width());
        QVERIFY(content->height() >= content->minimumSizeHint().height());

        // Every theory text shows whole, every line of it.
        auto* theory = view->findChild<vesquin::TheoryPanel*>();
        int labels = 0;
        for (QLabel* label : theory->findChildren<QLabel*>()) {
            if (label->wordWrap() || label->text().isEmpty()) continue;
            ++labels;
            for (const QString& line : label->text().split(u'\n'))
                QVERIFY2(
                    label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width(),
                    qPrintable(line));
        }
        QVERIFY(labels >= 30);

        // The bars' names are drawn whole, never cut short with an ellipsis.
        auto* bars = view->findChild<vesquin::OutcomeBars*>();
        QVERIFY(bars);
        QStringList drawn;
        for (const QGraphicsItem* item : bars->scene()->items())
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
                if (text->isVisible()) drawn << text->toPlainText();
        for (const QString& name : bars->categories())
            QVERIFY2(drawn.contains(name), qPrintable(name));
        for (const QString& text : std::as_const(drawn))
            QVERIFY2(!text.contains(u'\u2026'), qPrintable(text));

        // Nº, Ensayos and Semilla first, each wide enough for every value it shows.
        auto* table = view->findChild<QTableView*>(QStringLiteral("historyTable"));
        QHeaderView* header = table->horizontalHeader();
        const auto* history = qobject_cast<const vesquin::RunHistoryModel*>(table->model());
        QVERIFY(history);
        const QList<int> keys{vesquin::RunHistoryModel::kNumberColumn,
                              vesquin::RunHistoryModel::kTrialsColumn, history->seedColumn()};
        int right = 0;
        for (int visual = 0; visual < keys.size(); ++visual) {
            const int logical = keys[visual];
            QCOMPARE(header->visualIndex(logical), visual);
            right = header->sectionViewportPosition(logical) + header->sectionSize(logical);
            for (int row = 0; row < table->model()->rowCount(); ++row) {
                const QModelIndex index = table->model()->index(row, logical);
                QFont font = table->font();
                if (index.data(Qt::FontRole).isValid())
                    font = index.data(Qt::FontRole).value<QFont>();
                const int needed = QFontMetrics(font).horizontalAdvance(index.data().toString());
                QVERIFY2(needed + 6 <= header->sectionSize(logical),
                         qPrintable(index.data().toString()));
            }
        }
        QVERIFY2(right <= table->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(right).arg(table->viewport()->width())));
        window.close();
    }
};

QTEST_MAIN(TeachingViewFitTest)
#include "teaching_view_fit_test.moc"
