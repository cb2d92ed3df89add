// What the network view's edit dialogs share: the form, OK and Cancel, and refusing OK.
#pragma once

#include "model/validation.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QFormLayout;

// A modal dialog of labelled rows above OK and Cancel. OK hands the controls' values to the
// dialog's model and asks it to validate them; a refusal shows the model's message and the
// dialog stays open with what was typed, so the command that opened it never meets a refusal.
class CEditDialog : public QDialog
{
    Q_OBJECT

public:
    // Where refusals go: a warning box over the dialog unless replaced (tests record them).
    using RefusalSink = std::function<void(QWidget& dialog, const QString& message)>;
    static void SetRefusalSink(RefusalSink sink);
    // Shows a refusal over any dialog of the program the way these dialogs do.
    static void ShowRefusal(QWidget& dialog, const QString& message);

    QDialogButtonBox* Buttons() const { return m_buttons; }
    QPushButton* OkButton() const;

    void accept() override;

protected:
    explicit CEditDialog(const QString& title, QWidget* parent);
    QFormLayout* Form() const { return m_form; }
    // Adds a row whose label names the control or, given, the box within it (its buddy, for
    // Alt keys and screen readers).
    void AddRow(const QString& label, QWidget* control, QWidget* buddy = nullptr);
    // Hands the controls' values to the model and validates them.
    virtual CValidationResult TakeValues() = 0;

private:
    QFormLayout* m_form;
    QDialogButtonBox* m_buttons;
};

// A number list whose texts are the model's choices, item n standing for number n + 1.
QComboBox* NewNumberList(const std::vector<std::string>& choices, std::uint32_t chosen);
