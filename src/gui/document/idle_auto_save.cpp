// Idle-time auto-save.
#include "document/idle_auto_save.h"

#include "document/carousel_doc.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QThread>
#include <algorithm>

namespace
{
// The document as the manager sees it, with the prepare step before each write.
class CPreparedDocument : public CAutoSaveDocument
{
public:
    CPreparedDocument(CCarouselDoc& document, const std::function<void()>& prepare)
        : m_document(document), m_prepare(prepare)
    {}
    bool IsModified() const override { return m_document.IsModified(); }
    void SetModifiedFlag(bool modified) override { m_document.SetModifiedFlag(modified); }
    void SaveToPath(const std::filesystem::path& path) override
    {
        if (m_prepare)
            m_prepare();
        m_document.SaveToPath(path);
    }

private:
    CCarouselDoc& m_document;
    const std::function<void()>& m_prepare;
};
} // namespace

CIdleAutoSave::CIdleAutoSave(CAutoSaveManager& manager, DocumentSource activeDocument,
                             std::function<void()> prepare, Clock clock)
    : m_manager(manager), m_activeDocument(std::move(activeDocument)),
      m_prepare(std::move(prepare)), m_clock(std::move(clock))
{
    m_wake.setSingleShot(true);
    // Waking is all it is for: the idle moment that follows does the work.
    connect(&m_wake, &QTimer::timeout, this, [] {});
}

void CIdleAutoSave::Install()
{
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CIdleAutoSave::OnIdle);
}

bool CIdleAutoSave::IsSafeMoment(const CCarouselDoc& document) const
{
    // Level 1 is the main loop (0 when nothing runs one, as in a test calling directly).
    return QThread::currentThread()->loopLevel() <= 1 && !QApplication::activeModalWidget() &&
           !QApplication::activePopupWidget() && QGuiApplication::mouseButtons() == Qt::NoButton &&
           !document.HasPendingCheckpoint();
}

void CIdleAutoSave::OnIdle()
{
    CCarouselDoc* document = m_activeDocument();
    if (!document)
        return;
    if (IsSafeMoment(*document)) {
        const bool due = document->IsModified();
        const std::int64_t nextCheck = m_manager.GetNextCheckTime();
        CPreparedDocument prepared(*document, m_prepare);
        m_manager.IdleTick(&prepared);
        if (due && m_manager.GetNextCheckTime() != nextCheck)
            m_changedSinceSave = false; // written, or tried and failed
    }
    if (document->IsModified() && m_changedSinceSave && !m_wake.isActive()) {
        // A second after the check is due, and at least a second from now.
        const std::int64_t seconds =
            std::max<std::int64_t>(1, m_manager.GetNextCheckTime() - m_clock() + 1);
        m_wake.start(static_cast<int>(std::min<std::int64_t>(seconds, 3600) * 1000));
    }
}
