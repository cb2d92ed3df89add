// The drawing guard: it locks only a document that uses its semaphore.
#include "document/carousel_doc.h"
#include "document/semaphored_document.h"

#include <gtest/gtest.h>

namespace
{

using namespace std::chrono_literals;

TEST(SemaphoreControlTest, SecondGuardWaitsOnlyOnADocumentThatUsesTheSemaphore)
{
    CSemaphoredDocument guarded;
    {
        const CSemaphoreControl first(&guarded);
        EXPECT_TRUE(first.IsAcquired());
        const CSemaphoreControl second(&guarded, 1ms);
        EXPECT_FALSE(second.IsAcquired());
    }
    EXPECT_TRUE(CSemaphoreControl(&guarded, 0ms).IsAcquired()) << "the first guard released it";

    const ProgramSettings program;
    NetworkSettings settings;
    CCarouselDoc doc(program, settings);
    const CSemaphoreControl drawing(&doc);
    EXPECT_TRUE(CSemaphoreControl(&doc, 0ms).IsAcquired()) << "this document never blocks";
    EXPECT_TRUE(CSemaphoreControl(nullptr, 0ms).IsAcquired());
}

} // namespace
