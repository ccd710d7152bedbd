// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the count box keeps of a paste or a drop: all of it, on one line.
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTranslator>

#include <memory>

#include "count_box.h"
#include "fonts.h"
#include "main_window.h"
#include "number_text.h"
#include "translations.h"
#include "window_probe.h"

using vesquin::MainWindow;
using namespace vesquin::test;

namespace {

enum class Way { CtrlV, ShiftInsert, ContextMenu, Drop };

}  // namespace

Q_DECLARE_METATYPE(Way)

class CountBoxTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MainWindow> m_window;
    QLineEdit* m_count = nullptr;

    void open() {
        m_window = std::make_unique<MainWindow>(vesquin::kSpanishSymbols);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_count = m_window->findChild<QLineEdit*>(QStringLiteral("txtNs"));
        m_count->setFocus();
    }

    // Pastes `text` into the count the way a user would.
    void paste(const QString& text, Way way) {
        switch (way) {
            case Way::CtrlV:
                QApplication::clipboard()->setText(text);
                QTest::keyClick(m_count, Qt::Key_V, Qt::ControlModifier);
                break;
            case Way::ShiftInsert:
                QApplication::clipboard()->setText(text);
                QTest::keyClick(m_count, Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Way::ContextMenu: {
                QApplication::clipboard()->setText(text);
                const QPoint inside = m_count->rect().center();
                QContextMenuEvent request(QContextMenuEvent::Mouse, inside,
                                          m_count->mapToGlobal(inside));
                QApplication::sendEvent(m_count, &request);
                QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
                QAction* action = nullptr;
                for (QAction* candidate : menu->actions())
                    if (candidate->text().startsWith(pasteText)) action = candidate;
                QVERIFY2(action, "the context menu has no Paste");
                action->trigger();
                menu->close();
                break;
            }
            case Way::Drop: {
                // The cursor goes where the text is dropped: at the end, right of the text.
                QMimeData data;
                data.setText(text);
                const QPoint end(m_count->width() - 2, m_count->height() / 2);
                QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(m_count, &enter);
                QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(m_count, &move);
                QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(m_count, &drop);
                QVERIFY(drop.isAccepted());
                break;
            }
        }
    }

    // The trials the result boxes account for.
    double countedTrials() const {
        double counted = 0;
        for (const char* box : {"txtS1", "txtS2", "txtS3"})
            counted +=
                vesquin::LocaleNumber(m_window->boxText(QString::fromLatin1(box)).toStdString(),
                                      vesquin::kSpanishSymbols)
                    .value_or(-1);
        return counted;
    }

    static void addWays() { QTest::addColumn<Way>("way"); }

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }
    void cleanup() { m_window.reset(); }

    void lineBreaksInAPasteBecomeNothing_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        const struct {
            const char* name;
            QString pasted;
            QString kept;
        } texts[] = {
            {"line feed", QStringLiteral("1.0\n00"), QStringLiteral("1.000")},
            {"Windows line end", QStringLiteral("1.0\r\n00"), QStringLiteral("1.000")},
            {"carriage return", QStringLiteral("1.0\r00"), QStringLiteral("1.000")},
            {"line end after the number", QStringLiteral("250\r\n"), QStringLiteral("250")},
            {"line separator", QStringLiteral("1\u2028000"), QStringLiteral("1000")},
            {"paragraph separator", QStringLiteral("1\u2029000"), QStringLiteral("1000")},
            {"no line break", QStringLiteral("1.000"), QStringLiteral("1.000")},
        };
        const struct {
            const char* name;
            Way way;
        } ways[] = {{"Ctrl+V", Way::CtrlV},
                    {"Shift+Insert", Way::ShiftInsert},
                    {"menu", Way::ContextMenu},
                    {"drop", Way::Drop}};
        for (const auto& way : ways)
            for (const auto& text : texts)
                QTest::addRow("%s, %s", way.name, text.name) << way.way << text.pasted << text.kept;
    }

    void lineBreaksInAPasteBecomeNothing() {
        QFETCH(Way, way);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        open();
        paste(pasted, way);
        QCOMPARE(m_count->text(), kept);
    }

    // The paste goes in place of the selection, the cursor stands after it, and one undo
    // takes it back whole.
    void aPasteReplacesTheSelectionAsOneUndoableStep_data() {
        addWays();
        QTest::newRow("Ctrl+V") << Way::CtrlV;
        QTest::newRow("menu") << Way::ContextMenu;
    }

    void aPasteReplacesTheSelectionAsOneUndoableStep() {
        QFETCH(Way, way);
        open();
        QTest::keyClicks(m_count, QStringLiteral("12345"));
        m_count->setSelection(1, 3);
        paste(QStringLiteral("\u2028.0\r\n0"), way);
        QCOMPARE(m_count->text(), QStringLiteral("1.005"));
        QCOMPARE(m_count->cursorPosition(), 4);
        QTest::keyClicks(m_count, QStringLiteral("6"));
        QCOMPARE(m_count->text(), QStringLiteral("1.0065"));
        m_count->undo();
        QCOMPARE(m_count->text(), QStringLiteral("1.005"));
        m_count->undo();
        QCOMPARE(m_count->text(), QStringLiteral("12345"));
        m_count->redo();
        QCOMPARE(m_count->text(), QStringLiteral("1.005"));
    }

    // With nothing selected the paste goes in at the cursor, and is undone apart from
    // the typing before it.
    void aPasteAfterTypingIsUndoneAlone_data() {
        aPasteReplacesTheSelectionAsOneUndoableStep_data();
    }

    void aPasteAfterTypingIsUndoneAlone() {
        QFETCH(Way, way);
        open();
        QTest::keyClicks(m_count, QStringLiteral("12"));
        paste(QStringLiteral("3\r\n4"), way);
        QCOMPARE(m_count->text(), QStringLiteral("1234"));
        m_count->undo();
        QCOMPARE(m_count->text(), QStringLiteral("12"));
        m_count->undo();
        QCOMPARE(m_count->text(), QString());
    }

    // Where the window system keeps a selection (X11), the middle button pastes it.
    void theMiddleButtonPastesTheSelectionOnOneLine() {
        if (!QApplication::clipboard()->supportsSelection())
            QSKIP("this window system keeps no selection");
        open();
        QTest::keyClicks(m_count, QStringLiteral("9"));
        QApplication::clipboard()->setText(QStringLiteral("1.0\r\n00"), QClipboard::Selection);
        QTest::mouseClick(m_count, Qt::MiddleButton, Qt::NoModifier,
                          QPoint(m_count->width() - 2, m_count->height() / 2));
        QCOMPARE(m_count->text(), QStringLiteral("91.000"));
    }

    // A count pasted with a line break runs as the number it shows.
    void aCountPastedWithALineBreakRuns() {
        open();
        MessageBoxAnswerer answerer;
        paste(QStringLiteral("1.0\n00"), Way::CtrlV);
        QTest::keyClick(m_count, Qt::Key_Return);
        QCOMPARE(answerer.seen, 0);
        QCOMPARE(countedTrials(), 1000.0);
    }

    // Past Qt's default limit of 32767 characters, the box used to keep only the start;
    // these pastes mean something else when cut there.
    void aLongPasteIsKeptWhole() {
        open();
        const QString sevenAfterZeros = QString(99'999, u'0') + u'7';
        paste(sevenAfterZeros, Way::CtrlV);
        QCOMPARE(m_count->text().size(), 100'000);
        QCOMPARE(m_count->text(), sevenAfterZeros);
        MessageBoxAnswerer answerer;
        QTest::keyClick(m_count, Qt::Key_Return);
        QCOMPARE(answerer.seen, 0);  // cut, it would have been 0: fewer than one trial
        QCOMPARE(countedTrials(), 7.0);
    }

    void aLongPasteThatIsNotANumberIsQuoted() {
        open();
        const QString ninesThenALetter = QString(99'999, u'9') + u'x';
        paste(ninesThenALetter, Way::CtrlV);
        QCOMPARE(m_count->text(), ninesThenALetter);
        MessageBoxAnswerer answerer;
        QTest::keyClick(m_count, Qt::Key_Return);
        QCOMPARE(answerer.seen, 1);
        // Cut, it would have been too large a number instead.
        QCOMPARE(answerer.text, "«\u2068" + QString(40, u'9') +
                                    "…\u2069» no es un número. Indica cuántas veces haremos la "
                                    "simulación: un número entero entre 1 y 1.000.000.");
    }

    // The program loads Qt's Spanish texts: the menu's Paste then reads "Pegar".
    void theSpanishMenuPastesOnOneLine() {
        if (!vesquin::InstallQtTranslations(*qApp)) QSKIP("Qt's Spanish texts are not installed");
        open();
        paste(QStringLiteral("1.0\n00"), Way::ContextMenu);
        QCOMPARE(m_count->text(), QStringLiteral("1.000"));
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void theLimitIsFarPastAnyPaste() {
        open();
        QCOMPARE(m_count->maxLength(), vesquin::kCountBoxMaximumLength);
        QVERIFY(m_count->maxLength() >= 100'000);
    }
};

QTEST_MAIN(CountBoxTest)
#include "count_box_test.moc"
