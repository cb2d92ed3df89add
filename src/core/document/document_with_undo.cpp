// Checkpoints, undo and redo.
#include "document/document_with_undo.h"

#include <algorithm>
#include <chrono>

CDocumentWithUndo::CUndoCheckpoint::CUndoCheckpoint(CDocumentWithUndo& owner, std::string name,
                                                    std::string snapshot, std::int64_t time,
                                                    int tag)
    : m_owner(&owner), m_name(std::move(name)), m_snapshot(std::move(snapshot)), m_time(time),
      m_tag(tag)
{}

CDocumentWithUndo::CUndoCheckpoint::~CUndoCheckpoint()
{
    m_owner->ReleaseTag(m_tag);
}

CDocumentWithUndo::~CDocumentWithUndo()
{
    // Checkpoints call back into the owner; let them go while it is still whole.
    m_pending.reset();
    m_checkpoints.clear();
}

std::int64_t CDocumentWithUndo::CurrentTime() const
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::unique_ptr<CDocumentWithUndo::CUndoCheckpoint>
CDocumentWithUndo::TakeSnapshot(const std::string& name)
{
    std::string snapshot;
    try {
        snapshot = SaveSnapshot();
    } catch (const std::exception& error) {
        OnCheckpointFailed(error);
        return nullptr;
    }
    return std::make_unique<CUndoCheckpoint>(*this, name, std::move(snapshot), CurrentTime(),
                                             GetCheckpointTag());
}

void CDocumentWithUndo::AddCheckpoint(std::unique_ptr<CUndoCheckpoint> checkpoint)
{
    m_checkpoints.erase(m_checkpoints.begin(),
                        m_checkpoints.begin() + static_cast<std::ptrdiff_t>(m_current));
    m_checkpoints.insert(m_checkpoints.begin(), std::move(checkpoint));
    const int maximum = GetMaxCheckpoints();
    if (maximum >= 0)
        while (m_checkpoints.size() > static_cast<std::size_t>(maximum))
            m_checkpoints.pop_back();
    m_current = 0;
}

bool CDocumentWithUndo::Checkpoint(const std::string& name)
{
    std::unique_ptr<CUndoCheckpoint> checkpoint = TakeSnapshot(name);
    if (!checkpoint)
        return false;
    AddCheckpoint(std::move(checkpoint));
    return true;
}

bool CDocumentWithUndo::BeginCheckpoint(const std::string& name)
{
    m_pending = TakeSnapshot(name);
    if (!m_pending)
        return false;
    OnPendingCheckpointBegun();
    return true;
}

void CDocumentWithUndo::CommitCheckpoint()
{
    if (m_pending)
        AddCheckpoint(std::move(m_pending));
}

void CDocumentWithUndo::CancelCheckpoint()
{
    if (!m_pending)
        return;
    m_pending.reset();
    OnPendingCheckpointCancelled();
}

bool CDocumentWithUndo::RollBackToPendingCheckpoint()
{
    if (!m_pending)
        return true;
    const std::unique_ptr<CUndoCheckpoint> pending = std::move(m_pending);
    return Restore(*pending);
}

bool CDocumentWithUndo::CanUndo() const
{
    return !m_checkpoints.empty() && m_current < m_checkpoints.size();
}

bool CDocumentWithUndo::CanRedo() const
{
    return m_checkpoints.size() >= 2 && m_current >= 2;
}

std::string CDocumentWithUndo::GetUndoName() const
{
    return CanUndo() ? m_checkpoints[m_current]->GetName() : std::string();
}

std::string CDocumentWithUndo::GetRedoName() const
{
    return CanRedo() ? m_checkpoints[m_current - 1]->GetName() : std::string();
}

std::string CDocumentWithUndo::GetUndoMenuText() const
{
    return CanUndo() ? "Undo " + GetUndoName() : "Can't Undo";
}

std::string CDocumentWithUndo::GetRedoMenuText() const
{
    return CanRedo() ? "Redo " + GetRedoName() : "Can't Redo";
}

bool CDocumentWithUndo::Restore(const CUndoCheckpoint& checkpoint)
{
    try {
        RestoreSnapshot(checkpoint.GetSnapshot(), checkpoint.GetTag());
        return true;
    } catch (const std::exception& error) {
        OnRestoreFailed(error);
        return false;
    }
}

bool CDocumentWithUndo::Step(int n)
{
    if (n > 0) {
        if (!CanUndo())
            return true;
        const std::size_t before = m_current;
        bool addedPresent = false;
        if (m_current == 0) {
            if (!Checkpoint(std::string()))
                return false;
            addedPresent = true;
            m_current = 1;
        }
        m_current = std::min(m_current + static_cast<std::size_t>(n - 1), m_checkpoints.size());
        if (m_current >= m_checkpoints.size())
            return true;
        const std::size_t target = m_current;
        ++m_current;
        if (Restore(*m_checkpoints[target]))
            return true;
        // The document stayed as it was, so the history goes back to match it.
        if (addedPresent)
            m_checkpoints.erase(m_checkpoints.begin());
        m_current = before;
        return false;
    }
    if (n < 0) {
        const std::size_t steps = static_cast<std::size_t>(-(n + 1));
        const std::size_t before = m_current;
        m_current -= std::min(steps, m_current);
        if (m_current < 2) {
            m_current = before;
            return true;
        }
        --m_current;
        if (Restore(*m_checkpoints[m_current - 1]))
            return true;
        m_current = before;
        return false;
    }
    return true;
}
