// Progress of long work (Build Routes, balancing) in a dialog with Cancel.
#pragma once

#include "graph/feedback.h"

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <memory>

class QProgressDialog;
class QWidget;

// The feedback object handed to the work. Quick work shows nothing; once the work has run for
// the delay, the next progress it reports opens a modal dialog with Cancel, which from then on
// keeps the window answering and raises the cancel flag when pressed. Everything runs on the
// user-interface thread, as the work does.
class CProgressFeedback
{
public:
    static constexpr std::chrono::milliseconds DefaultDelay{500};

    CProgressFeedback(QWidget* parent, QString label,
                      std::chrono::milliseconds delay = DefaultDelay);
    ~CProgressFeedback();
    CProgressFeedback(const CProgressFeedback&) = delete;
    CProgressFeedback& operator=(const CProgressFeedback&) = delete;

    CFeedback& Feedback() { return m_feedback; }
    QProgressDialog* GetDialog() const { return m_dialog.get(); }

private:
    void OnProgress(double percent);

    QWidget* m_parent;
    QString m_label;
    std::chrono::milliseconds m_delay;
    QElapsedTimer m_clock;
    std::unique_ptr<QProgressDialog> m_dialog;
    CFeedback m_feedback;
};
