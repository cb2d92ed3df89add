// The "Announcement" dialog.
#include "update/http_update_notification_dlg.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CHTTPUpdateNotificationDlg::CHTTPUpdateNotificationDlg(const CUpdateAnnouncement& announcement,
                                                       QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this))
{
    const QString heading = QString::fromStdString(announcement.heading).trimmed();
    setWindowTitle(heading.isEmpty() ? tr("Announcement") : heading);

    // The file's lines end in CR LF; a box of plain text wants bare line feeds.
    m_text->setPlainText(QString::fromStdString(announcement.text).replace("\r\n", "\n"));
    m_text->setReadOnly(true);
    const QFontMetrics metrics(m_text->font());
    m_text->setMinimumSize(metrics.averageCharWidth() * 60, metrics.lineSpacing() * 12);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    m_ok->setFocus();
}

void CAnnouncementDialogDisplay::ShowAnnouncement(const CUpdateAnnouncement& announcement)
{
    CHTTPUpdateNotificationDlg dialog(announcement, m_parent);
    dialog.exec();
}
