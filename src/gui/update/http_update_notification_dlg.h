// The "Announcement" dialog that shows what an update file announces.
#pragma once

#include "update/update_notification_checker.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Shows an announcement: the heading as the window title ("Announcement" when it has none), the
// text in a read-only box of plain text, so that markup in the file is shown as typed, and OK,
// which has the focus.
class CHTTPUpdateNotificationDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHTTPUpdateNotificationDlg(const CUpdateAnnouncement& announcement,
                                        QWidget* parent = nullptr);

    QPlainTextEdit* TextBox() const { return m_text; }
    QPushButton* OkButton() const { return m_ok; }

private:
    QPlainTextEdit* m_text;
    QPushButton* m_ok;
};

// Shows each announcement the check finds in the dialog, modal over the parent.
class CAnnouncementDialogDisplay : public CAnnouncementDisplay
{
public:
    explicit CAnnouncementDialogDisplay(QWidget* parent = nullptr) : m_parent(parent) {}

    void ShowAnnouncement(const CUpdateAnnouncement& announcement) override;

private:
    QWidget* m_parent;
};
