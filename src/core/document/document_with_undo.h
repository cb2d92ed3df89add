// The undo history of a document: named whole-document snapshots.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

// Checkpoints are kept newest first. Positions 0 .. current-1 can be redone, current and older
// can be undone. The first undo of a run of undos first checkpoints the present state under an
// empty name, so that redo can come back to it. A new checkpoint drops the redo entries, and the
// oldest go beyond GetMaxCheckpoints(). A restore that throws leaves the history where it was
// and calls OnRestoreFailed; the document keeps its state. A snapshot that cannot be taken (the
// document holds a value its file cannot) leaves the history where it was and calls
// OnCheckpointFailed; the command that asked for it must then change nothing.
class CDocumentWithUndo
{
public:
    class CUndoCheckpoint
    {
    public:
        CUndoCheckpoint(CDocumentWithUndo& owner, std::string name, std::string snapshot,
                        std::int64_t time, int tag);
        virtual ~CUndoCheckpoint();
        CUndoCheckpoint(const CUndoCheckpoint&) = delete;
        CUndoCheckpoint& operator=(const CUndoCheckpoint&) = delete;

        const std::string& GetName() const { return m_name; }
        const std::string& GetSnapshot() const { return m_snapshot; }
        std::int64_t GetTime() const { return m_time; }
        int GetTag() const { return m_tag; }

    private:
        CDocumentWithUndo* m_owner;
        std::string m_name;
        std::string m_snapshot;
        std::int64_t m_time;
        int m_tag;
    };

    CDocumentWithUndo() = default;
    virtual ~CDocumentWithUndo();
    CDocumentWithUndo(const CDocumentWithUndo&) = delete;
    CDocumentWithUndo& operator=(const CDocumentWithUndo&) = delete;

    // The whole document as bytes.
    virtual std::string SaveSnapshot() const = 0;
    // Replaces the document by the snapshot; throws when it cannot, leaving the document as it
    // was.
    virtual void RestoreSnapshot(const std::string& snapshot, int tag) = 0;
    // -1 for no limit.
    virtual int GetMaxCheckpoints() const { return -1; }
    virtual int GetCheckpointTag() { return 0; }
    virtual void ReleaseTag(int tag) { (void)tag; }

    // False when the snapshot could not be taken.
    [[nodiscard]] bool Checkpoint(const std::string& name);
    [[nodiscard]] bool BeginCheckpoint(const std::string& name);
    void CommitCheckpoint();
    void CancelCheckpoint();
    // For a command stopped half-way: restores the pending checkpoint and drops it, leaving the
    // history as it was. False (and OnRestoreFailed) when the restore failed.
    bool RollBackToPendingCheckpoint();
    bool HasPendingCheckpoint() const { return m_pending != nullptr; }

    // n > 0 undoes n steps, n < 0 redoes -n steps. False when a restore or the snapshot of the
    // present state failed.
    bool Step(int n);
    bool CanUndo() const;
    bool CanRedo() const;
    std::string GetUndoName() const;
    std::string GetRedoName() const;
    // "Undo Add Arm" or "Can't Undo"; "Redo ..." or "Can't Redo".
    std::string GetUndoMenuText() const;
    std::string GetRedoMenuText() const;

    std::size_t GetCheckpointCount() const { return m_checkpoints.size(); }

protected:
    virtual void OnRestoreFailed(const std::exception& error) { (void)error; }
    virtual void OnCheckpointFailed(const std::exception& error) { (void)error; }
    virtual std::int64_t CurrentTime() const;
    // A cancelled pending checkpoint means the document is back where it began: whatever marks
    // it as changed since the last save goes back too.
    virtual void OnPendingCheckpointBegun() {}
    virtual void OnPendingCheckpointCancelled() {}

private:
    std::unique_ptr<CUndoCheckpoint> TakeSnapshot(const std::string& name);
    void AddCheckpoint(std::unique_ptr<CUndoCheckpoint> checkpoint);
    bool Restore(const CUndoCheckpoint& checkpoint);

    std::vector<std::unique_ptr<CUndoCheckpoint>> m_checkpoints; // newest first
    std::size_t m_current = 0;
    std::unique_ptr<CUndoCheckpoint> m_pending;
};
