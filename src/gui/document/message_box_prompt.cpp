// Message boxes for the program's questions.
#include "document/message_box_prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace
{
const QString Caption = QStringLiteral("Gyrolith");

// A wait cursor set for long work would otherwise stay over the box.
class CNormalCursor
{
public:
    CNormalCursor() : m_overridden(QApplication::overrideCursor() != nullptr)
    {
        if (m_overridden)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CNormalCursor()
    {
        if (m_overridden)
            QApplication::restoreOverrideCursor();
    }
    CNormalCursor(const CNormalCursor&) = delete;
    CNormalCursor& operator=(const CNormalCursor&) = delete;

private:
    bool m_overridden;
};
} // namespace

QWidget* CMessageBoxPrompt::Parent() const
{
    return m_parent ? m_parent() : nullptr;
}

PromptAnswer CMessageBoxPrompt::AskYesNo(const std::string& text)
{
    const CNormalCursor cursor;
    // Confirmations carry the exclamation mark, as deletions do.
    QMessageBox box(QMessageBox::Warning, Caption, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, Parent());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

void CMessageBoxPrompt::ShowMessage(const std::string& text)
{
    const CNormalCursor cursor;
    QMessageBox::warning(Parent(), Caption, QString::fromStdString(text));
}

void CMessageBoxPrompt::ShowMessageWithDetail(const std::string& text, const std::string& detail)
{
    const CNormalCursor cursor;
    QMessageBox box(QMessageBox::Warning, Caption, QString::fromStdString(text), QMessageBox::Ok,
                    Parent());
    if (!detail.empty())
        box.setDetailedText(QString::fromStdString(detail));
    box.exec();
}

SaveChangesAnswer CMessageBoxPrompt::AskSaveChanges(const std::string& title)
{
    const CNormalCursor cursor;
    const auto answer = QMessageBox::question(
        Parent(), Caption, QString::fromStdString(SaveChangesText(title)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return SaveChangesAnswer::Yes;
    if (answer == QMessageBox::No)
        return SaveChangesAnswer::No;
    return SaveChangesAnswer::Cancel;
}
