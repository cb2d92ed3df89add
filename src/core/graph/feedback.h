// Progress and cancellation of long work (Build Routes, balancing).
#pragma once

#include <atomic>
#include <functional>

// Handed to long work by whoever shows it: the worker reports how far it got and polls the
// cancel flag, stopping soon after it is raised. Cancel may be called from any thread or from
// inside the progress callback; progress runs on the worker's thread.
class CFeedback
{
public:
    // Called with the percentage done, 0 to 100, whenever it grows.
    using ProgressCallback = std::function<void(double percent)>;

    CFeedback() = default;
    explicit CFeedback(ProgressCallback progress) : m_callback(std::move(progress)) {}
    CFeedback(const CFeedback&) = delete;
    CFeedback& operator=(const CFeedback&) = delete;

    void Cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool IsCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    // Clamped into 0..100; the callback hears only a value above the last one.
    void SetProgress(double percent);
    double GetProgress() const { return m_progress; }

private:
    std::atomic<bool> m_cancelled = false;
    double m_progress = 0.0;
    ProgressCallback m_callback;
};

// The cancel flag of an optional feedback object.
inline bool IsCancelled(const CFeedback* feedback)
{
    return feedback != nullptr && feedback->IsCancelled();
}
