// Settings sheets: modal dialogs of tabbed pages that take their values together on OK.
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QTabWidget;

// Why a page's values cannot be taken, and the control to correct.
struct CPageRefusal
{
    QString message;
    QWidget* control = nullptr;
};

// One page of a sheet. It copies the values of the record it edits into its controls when it
// is made, and back into the record in Apply(); until then the record stays as it was.
class CPropertyPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Asked when OK is pressed, for every page before any applies; it takes in what is still
    // being typed. None when the page's values can be taken.
    virtual std::optional<CPageRefusal> Check() { return std::nullopt; }
    virtual void Apply() = 0;
};

// The sheet: its pages as tabs above OK and Cancel. OK asks every page to check its values;
// the first refusal is shown in a message box, its page and control come forward and the sheet
// stays open. Otherwise every page applies and the sheet closes. Cancel, Escape or closing the
// window changes nothing.
class CPropertySheet : public QDialog
{
    Q_OBJECT

public:
    explicit CPropertySheet(const QString& title, QWidget* parent = nullptr);

    // Shows the sheet modally; true when it closed with OK and its values were applied.
    bool ExecAndApply() { return exec() == QDialog::Accepted; }

    void accept() override;

    const std::vector<CPropertyPage*>& Pages() const { return m_pages; }

protected:
    void AddPage(CPropertyPage* page, const QString& title);
    // After every page applied, before the sheet closes. False keeps the sheet open: the
    // values were refused, and the refusal has been shown.
    virtual bool OnApplied() { return true; }

private:
    QTabWidget* m_tabs;
    std::vector<CPropertyPage*> m_pages;
};
