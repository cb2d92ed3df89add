// Every page of every settings sheet as it is laid out on a screen: each text fits its control,
// no two controls overlap and nothing lies outside the window. With GYROLITH_SCREENS_DIR set on a
// real X display, each page is also captured into that folder, as the user sees it.
#include "case_name.h"
#include "document/carousel_doc.h"
#include "settings/network_settings_property_sheet.h"
#include "settings/preferences_sheets.h"
#include "support/sheet_driver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace GuiTestSupport;

namespace
{
using TestSupport::PrintTo;

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

// The controls a user reads or works, each its own rectangle on the page.
std::vector<QWidget*> VisibleControls(const QWidget& page)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : page.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(child) ||
                             qobject_cast<QAbstractButton*>(child) ||
                             qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
                             qobject_cast<QPlainTextEdit*>(child);
        // A combo box's own line edit and a text box's viewport are parts of their control.
        const bool part = qobject_cast<QComboBox*>(child->parentWidget()) != nullptr;
        if (control && !part && child->isVisibleTo(&page)) {
            controls.push_back(child);
        }
    }
    return controls;
}

QString Describe(const QWidget& control)
{
    if (auto* label = qobject_cast<const QLabel*>(&control)) {
        return "label \"" + label->text() + "\"";
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return QString(control.metaObject()->className()) + " \"" + button->text() + "\"";
    }
    return QString(control.metaObject()->className()) + " " + control.accessibleName();
}

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

    const std::vector<QWidget*> controls = VisibleControls(page);
    ASSERT_GE(controls.size(), 2u);
    const QRect window = sheet->rect();
    for (QWidget* control : controls) {
        const QRect box(control->mapTo(sheet.get(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(window.contains(box))
            << Describe(*control).toStdString() << " leaves the window";
        const QSize least = control->minimumSizeHint();
        EXPECT_GE(control->width(), least.width()) << Describe(*control).toStdString() << " is cut";
        EXPECT_GE(control->height(), least.height())
            << Describe(*control).toStdString() << " is cut";
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QRect a(controls[i]->mapTo(&page, QPoint(0, 0)), controls[i]->size());
            const QRect b(controls[j]->mapTo(&page, QPoint(0, 0)), controls[j]->size());
            EXPECT_FALSE(a.intersects(b)) << Describe(*controls[i]).toStdString() << " overlaps "
                                          << Describe(*controls[j]).toStdString();
        }
    }

    const QString folder = qEnvironmentVariable("GYROLITH_SCREENS_DIR");
    if (!folder.isEmpty() && QGuiApplication::platformName() == "xcb") {
        QTest::qWait(200); // the window manager's frame and the first paint
        const QString file = QDir(folder).filePath(QString(c.file) + ".png");
        EXPECT_EQ(QProcess::execute("import", {"-window", QString::number(sheet->winId()), file}),
                  0);
    }
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
    [](const testing::TestParamInfo<PageCase>& paramInfo) {
        // "network-graphics-settings" is NetworkGraphicsSettings.
        std::string name;
        bool upper = true;
        for (const char* p = paramInfo.param.file; *p != '\0'; ++p) {
            if (*p != '-') {
                name += upper ? static_cast<char>(std::toupper(*p)) : *p;
            }
            upper = *p == '-';
        }
        return name;
    });

} // namespace
