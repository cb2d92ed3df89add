// Every page of every settings sheet as it is laid out on a screen, and its tabs uncut.
#include "control_layout.h"
#include "document/carousel_doc.h"
#include "settings/network_settings_property_sheet.h"
#include "settings/preferences_sheets.h"
#include "support/sheet_driver.h"

#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace GuiTestSupport;

namespace
{
struct PageCase
{
    const char* file; // the screenshot's name
    std::function<std::unique_ptr<CPropertySheet>(ProgramSettings&, CCarouselDoc&)> open;
    const char* page;
};

void PrintTo(const PageCase& c, std::ostream* os)
{
    *os << c.page;
}

class SheetPageTest : public testing::TestWithParam<PageCase>
{
protected:
    // Texts as an engineer would fill them in, so that the pictures show the pages at work.
    SheetPageTest()
    {
        program.AutoSaveDirectory = "/home/engineer/.cache/gyrolith/";
        program.NotificationFrequency = "3";
        program.DefAuthor = "A. Engineer";
        program.DefCompany = "Ring Road Consulting";
        program.DefAddress = "1 High Street\r\nMarket Town\r\nMT1 2AB";
        document.OnNewDocument();
        NetworkSettings settings = network;
        settings.Author = program.DefAuthor;
        settings.Company = program.DefCompany;
        settings.Address = program.DefAddress;
        document.EditNetworkSettings({"AM peak capacity study", "North Junction, A123 / B456",
                                      "Entry 1 flared; counts of 12 March.", "North Junction",
                                      "J42"},
                                     settings);
    }

    ProgramSettings program;
    NetworkSettings network;
    CCarouselDoc document{program, network};
};

TEST_P(SheetPageTest, TextsFitAndNothingOverlaps)
{
    const PageCase& c = GetParam();
    const std::unique_ptr<CPropertySheet> sheet = c.open(program, document);
    auto* tabs = sheet->findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == c.page) {
            tabs->setCurrentIndex(i);
        }
    }
    ASSERT_EQ(tabs->tabText(tabs->currentIndex()), c.page);
    ShowActive(*sheet);
    QWidget& page = *tabs->currentWidget();

    const QTabBar& bar = *tabs->tabBar();
    for (int i = 0; i < bar.count(); ++i) {
        EXPECT_TRUE(bar.rect().contains(bar.tabRect(i)) &&
                    bar.tabRect(i).width() > bar.fontMetrics().horizontalAdvance(bar.tabText(i)))
            << "the tab \"" << bar.tabText(i).toStdString() << "\" is cut";
    }

    LayoutCheck::ExpectLaidOut(*sheet, page);
    LayoutCheck::CaptureIfAsked(*sheet, c.file);
}

std::unique_ptr<CPropertySheet> Options(ProgramSettings& program, CCarouselDoc&)
{
    return std::make_unique<CPreferencesPropertySheet>(program);
}
std::unique_ptr<CPropertySheet> Defaults(ProgramSettings& program, CCarouselDoc&)
{
    return std::make_unique<CPreferencesDefaultsPropertySheet>(program);
}
std::unique_ptr<CPropertySheet> Graphics(ProgramSettings& program, CCarouselDoc&)
{
    return std::make_unique<CPreferencesGraphicsPropertySheet>(program);
}
std::unique_ptr<CPropertySheet> ProjectInformation(ProgramSettings&, CCarouselDoc& document)
{
    return std::make_unique<CNetworkSettingsPropertySheet>(
        document, CNetworkSettingsPropertySheet::EPage::ProjectInformation);
}
std::unique_ptr<CPropertySheet> NetworkGraphics(ProgramSettings&, CCarouselDoc& document)
{
    return std::make_unique<CNetworkSettingsPropertySheet>(
        document, CNetworkSettingsPropertySheet::EPage::GraphicsSettings);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, SheetPageTest,
    testing::Values(
        PageCase{"options-current-program-settings", Options, "Current Program Settings"},
        PageCase{"defaults-network-parameters", Defaults, "Default Network Parameters"},
        PageCase{"defaults-author-information", Defaults, "Default Author Information"},
        PageCase{"defaults-graphical-settings", Defaults, "Default Graphical Settings"},
        PageCase{"graphics-current-display-settings", Graphics, "Current Display Settings"},
        PageCase{"network-project-information", ProjectInformation, "Project Information"},
        PageCase{"network-graphics-settings", NetworkGraphics, "Network Graphics Settings"}),
    [](const testing::TestParamInfo<PageCase>& param) {
        return LayoutCheck::NameOf(param.param.file);
    });

} // namespace
