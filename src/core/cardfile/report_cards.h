// The cards that store report definitions: REPDS, REPD, REPF and the four option cards.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CCardWriter;
class CCardStream;
class CFlowGroups;
class CReportDefinition;
class CReportDefinitions;
class CReportFragment;
enum class ReportFragmentType : int;

// REPD: one report's position, fragment count, paper size and title. The older form without
// paper size (title from column 15) is read too.
class CCardReportDefinition
{
public:
    int position = 0;
    int fragmentCount = 0;
    int paperSize = 0;
    std::string title;

    static CCardReportDefinition FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardReportDefinition&, const CCardReportDefinition&) = default;
};

// REPF: one fragment's position, type, name flags and name; the older form without landscape
// (name from column 20) is read too.
class CCardReportFragment
{
public:
    int position = 0;
    int type = 0;
    bool showName = false;
    bool landscape = false;
    std::string name;

    static CCardReportFragment FromLine(std::string_view line);
    std::string Format() const;

    friend bool operator==(const CCardReportFragment&, const CCardReportFragment&) = default;
};

// The option card that follows a REPF card: the settings of one fragment type. Flow groups
// are stored by number (-1 for none) and held here as numbers; the conversion to and from ids
// happens against the flow groups given.
class CCardDerivedReportFragment
{
public:
    virtual ~CCardDerivedReportFragment() = default;
    virtual std::string Format() const = 0;
    virtual void Apply(CReportFragment& fragment, const CFlowGroups& groups) const = 0;
    // Template form: forget what belongs to one network.
    virtual void ClearNetworkValues() = 0;
    virtual std::string_view Keyword() const = 0;
};

// Makes the option card of a fragment type from a fragment or from a read line. A type it
// does not know yields none.
class CCardDerivedReportFragmentAbstractFactory
{
public:
    virtual ~CCardDerivedReportFragmentAbstractFactory() = default;
    virtual std::unique_ptr<CCardDerivedReportFragment>
    FromFragment(const CReportFragment& fragment, const CFlowGroups& groups) const = 0;
    virtual std::unique_ptr<CCardDerivedReportFragment> FromLine(ReportFragmentType type,
                                                                 std::string_view line) const = 0;
};

class CCarouselCardReportFragmentFactory : public CCardDerivedReportFragmentAbstractFactory
{
public:
    std::unique_ptr<CCardDerivedReportFragment>
    FromFragment(const CReportFragment& fragment, const CFlowGroups& groups) const override;
    std::unique_ptr<CCardDerivedReportFragment> FromLine(ReportFragmentType type,
                                                         std::string_view line) const override;
};

// The number of the template file layout this program writes and reads (REPTS).
inline constexpr int ReportTemplateSchema = 1;

// Writes REPDS and every report definition group in position order. Report cards take no part
// in the file checksum, so nothing is returned.
class CReportFileWriter
{
public:
    CReportFileWriter(CCardWriter& out, const CReportDefinitions& definitions,
                      const CFlowGroups& groups);
    void WriteNetworkReports();
    // A template file: REPTS (schema and product code), then the definition's group in template
    // form, where the flow group and print zone are written as -1 (they belong to one network).
    void WriteTemplate(const CReportDefinition& definition);

private:
    void WriteDefinition(const CReportDefinition& definition, bool templateForm);

    CCardWriter* m_out;
    const CReportDefinitions* m_definitions;
    const CFlowGroups* m_groups;
    CCarouselCardReportFragmentFactory m_factory;
};

// Reads REPDS and its report definition groups into definitions, replacing what they held.
// Lines are parsed by column without comparing keywords. A fragment type that no fragment can
// be made for raises errCorruptCardData, since its option card could not be told apart.
class CReportFileReader
{
public:
    CReportFileReader(CCardStream& in, CReportDefinitions& definitions, const CFlowGroups& groups);
    void ReadNetworkReports();
    // A template file into definition, which keeps its title: REPTS must carry this program's
    // product code (else eFileError::Corrupt) and a schema it knows (else
    // eFileError::LaterVersion); then one definition group, of which only the paper size and
    // the fragments are applied.
    void ReadTemplate(CReportDefinition& definition);

private:
    void ReadDefinition(CReportDefinition& definition, bool templateForm);

    CCardStream* m_in;
    CReportDefinitions* m_definitions;
    const CFlowGroups* m_groups;
    CCarouselCardReportFragmentFactory m_factory;
};
