#include "support/sheet_driver.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace GuiTestSupport
{
QWidget* LabelledControl(const QWidget& root, const QString& label)
{
    QWidget* control = nullptr;
    int found = 0;
    for (QLabel* candidate : root.findChildren<QLabel*>()) {
        if (candidate->text() == label) {
            control = candidate->buddy();
            ++found;
        }
    }
    if (found != 1 || control == nullptr) {
        throw std::runtime_error(std::to_string(found) + " labels \"" + label.toStdString() +
                                 "\" with a control");
    }
    return control;
}

void ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        throw std::runtime_error("the window did not become active");
    }
}

void TypeInto(QLineEdit& edit, const QString& text)
{
    edit.setFocus(Qt::TabFocusReason);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
}

void LeaveBox(QLineEdit& edit)
{
    QWidget* next = edit.nextInFocusChain();
    while (next != &edit && !(next->focusPolicy() & Qt::TabFocus)) {
        next = next->nextInFocusChain();
    }
    next->setFocus(Qt::TabFocusReason);
    if (edit.hasFocus()) {
        throw std::runtime_error("the focus stayed in the box");
    }
}

static void Press(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (buttons == nullptr || buttons->button(which) == nullptr) {
        throw std::runtime_error("the dialog has no such button");
    }
    buttons->button(which)->click();
}

void PressOk(QDialog& dialog)
{
    Press(dialog, QDialogButtonBox::Ok);
}

void PressCancel(QDialog& dialog)
{
    Press(dialog, QDialogButtonBox::Cancel);
}
} // namespace GuiTestSupport
