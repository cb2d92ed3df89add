// "Copy Diagram To Clipboard" on a real X server: what another program finds on the clipboard.
#include "app_fixture.h"
#include "external_tools.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{
using TestSupport::HaveExecutable;

// Set for the child run that copies on the X server the parent started.
constexpr const char* ChildVariable = "GYROLITH_X11_CLIPBOARD_CHILD";

// Runs a program while the event loop keeps going: the clipboard's owner is this process, and
// it must answer the reader's requests while the reader waits.
struct CProgramRun
{
    int status = -1;
    QByteArray output;
};

CProgramRun RunWhileServing(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(20'000, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

class X11ClipboardTest : public testing::Test, public AppFixture
{};

TEST_F(X11ClipboardTest, AnotherProgramFindsTheThreeFormatsAndTheMetafileConverts)
{
    for (const char* tool : {"/usr/bin/Xvfb", "/usr/bin/xclip", "/usr/bin/emf2svg-conv"})
        if (!HaveExecutable(tool))
            GTEST_SKIP() << tool << " is not installed (packages xvfb, xclip, emf2svg)";
    QProcess server;
    server.start("/usr/bin/Xvfb",
                 {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    ASSERT_TRUE(server.waitForStarted(10'000));
    QByteArray display;
    while (!display.contains('\n') && server.waitForReadyRead(10'000))
        display += server.readAllStandardOutput();
    ASSERT_FALSE(display.trimmed().isEmpty()) << "Xvfb did not say which display it took";

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", ":" + QString::fromLatin1(display.trimmed()));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert(ChildVariable, "1");
    environment.insert("LSAN_OPTIONS", "suppressions=" GYROLITH_SOURCE_DIR
                                       "/scripts/lsan-third-party.supp:print_suppressions=0");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=X11ClipboardTest.CopiesOnTheServerItRunsOn"});
    const bool finished = child.waitForFinished(120'000);
    const QString output = QString::fromLocal8Bit(child.readAll());
    server.kill();
    server.waitForFinished();
    ASSERT_TRUE(finished) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

// Runs only in the child above.
TEST_F(X11ClipboardTest, CopiesOnTheServerItRunsOn)
{
    if (qEnvironmentVariableIsEmpty(ChildVariable))
        GTEST_SKIP() << "run by AnotherProgramFindsTheThreeFormatsAndTheMetafileConverts";
    Start({Example("roundabout.crs")});
    ASSERT_TRUE(app->CopyDiagram());

    const CProgramRun targets =
        RunWhileServing("/usr/bin/xclip", {"-selection", "clipboard", "-t", "TARGETS", "-o"});
    ASSERT_EQ(targets.status, 0);
    const QList<QByteArray> offered = targets.output.split('\n');
    for (const char* format : {"image/x-emf", "image/svg+xml", "image/png"})
        EXPECT_TRUE(offered.contains(format)) << format << " in " << targets.output.toStdString();

    const CProgramRun emf =
        RunWhileServing("/usr/bin/xclip", {"-selection", "clipboard", "-t", "image/x-emf", "-o"});
    ASSERT_EQ(emf.status, 0);
    const auto scratch = TestSupport::ScratchDir("x11-clipboard");
    TestSupport::WriteBytes(scratch / "pasted.emf",
                            std::span(reinterpret_cast<const std::uint8_t*>(emf.output.data()),
                                      static_cast<std::size_t>(emf.output.size())));
    const auto converted =
        TestSupport::Run("/usr/bin/emf2svg-conv -i " + (scratch / "pasted.emf").string() + " -o " +
                         (scratch / "pasted.svg").string());
    EXPECT_EQ(converted.status, 0) << converted.output;
    EXPECT_GT(std::filesystem::file_size(scratch / "pasted.svg"), 1000u);
}

} // namespace
