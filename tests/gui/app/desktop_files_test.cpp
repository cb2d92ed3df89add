// The files that offer the program to the desktop: its launcher entry and the network file type.
#include "external_tools.h"

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <fstream>
#include <gtest/gtest.h>

namespace
{
using TestSupport::HaveExecutable;

// Set for the child run that looks the type up in an installed prefix only.
constexpr const char* PrefixVariable = "GYROLITH_MIME_PREFIX";

TEST(DesktopFilesTest, LauncherEntryPassesValidation)
{
    if (!HaveExecutable("/usr/bin/desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed (package desktop-file-utils)";
    const auto result = TestSupport::Run("/usr/bin/desktop-file-validate " GYROLITH_SOURCE_DIR
                                         "/src/app/gyrolith.desktop");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output, "") << "warnings count as faults";
}

TEST(DesktopFilesTest, InstalledTypeNamesNetworkFilesByNameAndByContent)
{
    if (!HaveExecutable("/usr/bin/update-mime-database"))
        GTEST_SKIP() << "update-mime-database is not installed (package shared-mime-info)";
    const auto prefix = TestSupport::ScratchDir("desktop-install");
    const auto install =
        TestSupport::Run(std::string("\"" GYROLITH_CMAKE "\" --install " GYROLITH_BINARY_DIR
                                     " --component desktop --prefix ") +
                         prefix.string());
    ASSERT_EQ(install.status, 0) << install.output;
    for (const char* file :
         {"share/applications/gyrolith.desktop", "share/mime/packages/gyrolith.xml",
          "share/icons/hicolor/scalable/apps/gyrolith.svg"})
        EXPECT_TRUE(std::filesystem::exists(prefix / file)) << file;
    const auto database =
        TestSupport::Run("/usr/bin/update-mime-database " + (prefix / "share/mime").string());
    ASSERT_EQ(database.status, 0) << database.output;

    // The database reads its folders once per process: look in a child that sees only these.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_DIRS", QString::fromStdString((prefix / "share").string()));
    environment.insert("XDG_DATA_HOME", QString::fromStdString((prefix / "home").string()));
    environment.insert(PrefixVariable, QString::fromStdString(prefix.string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=DesktopFilesTest.TypeLookupInInstalledPrefix"});
    ASSERT_TRUE(child.waitForFinished(60'000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

// Runs only in the child above.
TEST(DesktopFilesTest, TypeLookupInInstalledPrefix)
{
    const QByteArray prefix = qgetenv(PrefixVariable);
    if (prefix.isEmpty())
        GTEST_SKIP() << "run by InstalledTypeNamesNetworkFilesByNameAndByContent";
    const std::filesystem::path dir = prefix.toStdString();
    std::ofstream(dir / "ring.crs") << "SCHEM1.3\r\n";
    std::ofstream(dir / "ring.backup") << "SCHEM1.3\r\n";
    const QMimeDatabase database;
    const QMimeType byName =
        database.mimeTypeForFile(QString::fromStdString((dir / "ring.crs").string()));
    EXPECT_EQ(byName.name(), "application/x-gyrolith-network");
    EXPECT_EQ(byName.comment(), "Gyrolith Document");
    const QMimeType byContent =
        database.mimeTypeForFile(QString::fromStdString((dir / "ring.backup").string()));
    EXPECT_EQ(byContent.comment(), "Gyrolith Document") << "the magic SCHEM at offset 0";
}

} // namespace
