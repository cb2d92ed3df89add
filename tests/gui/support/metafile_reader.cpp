#include "support/metafile_reader.h"

#include "external_tools.h"

#include <QImageReader>
#include <cmath>
#include <cstdio>

namespace GuiTestSupport
{
namespace
{
constexpr double TwipsPer100thMm = 1440.0 / 2540.0;

std::int32_t I32At(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::int32_t>(bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(bytes[at + 3]) << 24));
}

CRect FrameOf(std::span<const std::uint8_t> emf)
{
    return {I32At(emf, 24), I32At(emf, 28), I32At(emf, 32), I32At(emf, 36)};
}

// An RTF page exactly as large as the picture, which sits at its top-left corner.
std::string RtfPageWith(std::span<const std::uint8_t> emf)
{
    const CRect frame = FrameOf(emf);
    const auto width = static_cast<int>(std::lround(frame.Width() * TwipsPer100thMm));
    const auto height = static_cast<int>(std::lround(frame.Height() * TwipsPer100thMm));
    std::string rtf =
        "{\\rtf1\\ansi\\paperw" + std::to_string(width + 200) + "\\paperh" +
        std::to_string(height + 200) +
        "\\margl0\\margr0\\margt0\\margb0\\pard\\sl0\\sa0\\sb0{\\pict\\emfblip\\picw" +
        std::to_string(frame.Width()) + "\\pich" + std::to_string(frame.Height()) + "\\picwgoal" +
        std::to_string(width) + "\\pichgoal" + std::to_string(height) + "\n";
    static constexpr char Hex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < emf.size(); ++i) {
        rtf += Hex[emf[i] >> 4];
        rtf += Hex[emf[i] & 15];
        if (i % 64 == 63) {
            rtf += '\n';
        }
    }
    rtf += "}\\par}";
    return rtf;
}
} // namespace

CRect MetafileBounds(std::span<const std::uint8_t> emf)
{
    return {I32At(emf, 8), I32At(emf, 12), I32At(emf, 16), I32At(emf, 20)};
}

bool HaveLibreOffice()
{
    return TestSupport::HaveExecutable("soffice") && TestSupport::HaveExecutable("pdftoppm");
}

QSize PixelSizeOf(const CRect& bounds, double pixelsPerUnit)
{
    return {static_cast<int>(std::lround((bounds.Width() + 1) * pixelsPerUnit)),
            static_cast<int>(std::lround((bounds.Height() + 1) * pixelsPerUnit))};
}

std::vector<QImage> RenderThroughLibreOffice(const std::vector<std::vector<std::uint8_t>>& emfs,
                                             double pixelsPerUnit, const std::filesystem::path& dir,
                                             std::string& log)
{
    // The sample networks are a metre across: their pages are large images.
    QImageReader::setAllocationLimit(1024);
    std::string names;
    for (std::size_t i = 0; i < emfs.size(); ++i) {
        const auto rtf = dir / ("picture" + std::to_string(i) + ".rtf");
        TestSupport::WriteText(rtf, RtfPageWith(emfs[i]));
        names += " " + rtf.string();
    }
    // A profile of its own, so that runs side by side do not hand their work to each other.
    const TestSupport::CCommandResult print =
        TestSupport::Run("cd " + dir.string() + " && soffice -env:UserInstallation=file://" +
                         (dir / "profile").string() + " --headless --convert-to pdf --outdir " +
                         dir.string() + names);
    log += print.output;
    std::vector<QImage> images;
    for (std::size_t i = 0; i < emfs.size(); ++i) {
        const std::string stem = (dir / ("picture" + std::to_string(i))).string();
        const TestSupport::CCommandResult raster =
            TestSupport::Run("pdftoppm -r " + std::to_string(pixelsPerUnit * 254.0) +
                             " -singlefile " + stem + ".pdf " + stem);
        log += raster.output;
        // Uncompressed: these pages are tens of millions of pixels.
        const QImage page(QString::fromStdString(stem + ".ppm"));
        const QSize size = PixelSizeOf(MetafileBounds(emfs[i]), pixelsPerUnit);
        images.push_back(
            page.isNull()
                ? QImage()
                : page.copy(QRect(QPoint(0, 0), size)).convertToFormat(QImage::Format_RGB32));
    }
    return images;
}
} // namespace GuiTestSupport
