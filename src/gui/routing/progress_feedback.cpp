// The progress dialog of long work.
#include "routing/progress_feedback.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <cmath>

CProgressFeedback::CProgressFeedback(QWidget* parent, QString label,
                                     std::chrono::milliseconds delay)
    : m_parent(parent), m_label(std::move(label)), m_delay(delay),
      m_feedback([this](double percent) { OnProgress(percent); })
{
    m_clock.start();
}

CProgressFeedback::~CProgressFeedback() = default;

void CProgressFeedback::OnProgress(double percent)
{
    if (!m_dialog) {
        if (m_clock.elapsed() < m_delay.count())
            return;
        m_dialog =
            std::make_unique<QProgressDialog>(m_label, QStringLiteral("Cancel"), 0, 100, m_parent);
        m_dialog->setWindowTitle(QStringLiteral("Gyrolith"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        QObject::connect(m_dialog.get(), &QProgressDialog::canceled,
                         [this] { m_feedback.Cancel(); });
        m_dialog->show();
    }
    m_dialog->setValue(static_cast<int>(std::floor(percent)));
    // The work holds the loop: let the dialog paint and hear Cancel.
    QCoreApplication::processEvents();
}
