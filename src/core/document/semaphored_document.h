// A document that can keep a second drawing pass out while one is running.
#pragma once

#include <chrono>
#include <optional>
#include <semaphore>

// Owns a semaphore of count one. Only a document whose IsSemaphoreInUse says so is ever
// locked; the others let every guard through at once.
class CSemaphoredDocument
{
public:
    CSemaphoredDocument() = default;
    virtual ~CSemaphoredDocument() = default;
    CSemaphoredDocument(const CSemaphoredDocument&) = delete;
    CSemaphoredDocument& operator=(const CSemaphoredDocument&) = delete;

    virtual bool IsSemaphoreInUse() const { return true; }

private:
    friend class CSemaphoreControl;
    std::binary_semaphore m_semaphore{1};
};

// Scoped guard around work on a document (a view drawing it into its off-screen bitmap).
// With a document whose semaphore is in use it waits up to the timeout (no timeout: as long as
// it takes) and releases on destruction if it got the lock; with none, or a document that does
// not use its semaphore, it counts as acquired without locking.
class CSemaphoreControl
{
public:
    using Timeout = std::optional<std::chrono::milliseconds>;

    explicit CSemaphoreControl(CSemaphoredDocument* document, Timeout timeout = std::nullopt);
    ~CSemaphoreControl();
    CSemaphoreControl(const CSemaphoreControl&) = delete;
    CSemaphoreControl& operator=(const CSemaphoreControl&) = delete;

    bool IsAcquired() const { return m_acquired; }

private:
    CSemaphoredDocument* m_locked = nullptr;
    bool m_acquired = true;
};
