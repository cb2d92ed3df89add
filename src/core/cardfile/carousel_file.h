// The network file: writing a document's data as cards and reading it back.
#pragma once

#include "cardfile/input_file.h" // errFileRead, which LoadNetworkFile raises
#include "cardfile/document_data.h"
#include "settings/network_settings.h"

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

class CCardRouteFlow;
class CCardStream;
class CCardWriter;
struct CNetworkReadError;

// The version text this program writes into SVERS.
inline constexpr std::string_view kProgramVersionText = "1.3.0";

// Writes one document's data and the per-network settings as the card sequence of a network
// file. A value that does not fit its field raises errCardFieldRefused before its card is
// written, the message naming the object ("Zone 2: ..."); write to an atomic file so that the
// file on disk is left as it was.
class CCarouselFileWriter
{
public:
    CCarouselFileWriter(const CDocumentData& document, CCardWriter& file,
                        const NetworkSettings& settings)
        : m_document(&document), m_file(&file), m_settings(&settings)
    {}
    virtual ~CCarouselFileWriter() = default;
    // checkpoint: an undo snapshot, which leaves out the view positions.
    virtual bool Write(bool checkpoint) = 0;
    virtual std::string Version() const = 0;

protected:
    const CDocumentData* m_document;
    CCardWriter* m_file;
    const NetworkSettings* m_settings;
};

class CCarouselFileWriterV1 : public CCarouselFileWriter
{
public:
    using CCarouselFileWriter::CCarouselFileWriter;
    bool Write(bool checkpoint) override;
    std::string Version() const override { return "1.3"; }
};

// Reads a network file into an empty document and the per-network settings. A value the writer
// could not write again is brought into what its field holds and recorded in the document's
// readAdjustments: a carriage return inside a card becomes a blank, a desired flow is clamped
// into 0..99999, a route flow or proportion of 100000 or more in size becomes +-99999, and a
// route that is not permitted has flow 0 in every flow group; label
// text heights are clamped and flow group times taken into one day. Errors: a wrong keyword
// raises errExpectedCardNotFound, a file that ends early eFileError::Corrupt, a later
// schema errIncompatibleSchema, a route whose connectors do not join std::runtime_error
// "Route End Match Error". On failure the document and settings are partly filled: use
// ReadNetwork, which hands them over only on success.
class CCarouselFileReader
{
public:
    CCarouselFileReader(CDocumentData& document, CCardStream& stream, NetworkSettings& settings,
                        std::string defaultLaneFlowDelimiter = NetworkSettings{}.LaneFlowDelimiter)
        : m_document(&document), m_stream(&stream), m_settings(&settings),
          m_defaultDelimiter(std::move(defaultLaneFlowDelimiter))
    {}
    virtual std::string Version() const = 0;
    virtual ~CCarouselFileReader() = default;
    // checkpoint: an undo snapshot; no view positions are read.
    virtual void Read(bool checkpoint) = 0;

protected:
    CDocumentData* m_document;
    CCardStream* m_stream;
    NetworkSettings* m_settings;
    std::string m_defaultDelimiter;
};

class CCarouselFileReaderV1 : public CCarouselFileReader
{
public:
    CCarouselFileReaderV1(
        CDocumentData& document, CCardStream& stream, NetworkSettings& settings,
        std::string defaultLaneFlowDelimiter = NetworkSettings{}.LaneFlowDelimiter);
    ~CCarouselFileReaderV1() override;
    std::string Version() const override { return "1.3"; }
    void Read(bool checkpoint) override;

private:
    class CLineStream;

    void ReadHeader();
    void ReadNetwork();
    void ReadFlowGroups(int count);
    void ReadLayout(bool checkpoint);
    // Records a change on the card read last.
    void Adjusted(std::string card, std::string field, std::string oldValue, std::string newValue);
    void BringIntoField(CCardRouteFlow& routeFlow, bool permitted);

    std::unique_ptr<CLineStream> m_lines;
    int m_labelCount = 0;
    int m_printPageCount = 0;
};

// Reads a whole network into a fresh document. settings is changed only when the read
// succeeds; any failure propagates and leaves nothing behind.
std::unique_ptr<CDocumentData>
ReadNetwork(CCardStream& stream, NetworkSettings& settings, bool checkpoint,
            const std::string& defaultLaneFlowDelimiter = NetworkSettings{}.LaneFlowDelimiter);

// Opens path and reads it as above; a file that cannot be opened, or a folder, raises
// errFileRead with a message that names the path and says why.
std::unique_ptr<CDocumentData>
LoadNetworkFile(const std::filesystem::path& path, NetworkSettings& settings,
                const std::string& defaultLaneFlowDelimiter = NetworkSettings{}.LaneFlowDelimiter);
// The same, and before any failure propagates, failure receives what the user is told: the
// program's message and, for a damaged file, the line where reading stopped.
std::unique_ptr<CDocumentData>
LoadNetworkFile(const std::filesystem::path& path, NetworkSettings& settings,
                CNetworkReadError& failure,
                const std::string& defaultLaneFlowDelimiter = NetworkSettings{}.LaneFlowDelimiter);

// Writes the document to path through a temporary file and a rename; on any failure the file
// already there stays as it was.
void SaveNetworkFile(const std::filesystem::path& path, const CDocumentData& document,
                     const NetworkSettings& settings);

// "Line 12, ODFLW card: the desired flow -5 became 0".
std::string ReadAdjustmentText(const CReadAdjustment& adjustment);
// What opening a file tells the user of the adjustments: a heading, then one line each (the
// first twenty, and how many more).
std::string ReadAdjustmentsMessage(const std::vector<CReadAdjustment>& adjustments);

// The undo snapshot of a document: LF-ended UTF-8 cards without view positions.
std::string WriteNetworkSnapshot(const CDocumentData& document, const NetworkSettings& settings);

// Why the project texts or the per-network settings cannot be stored in a network file (a text
// longer than its card, a delimiter with a line break), as the writer words it; empty when they
// can. Checked where they are entered, since a document holding them could not be saved and
// could take no undo checkpoint.
std::string UnstorableNetworkTextMessage(const CProjectInformation& project,
                                         const NetworkSettings& settings);
