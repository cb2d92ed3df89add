// Feeds outside bytes through the metafile reader, parser and DXF converter into memory, with
// the measurer real exports use (font heights in the bytes reach its arithmetic).
#include "dxf/metafile_to_dxf_converter.h"
#include "platform/emf_reader.h"
#include "platform/freetype_text_measurer.h"

#include <cstdint>
#include <span>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CFreeTypeTextMeasurer measurer;
    try {
        std::ostringstream out;
        CMetaFileToDxfConverter converter(out, std::span(data, size), measurer);
        converter.Parse();
    } catch (const CEmfFormatError&) {
    }
    return 0;
}
