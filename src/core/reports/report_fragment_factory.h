// Making report fragments by type.
#pragma once

#include "reports/report_fragment.h"

#include <cstdint>
#include <memory>

// Makes the fragment of a type for a fragment collection; the collection owns the result.
class CReportFragmentAbstractFactory
{
public:
    virtual ~CReportFragmentAbstractFactory() = default;
    // None for a type the factory does not know.
    virtual std::unique_ptr<CReportFragment> CreateFragment(ReportFragmentType type,
                                                            CReportFragments& owner,
                                                            std::uint32_t id,
                                                            int position) const = 0;
};

// The program's factory for the five fragment types. A type value outside them (as a damaged
// REPF card can carry) yields no fragment.
class CCarouselReportFragmentFactory : public CReportFragmentAbstractFactory
{
public:
    std::unique_ptr<CReportFragment> CreateFragment(ReportFragmentType type,
                                                    CReportFragments& owner, std::uint32_t id,
                                                    int position) const override;
};
