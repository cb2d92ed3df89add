// Feeds arbitrary bytes to the update file reader as programs that differ in every property an
// entry tests: it must return or raise one of its own errors, never anything else.
#include "cardfile/card_errors.h"
#include "update/update_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace
{
void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void ReadAs(std::string_view bytes, const CRunningProgram& program)
{
    try {
        const auto announcement = ReadUpdateFile(bytes, program);
        if (announcement) {
            // The heading is the rest of one card, so it holds no line end.
            Check(announcement->heading.find('\n') == std::string::npos);
        }
    } catch (const errExpectedCardNotFound& error) {
        Check(std::string_view(error.what()).starts_with("Cannot find "));
    } catch (eFileError error) {
        Check(error == eFileError::Corrupt);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadAs(bytes, CRunningProgram::This());
    ReadAs(bytes, CRunningProgram{1, {0, 0, 0, 0}, false, true});
    ReadAs(bytes, CRunningProgram{-1, {-1, 99999, -99999, 2147483647}, true, false});
    return 0;
}
