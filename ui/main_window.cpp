#include "main_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <string_view>
#include <utility>

#include "commands.h"
#include "print_command.h"
#include "run_messages.h"

namespace vesquin {

MainWindow::MainWindow(LocaleSymbols symbols, QWidget* parent)
    : QWidget(parent),
      m_symbols(std::move(symbols)),
      m_controls(BuildWindowControls(*this)),
      m_printCommand(new PrintCommand(this, m_symbols)) {
    m_controls.maximumHint->setText(MaximumHint(kMaximumTrials, m_symbols));

    // Outside a dialog a default button that is also auto-default loses its default
    // mark once the focus leaves it; Enter reaches cmdSimular through keyPressEvent.
    m_controls.simulateButton->setAutoDefault(false);
    m_controls.simulateButton->setDefault(true);
    for (QPushButton* button :
         {m_controls.printButton, m_controls.clearButton, m_controls.endButton})
        button->setAutoDefault(true);

    connect(m_controls.simulateButton, &QPushButton::clicked, this, &MainWindow::simulate);
    connect(m_controls.clearButton, &QPushButton::clicked, this, &MainWindow::clear);
    connect(m_controls.printButton, &QPushButton::clicked, this, &MainWindow::print);
    connect(m_controls.endButton, &QPushButton::clicked, this, &MainWindow::end);

    m_controls.simulateButton->setFocus();
}

QString MainWindow::boxText(QStringView name) const {
    const QLineEdit* box = m_controls.boxes.value(name.toString());
    return box ? box->text() : QString();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                m_controls.simulateButton->click();
                return;
            }
            break;
        case Qt::Key_Escape:
            if (event->modifiers() == Qt::NoModifier) {
                m_controls.endButton->click();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::simulate() {
    const QString typed = boxText(u"txtNs");
    if (const auto error = Simulate(m_controls.boxes, m_source, m_symbols))
        TellRunFailure(this, m_controls.boxes, RunFailureMessage(typed, *error, m_symbols));
}

void MainWindow::clear() {
    Clear(m_controls.boxes);
}

void MainWindow::print() {
    const auto readBox = [this](std::string_view box) {
        const QLineEdit* line = BoxNamed(m_controls.boxes, box);
        return line ? line->text().toStdString() : std::string();
    };
    m_printCommand->print(readBox);
}

void MainWindow::end() {
    // The only window: closing it ends the program, as the title bar's close does.
    close();
}

}  // namespace vesquin
