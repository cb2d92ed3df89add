#include "settings/property_sheet.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString& title, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(title);
    // Every page's title in full: the sheet is as wide as its tabs.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void CPropertySheet::AddPage(CPropertyPage* page, const QString& title)
{
    m_tabs->addTab(page, title);
    m_pages.push_back(page);
}

void CPropertySheet::accept()
{
    for (CPropertyPage* page : m_pages) {
        const std::optional<CPageRefusal> refusal = page->Check();
        if (!refusal)
            continue;
        m_tabs->setCurrentWidget(page);
        QMessageBox::warning(this, windowTitle(), refusal->message);
        if (refusal->control) {
            refusal->control->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(refusal->control))
                edit->selectAll();
        }
        return;
    }
    for (CPropertyPage* page : m_pages)
        page->Apply();
    if (OnApplied())
        QDialog::accept();
}
