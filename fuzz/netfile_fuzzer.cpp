// Feeds arbitrary bytes to the whole network file reader, as a disk file and as an undo snapshot.
// A read either fails with one of the reading errors or gives a document that writes (the reader
// brought every value into its field), reads back without a change and writes again to the same
// bytes.
#include "cardfile/card_errors.h"
#include "cardfile/card_stream_file.h"
#include "cardfile/card_stream_memory.h"
#include "cardfile/carousel_file.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::unique_ptr<CDocumentData> TryRead(CCardStream& stream, bool checkpoint)
{
    NetworkSettings settings;
    try {
        return ReadNetwork(stream, settings, checkpoint);
    } catch (const errCorruptCardData&) {
    } catch (const errIncompatibleSchema&) {
    } catch (eFileError) {
    }
    return nullptr;
}

void CheckRewrite(const CDocumentData& doc)
{
    const NetworkSettings settings;
    const std::string first = WriteNetworkSnapshot(doc, settings);
    CCardStreamMemory stream(first);
    NetworkSettings again;
    const auto reread = ReadNetwork(stream, again, true);
    Check(reread->readAdjustments.empty());
    Check(WriteNetworkSnapshot(*reread, settings) == first);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::istringstream file(bytes, std::ios::binary);
    CCardStreamFile fileStream(file);
    if (const auto doc = TryRead(fileStream, false)) {
        CheckRewrite(*doc);
    }
    CCardStreamMemory memoryStream(bytes);
    if (const auto doc = TryRead(memoryStream, true)) {
        CheckRewrite(*doc);
    }
    return 0;
}
