// Auto-save driven by the event loop's idle moments.
#pragma once

#include "document/auto_save_manager.h"

#include <QObject>
#include <QTimer>
#include <functional>

class CCarouselDoc;

// Hands the active document to the auto-save manager whenever the event loop is about to wait.
// Idle moments come only with events, so while the document holds a change that no auto-save
// has written yet, a single-shot timer wakes the loop when the next check is due; otherwise a
// change made just after an auto-save could wait for the user's next keystroke. The save itself
// happens only in the main loop: never inside a modal dialog, a menu, a drag with a mouse button
// held, or while a command waits for the user to finish (a new arm being placed holds a pending
// undo checkpoint). Before the document is written, the prepare step runs (the windows' places go
// into the file).
class CIdleAutoSave : public QObject
{
    Q_OBJECT
public:
    using DocumentSource = std::function<CCarouselDoc*()>;
    using Clock = std::function<std::int64_t()>;

    CIdleAutoSave(CAutoSaveManager& manager, DocumentSource activeDocument,
                  std::function<void()> prepare, Clock clock);
    // Follows the event dispatcher of the calling thread.
    void Install();

    // The document changed (its modified flag was set): the next check must come.
    void NoteChange() { m_changedSinceSave = true; }
    // One idle moment: what the dispatcher's about-to-block signal runs.
    void OnIdle();
    bool IsWakeScheduled() const { return m_wake.isActive(); }
    int WakeInterval() const { return m_wake.interval(); }

private:
    bool IsSafeMoment(const CCarouselDoc& document) const;

    CAutoSaveManager& m_manager;
    DocumentSource m_activeDocument;
    std::function<void()> m_prepare;
    Clock m_clock;
    QTimer m_wake;
    bool m_changedSinceSave = false;
};
