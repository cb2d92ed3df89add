// The announcement dialog.
#include "update/announcement_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

void CAnnouncementBox::ShowAnnouncement(const CUpdateAnnouncement& announcement)
{
    QDialog dialog(m_parent ? m_parent() : nullptr);
    dialog.setObjectName("Announcement");
    dialog.setWindowTitle(QString::fromStdString(announcement.heading));
    auto* text = new QPlainTextEdit(QString::fromStdString(announcement.text).remove(u'\r'));
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(480, 320);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    dialog.exec();
}
