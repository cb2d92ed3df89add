// print-pdf: a network's print pages written as a PDF without a display, through the desktop's
// own printing path (Qt's PDF printer), so the file shows what the printer would get.
#include "print_pdf_command.h"

#include "cli_arguments.h"
#include "cli_document.h"
#include "cli_failure.h"
#include "cli_output.h"
#include "document/carousel_doc.h"
#include "offscreen_application.h"
#include "platform/atomic_file.h"
#include "platform/freetype_text_measurer.h"
#include "platform/pdf_stamps.h"
#include "printing/page_printer.h"

#include <CLI/CLI.hpp>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <stdexcept>

namespace
{

struct CPrintPdfOptions
{
    std::string network;
    std::string out;
    std::optional<int> page;
};

// The time stamped on the PDF, and whose day the title block shows.
QDateTime PrintedAt()
{
    try {
        return PrintTime();
    } catch (const std::invalid_argument& e) {
        throw CCliFailure(ExitBadUsage, e.what());
    }
}

int PrintPdf(const CPrintPdfOptions& options)
{
    const COffscreenApplication application;
    const QDateTime printed = PrintedAt();
    CCliDocument opened(options.network);
    CCarouselDoc& document = opened.Document();

    const CFreeTypeTextMeasurer measurer;
    const bool quickPrint = document.GetPrintPages().GetCount() == 0;
    if (quickPrint)
        document.PrepareQuickPrint(measurer);
    CPrintPages& pages = document.GetPagesToPrint(quickPrint);
    int first = 1;
    int last = pages.GetCount();
    if (options.page) {
        if (*options.page < 1 || *options.page > pages.GetCount())
            throw CCliFailure(ExitBadUsage, "The network has no print page " +
                                                std::to_string(*options.page) + " (it has " +
                                                std::to_string(pages.GetCount()) + ")");
        first = last = *options.page;
    }

    const QTemporaryDir scratch;
    if (!scratch.isValid())
        throw CCliFailure(ExitFileError,
                          "Cannot write " + options.out + ": no temporary folder for the PDF");
    const QString pdfPath = scratch.filePath("print.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setCreator("gyrolith-cli");
    printer.setDocName(QString::fromStdString(document.GetTitle()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    // The frame keeps its own 10 mm from the paper's edge.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const int count =
        PrintPages(document, pages, printer, first, last, measurer, CalendarDay(printed.date()));
    QFile pdf(pdfPath);
    if (count != last - first + 1 || !pdf.open(QIODevice::ReadOnly))
        throw CCliFailure(ExitFileError, "Cannot write " + options.out + ": the printer failed");
    QByteArray bytes = pdf.readAll();
    NormalisePdfStamps(bytes, printed);

    const std::filesystem::path out = options.out;
    WriteFileForCli(out, [&] {
        WriteFileAtomically(out, [&](std::ostream& stream) {
            stream.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
        });
    });
    TellWritten(out, std::to_string(count) + (count == 1 ? " page" : " pages") +
                         (quickPrint ? " (the whole network)" : "") + ", " + SizeOf(out));
    return 0;
}

} // namespace

void AddPrintPdfCommand(CLI::App& app, CCliAction& action)
{
    auto options = std::make_shared<CPrintPdfOptions>();
    CLI::App* command = app.add_subcommand(
        "print-pdf", "Print the network's print pages (or, without any, the whole network) "
                     "into a PDF file on A4 paper");
    AddNetworkArgument(*command, options->network);
    command->add_option("-o,--out", options->out, "PDF file to write")
        ->required()
        ->check(NonEmptyFileName);
    command->add_option("--page", options->page, "Only this print page (1 to the count)");
    command->callback([options, &action] {
        action = [options] {
            return PrintPdf(*options);
        };
    });
}
