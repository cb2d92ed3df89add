// "Copy Diagram To Clipboard" and the progress dialog of long work.
#include "app_fixture.h"
#include "external_tools.h"
#include "routing/progress_feedback.h"
#include "view/diagram_clipboard.h"
#include "view/diagram_painter.h"
#include "view/network_view.h"
#include "view/network_view_child_frame.h"

#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <thread>

namespace
{

class ClipboardTest : public testing::Test, public AppFixture
{};

TEST_F(ClipboardTest, TheDiagramGoesAsMetafileSvgAndPng)
{
    Start({Example("roundabout.crs")});
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(app->CopyDiagram());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("image/x-emf"));
    EXPECT_TRUE(data->hasFormat("image/svg+xml"));
    EXPECT_TRUE(data->hasFormat("image/png"));

    const QByteArray emf = data->data("image/x-emf");
    ASSERT_GT(emf.size(), 100);
    EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF")) << "the header's signature";

    // Sized in millimetres: one plan unit is a tenth of one.
    const QByteArray svg = data->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("mm\"")) << svg.left(400).toStdString();

    // A large plan stays a picture that readers accept, and keeps its size on paper.
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data("image/png"), "PNG"));
    EXPECT_LE(std::max(png.width(), png.height()), 3000);
    EXPECT_LE(png.dotsPerMeterX(), 200 / 0.0254 + 1);
    const CRect bounds =
        NetworkDiagramBounds(app->GetDocument()->GetDiagramSource(), app->GetMeasurer());
    const double widthInMetres = png.width() / static_cast<double>(png.dotsPerMeterX());
    const double planWidth = bounds.Width() + 2 * DiagramMargin;
    EXPECT_NEAR(widthInMetres, planWidth * 0.0001, planWidth * 0.0001 * 0.01);
    // The SVG is the same picture: its width in millimetres is the plan's in tenths.
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1mm\"").arg(planWidth / 10.0).toUtf8()))
        << svg.left(300).toStdString();

    if (TestSupport::HaveExecutable("/usr/bin/emf2svg-conv")) {
        const auto scratch = TestSupport::ScratchDir("clipboard-emf");
        TestSupport::WriteBytes(scratch / "copy.emf",
                                std::span(reinterpret_cast<const std::uint8_t*>(emf.data()),
                                          static_cast<std::size_t>(emf.size())));
        const auto converted =
            TestSupport::Run("/usr/bin/emf2svg-conv -i " + (scratch / "copy.emf").string() +
                             " -o " + (scratch / "copy.svg").string());
        EXPECT_EQ(converted.status, 0) << converted.output;
        EXPECT_GT(std::filesystem::file_size(scratch / "copy.svg"), 1000u);
    }
}

TEST_F(ClipboardTest, CtrlCCopiesTheDiagramOnlyInTheNetworkView)
{
    Start({Example("roundabout.crs")});
    auto* window = dynamic_cast<CNetworkViewChildFrame*>(app->Frames()[0]);
    ASSERT_NE(window, nullptr);
    app->GetMainFrame()->activateWindow();
    QGuiApplication::clipboard()->setText("before");
    const auto copied = [] {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasFormat("image/x-emf");
    };

    // In another pane of the same window Ctrl+C is that pane's own.
    QWidget* routeList = window->findChild<QWidget*>("Route List");
    ASSERT_NE(routeList, nullptr);
    routeList->setFocusPolicy(Qt::StrongFocus);
    routeList->setFocus();
    QTest::keyClick(routeList, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(copied());

    QWidget* view = window->GetNetworkView();
    view->setFocusPolicy(Qt::StrongFocus);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(copied());
}

TEST(ProgressFeedbackTest, LongWorkShowsADialogWhoseCancelStopsTheWork)
{
    CProgressFeedback progress(nullptr, "Balancing lane flows...", std::chrono::milliseconds(20));
    progress.Feedback().SetProgress(1);
    EXPECT_EQ(progress.GetDialog(), nullptr) << "not before the delay";
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    progress.Feedback().SetProgress(40);
    QProgressDialog* dialog = progress.GetDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->value(), 40);
    EXPECT_EQ(dialog->labelText(), "Balancing lane flows...");
    EXPECT_FALSE(progress.Feedback().IsCancelled());
    QPushButton* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(progress.Feedback().IsCancelled());
}

} // namespace
