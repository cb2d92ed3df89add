// The drawing guard of a semaphored document.
#include "document/semaphored_document.h"

CSemaphoreControl::CSemaphoreControl(CSemaphoredDocument* document, Timeout timeout)
{
    if (!document || !document->IsSemaphoreInUse())
        return;
    if (timeout) {
        m_acquired = document->m_semaphore.try_acquire_for(*timeout);
    } else {
        document->m_semaphore.acquire();
    }
    if (m_acquired)
        m_locked = document;
}

CSemaphoreControl::~CSemaphoreControl()
{
    if (m_locked)
        m_locked->m_semaphore.release();
}
