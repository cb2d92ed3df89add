// Turns a report definition into a report document and writes it as RTF.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>

class CReportBodiesOwner;
class CReportDefinition;
class CReportDocument;
class CReportSection;
struct CReportSource;

// Generates one report from a document. The report opens with its title (centred, 14 points)
// and a blank paragraph; each fragment that is not a header or footer follows in position
// order, with a blank paragraph after it. A new section, which repeats every header and footer,
// starts only where a fragment's orientation differs from the one before it. A flow-based
// fragment without a flow group writes a message paragraph instead of its content.
class CReportGenerator
{
public:
    CReportGenerator(const CReportDefinition& definition, const CReportSource& source)
        : m_definition(&definition), m_source(&source)
    {}
    virtual ~CReportGenerator() = default;

    // The report tree, for writing or inspecting.
    std::unique_ptr<CReportDocument> Build() const;
    // Builds the report and writes it into a stream opened in binary mode.
    void Generate(std::ostream& out) const;

    virtual void AddHeadersAndFooters(CReportSection& section) const;
    virtual void AddBlankParagraph(CReportBodiesOwner& owner) const;
    // Margins, fonts, alignments and borders every report starts from; the paper size is the
    // definition's and is not touched here.
    virtual void SetDefaultProperties(CReportDocument& document) const;

private:
    const CReportDefinition* m_definition;
    const CReportSource* m_source;
};

// Writes the report to path through a temporary file beside it and a rename, so that a failed
// generation leaves no file and any file already there as it was. Raises errFileWrite when the
// file cannot be written; errors of the generation itself propagate after the temporary file
// is removed.
void SaveReport(const std::filesystem::path& path, const CReportDefinition& definition,
                const CReportSource& source);
