// The "Announcement" of a newer program version.
#pragma once

#include "update/update_notification_checker.h"

#include <functional>

class QWidget;

// Shows the announcement's heading as the title of a box whose read-only text is the
// announcement, with OK focused.
class CAnnouncementBox : public CAnnouncementDisplay
{
public:
    using ParentSource = std::function<QWidget*()>;
    explicit CAnnouncementBox(ParentSource parent = {}) : m_parent(std::move(parent)) {}
    void ShowAnnouncement(const CUpdateAnnouncement& announcement) override;

private:
    ParentSource m_parent;
};
