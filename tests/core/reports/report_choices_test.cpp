// The choice lists of the report builder.
#include "printing/print_page.h"
#include "reports/report_choices.h"

#include <gtest/gtest.h>

namespace
{

std::string Texts(const std::vector<CReportChoice>& choices)
{
    std::string text;
    for (const CReportChoice& choice : choices)
        text += choice.text + "=" + std::to_string(choice.value) + " ";
    return text;
}

TEST(ReportChoices, ScalesRunByTensThenFifties)
{
    EXPECT_EQ(Texts(NetworkDiagramScaleChoices()),
              "Fit To Page Width=-1 10%=10 20%=20 30%=30 40%=40 50%=50 60%=60 70%=70 80%=80 "
              "90%=90 100%=100 150%=150 200%=200 250%=250 300%=300 350%=350 400%=400 450%=450 "
              "500%=500 ");
}

TEST(ReportChoices, EntireNetworkThenEachPrintZone)
{
    CPrintPages pages;
    EXPECT_EQ(Texts(PrintZoneChoices(pages)), "Entire Network=-1 ");
    pages.AddPage();
    pages.AddPage();
    EXPECT_EQ(Texts(PrintZoneChoices(pages)), "Entire Network=-1 Print Zone 1=1 Print Zone 2=2 ");
}

} // namespace
