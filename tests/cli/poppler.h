// What poppler's readers make of the PDFs gyrolith-cli writes.
#pragma once

#include "external_tools.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace Poppler
{
// 7 December 2026, 12:00 UTC: the print time the PDFs carry.
inline const std::string Epoch = "1796644800";

inline bool Installed()
{
    return TestSupport::HaveExecutable("/usr/bin/pdfinfo") &&
           TestSupport::HaveExecutable("/usr/bin/pdftotext") &&
           TestSupport::HaveExecutable("/usr/bin/pdftoppm");
}

// One page rasterised in grey.
struct CGreyImage
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;

    // The pixels of the box darker than the threshold.
    int Dark(int left, int top, int right, int bottom, int threshold) const
    {
        int dark = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                dark += pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(x)] < threshold
                            ? 1
                            : 0;
        return dark;
    }
};

// The page of the PDF at the resolution, read from pdftoppm's PGM ("P5") beside the PDF.
inline CGreyImage Rasterise(const std::filesystem::path& pdf, int page, int dpi)
{
    const std::string stem = std::filesystem::path(pdf).replace_extension().string();
    const std::string n = std::to_string(page);
    CGreyImage image;
    if (TestSupport::Run("/usr/bin/pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " +
                         n + " -l " + n + " " + pdf.string() + " " + stem)
            .status != 0)
        return image;
    std::ifstream in(stem + ".pgm", std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> image.width >> image.height >> maxValue;
    in.get();
    image.pixels.resize(static_cast<std::size_t>(image.width) *
                        static_cast<std::size_t>(image.height));
    in.read(reinterpret_cast<char*>(image.pixels.data()),
            static_cast<std::streamsize>(image.pixels.size()));
    return image;
}
} // namespace Poppler
