// The system clipboard as the document sees it.
#pragma once

#include <cstdint>
#include <vector>

// Takes a picture for other programs to paste. The desktop program offers the enhanced
// metafile bytes ("image/x-emf") and whatever renderings of them it likes; tests keep them.
// False when the clipboard could not be taken.
class CClipboard
{
public:
    virtual ~CClipboard() = default;
    virtual bool SetEnhancedMetafile(std::vector<std::uint8_t> emf) = 0;
};
