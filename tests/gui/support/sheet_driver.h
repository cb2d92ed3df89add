// Working a dialog as a user would: finding controls by their labels, typing, pressing buttons
// and answering the modal dialogs that open on the way.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QDialog;
class QLineEdit;

namespace GuiTestSupport
{
// The control that the label with exactly this text stands for (its buddy). Throws when there
// is no such label or it names no control of that type, which fails the test.
QWidget* LabelledControl(const QWidget& root, const QString& label);

template <typename Control> Control* Field(const QWidget& root, const QString& label)
{
    auto* control = qobject_cast<Control*>(LabelledControl(root, label));
    if (control == nullptr) {
        throw std::runtime_error("\"" + label.toStdString() + "\" labels no control of that type");
    }
    return control;
}

// The button (check box, radio button...) with exactly this text.
template <typename Button> Button* Child(const QWidget& root, const QString& text)
{
    for (Button* button : root.findChildren<Button*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    throw std::runtime_error("no button \"" + text.toStdString() + "\"");
}

// Shows the window and waits until it is the active one, so that focus moves as it would.
void ShowActive(QWidget& window);
// Replaces the box's text with keystrokes, as typing over a selection does.
void TypeInto(QLineEdit& edit, const QString& text);
// Moves the focus on from the box, as Tab does.
void LeaveBox(QLineEdit& edit);
void PressOk(QDialog& dialog);
void PressCancel(QDialog& dialog);

// Once a modal dialog of this type opens, answer runs on it (and must close it). Gives up after
// two seconds, so a dialog that never comes fails its test's expectations instead of hanging.
template <typename Dialog> void AnswerNextDialog(std::function<void(Dialog&)> answer)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
        } else if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
} // namespace GuiTestSupport
