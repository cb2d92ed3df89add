// The report builder.
#include "reports/carousel_report_builder_view.h"

#include "document/carousel_doc.h"
#include "document/file_chooser.h"
#include "document/prompt.h"
#include "document/wait_cursor.h"
#include "platform/pdf_stamps.h"
#include "reports/report_choice_box.h"
#include "reports/report_definition.h"
#include "reports/report_file_names.h"
#include "reports/report_fragment_options.h"
#include "reports/report_pdf_writer.h"
#include "reports/report_source.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
QPushButton* Button(const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

QGroupBox* Box(const QString& title, QLayout* layout)
{
    auto* box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

// Lists hold texts only: the objects behind them are found by position.
void SetRows(QListWidget& list, const QStringList& rows, int current)
{
    const QSignalBlocker blocker(&list);
    bool same = list.count() == rows.size();
    for (int i = 0; same && i < rows.size(); ++i)
        same = list.item(i)->text() == rows[i];
    if (!same) {
        list.clear();
        list.addItems(rows);
    }
    list.setCurrentRow(current);
}
} // namespace

CCarouselReportBuilderView::CCarouselReportBuilderView(CCarouselDoc& document, CFileChooser& files,
                                                       const CTextMeasurer& measurer,
                                                       QWidget* parent)
    : QWidget(parent), m_document(&document), m_files(&files), m_measurer(&measurer),
      m_commands(document)
{
    auto* left = new QWidget;
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(MakeReportsBox(), 1);
    m_reportBox = MakeReportBox();
    column->addWidget(m_reportBox);
    m_fragmentsBox = MakeFragmentsBox();
    column->addWidget(m_fragmentsBox, 2);
    column->addWidget(MakeOutputRow());

    m_options = new CReportFragmentOptions(document, m_commands);
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_options);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* optionsLayout = new QVBoxLayout;
    optionsLayout->addWidget(scroll);
    QGroupBox* optionsBox = Box(tr("Fragment Options"), optionsLayout);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(optionsBox);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    SelectReport(m_document->GetReportDefinitions().GetCount() > 0 ? 1 : 0);
}

QWidget* CCarouselReportBuilderView::MakeReportsBox()
{
    m_reports = new QListWidget;
    m_reports->setObjectName("reports");
    connect(m_reports, &QListWidget::currentRowChanged, this,
            [this](int row) { SelectReport(row + 1); });

    auto* create = Button(tr("&New"), "createReport");
    connect(create, &QPushButton::clicked, this, &CCarouselReportBuilderView::CreateReport);
    auto* fromTemplate = Button(tr("From &Template..."), "createFromTemplate");
    connect(fromTemplate, &QPushButton::clicked, this,
            &CCarouselReportBuilderView::CreateFromTemplate);
    m_saveTemplate = Button(tr("Save T&emplate..."), "saveTemplate");
    connect(m_saveTemplate, &QPushButton::clicked, this, &CCarouselReportBuilderView::SaveTemplate);
    m_deleteReport = Button(tr("&Delete"), "deleteReport");
    connect(m_deleteReport, &QPushButton::clicked, this, &CCarouselReportBuilderView::DeleteReport);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(fromTemplate);
    buttons->addWidget(m_saveTemplate);
    buttons->addWidget(m_deleteReport);
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_reports);
    layout->addLayout(buttons);
    return Box(tr("Reports"), layout);
}

QWidget* CCarouselReportBuilderView::MakeReportBox()
{
    m_title = new QLineEdit;
    m_title->setObjectName("title");
    connect(m_title, &QLineEdit::editingFinished, this, &CCarouselReportBuilderView::CommitTitle);
    m_paperSize = new QComboBox;
    m_paperSize->setObjectName("paperSize");
    SetChoices(*m_paperSize, PaperSizeChoices());
    connect(m_paperSize, &QComboBox::activated, this, [this](int index) {
        CReportDefinition* report = SelectedReport();
        const std::optional<long long> value = ChoiceValue(*m_paperSize, index);
        if (report && value && static_cast<long long>(report->GetPaperSize()) != *value)
            Act([&] { m_commands.SetPaperSize(*report, static_cast<PaperSize>(*value)); });
        else
            Refresh();
    });
    auto* layout = new QFormLayout;
    layout->addRow(tr("T&itle:"), m_title);
    layout->addRow(tr("&Paper size:"), m_paperSize);
    return Box(tr("Report"), layout);
}

QWidget* CCarouselReportBuilderView::MakeFragmentsBox()
{
    m_fragments = new QListWidget;
    m_fragments->setObjectName("fragments");
    connect(m_fragments, &QListWidget::currentRowChanged, this,
            [this](int row) { SelectFragment(row + 1); });

    m_addFragment = new QToolButton;
    m_addFragment->setObjectName("addFragment");
    m_addFragment->setText(tr("&Add"));
    m_addFragment->setPopupMode(QToolButton::InstantPopup);
    m_addFragment->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menu = new QMenu(m_addFragment);
    const std::pair<ReportFragmentType, QString> types[] = {
        {ReportFragmentType::Header, tr("Header")},
        {ReportFragmentType::FlowsMatrix, tr("Flows Matrix")},
        {ReportFragmentType::RoutesList, tr("Routes List")},
        {ReportFragmentType::NetworkDiagram, tr("Network Diagram")},
        {ReportFragmentType::Footer, tr("Footer")}};
    for (const auto& [type, text] : types) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString("add%1").arg(static_cast<int>(type)));
        connect(action, &QAction::triggered, this, [this, type] { AddFragment(type); });
    }
    m_addFragment->setMenu(menu);
    m_removeFragment = Button(tr("&Remove"), "removeFragment");
    connect(m_removeFragment, &QPushButton::clicked, this,
            &CCarouselReportBuilderView::RemoveFragment);
    m_moveUp = Button(tr("Move &Up"), "moveFragmentUp");
    connect(m_moveUp, &QPushButton::clicked, this, [this] { MoveFragment(-1); });
    m_moveDown = Button(tr("Move Do&wn"), "moveFragmentDown");
    connect(m_moveDown, &QPushButton::clicked, this, [this] { MoveFragment(+1); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addFragment);
    buttons->addWidget(m_removeFragment);
    buttons->addWidget(m_moveUp);
    buttons->addWidget(m_moveDown);
    // The add button is as tall as its neighbours.
    m_addFragment->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_fragments);
    layout->addLayout(buttons);
    return Box(tr("Fragments"), layout);
}

QWidget* CCarouselReportBuilderView::MakeOutputRow()
{
    m_save = Button(tr("&Save..."), "saveReport");
    connect(m_save, &QPushButton::clicked, this, &CCarouselReportBuilderView::SaveReport);
    m_savePdf = Button(tr("Save As &PDF..."), "saveReportPdf");
    connect(m_savePdf, &QPushButton::clicked, this, &CCarouselReportBuilderView::SaveReportPdf);
    m_view = Button(tr("&View"), "viewReport");
    connect(m_view, &QPushButton::clicked, this, &CCarouselReportBuilderView::ViewReport);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(m_save);
    layout->addWidget(m_savePdf);
    layout->addWidget(m_view);
    return row;
}

void CCarouselReportBuilderView::OnUpdate(int hint)
{
    if (hint == HintObjectsReplaced) {
        m_replaced = true;
        m_options->Drop();
        return;
    }
    m_replaced = false;
    if (!m_holdRefresh)
        Refresh();
}

CReportDefinition* CCarouselReportBuilderView::SelectedReport() const
{
    if (m_replaced)
        return nullptr;
    return m_document->GetReportDefinitions().GetDefinition(m_reportPosition);
}

CReportFragment* CCarouselReportBuilderView::SelectedFragment() const
{
    CReportDefinition* report = SelectedReport();
    return report ? report->GetFragments().GetFragment(m_fragmentPosition) : nullptr;
}

template <typename F> void CCarouselReportBuilderView::Act(F&& command)
{
    m_holdRefresh = true;
    command();
    m_holdRefresh = false;
    Refresh();
}

void CCarouselReportBuilderView::Refresh()
{
    if (m_replaced)
        return;
    const CReportDefinitions& reports = m_document->GetReportDefinitions();
    m_reportPosition =
        std::clamp(m_reportPosition, reports.GetCount() > 0 ? 1 : 0, reports.GetCount());
    QStringList titles;
    for (int position = 1; position <= reports.GetCount(); ++position)
        titles << QString::fromStdString(reports.GetDefinition(position)->GetTitle());
    SetRows(*m_reports, titles, m_reportPosition - 1);

    CReportDefinition* report = SelectedReport();
    QStringList names;
    if (report) {
        const CReportFragments& fragments = report->GetFragments();
        for (int position = 1; position <= fragments.GetCount(); ++position)
            names << QString::fromStdString(fragments.GetFragment(position)->GetName());
    }
    m_fragmentPosition =
        std::clamp(m_fragmentPosition, names.isEmpty() ? 0 : 1, static_cast<int>(names.size()));
    SetRows(*m_fragments, names, m_fragmentPosition - 1);

    // What the user is typing stays until they finish.
    const QString title = report ? QString::fromStdString(report->GetTitle()) : QString();
    if (!m_title->hasFocus() || !m_title->isModified())
        m_title->setText(title);
    if (report)
        SelectChoice(*m_paperSize, static_cast<long long>(report->GetPaperSize()));
    m_reportBox->setEnabled(report != nullptr);
    m_fragmentsBox->setEnabled(report != nullptr);
    m_deleteReport->setEnabled(report != nullptr);
    m_saveTemplate->setEnabled(report != nullptr);
    m_save->setEnabled(report != nullptr);
    m_savePdf->setEnabled(report != nullptr);
    m_view->setEnabled(report != nullptr);

    CReportFragment* fragment = SelectedFragment();
    m_removeFragment->setEnabled(fragment != nullptr);
    m_moveUp->setEnabled(fragment && m_fragmentPosition > 1);
    m_moveDown->setEnabled(fragment && m_fragmentPosition < names.size());
    m_options->Show(fragment);
}

void CCarouselReportBuilderView::SelectReport(int position)
{
    if (position == m_reportPosition && !m_replaced && m_reports->count() > 0)
        return;
    m_reportPosition = position;
    m_fragmentPosition = 1;
    Refresh();
}

void CCarouselReportBuilderView::SelectFragment(int position)
{
    m_fragmentPosition = position;
    Refresh();
}

void CCarouselReportBuilderView::CreateReport()
{
    bool created = false;
    Act([&] {
        if (CReportDefinition* report = m_commands.CreateReport()) {
            m_reportPosition = report->GetPosition();
            m_fragmentPosition = 0;
            created = true;
        }
    });
    // A new report is named first.
    if (created) {
        m_title->setFocus(Qt::OtherFocusReason);
        m_title->selectAll();
    }
}

void CCarouselReportBuilderView::DeleteReport()
{
    if (CReportDefinition* report = SelectedReport())
        Act([&] { m_commands.DeleteReport(*report); });
}

void CCarouselReportBuilderView::CreateFromTemplate()
{
    Act([this] {
        CReportDefinition* pending = m_commands.BeginCreateFromTemplate();
        if (pending == nullptr)
            return;
        const std::optional<std::string> path = m_files->ChooseTemplateToOpen();
        if (!path) {
            m_commands.CancelCreateFromTemplate();
            return;
        }
        const CWaitCursor wait;
        if (CReportDefinition* report = m_commands.CommitCreateFromTemplate(*path)) {
            m_reportPosition = report->GetPosition();
            m_fragmentPosition = 1;
        }
    });
}

void CCarouselReportBuilderView::SaveTemplate()
{
    CReportDefinition* report = SelectedReport();
    if (report == nullptr)
        return;
    const std::optional<std::string> path =
        m_files->ChooseTemplateSaveAs(ProposedTemplateName(report->GetTitle()));
    if (!path)
        return;
    const CWaitCursor wait;
    m_commands.SaveTemplate(*report, *path);
}

void CCarouselReportBuilderView::CommitTitle()
{
    CReportDefinition* report = SelectedReport();
    if (report == nullptr || !m_title->isModified())
        return;
    m_title->setModified(false);
    Act([&] { m_commands.EditReportTitle(*report, m_title->text().toStdString()); });
}

void CCarouselReportBuilderView::AddFragment(ReportFragmentType type)
{
    if (CReportDefinition* report = SelectedReport()) {
        Act([&] {
            if (CReportFragment* fragment = m_commands.AddFragment(*report, type))
                m_fragmentPosition = fragment->GetPosition();
        });
    }
}

void CCarouselReportBuilderView::RemoveFragment()
{
    if (CReportFragment* fragment = SelectedFragment())
        Act([&] { m_commands.RemoveFragment(*fragment); });
}

void CCarouselReportBuilderView::MoveFragment(int step)
{
    CReportFragment* fragment = SelectedFragment();
    if (fragment == nullptr)
        return;
    Act([&] {
        const bool moved = step < 0 ? m_commands.MoveFragmentUp(*fragment)
                                    : m_commands.MoveFragmentDown(*fragment);
        if (moved)
            m_fragmentPosition += step;
    });
}

void CCarouselReportBuilderView::SaveReport()
{
    CReportDefinition* report = SelectedReport();
    if (report == nullptr)
        return;
    const std::optional<std::string> path =
        m_files->ChooseReportSaveAs(ProposedReportName(report->GetTitle()));
    if (!path)
        return;
    const CWaitCursor wait;
    m_commands.SaveReport(*report, *path, *m_measurer);
}

void CCarouselReportBuilderView::SaveReportPdf()
{
    CReportDefinition* report = SelectedReport();
    if (report == nullptr)
        return;
    const std::optional<std::string> path =
        m_files->ChooseReportPdfSaveAs(ProposedReportName(report->GetTitle(), ".pdf"));
    if (!path)
        return;
    const CWaitCursor wait;
    const CReportSource source{m_document->GetDiagramSource(), m_document->GetPathName(),
                               *m_measurer};
    try {
        ::SaveReportPdf(*path, *report, source, PrintTime());
    } catch (const std::exception& e) {
        if (CPrompt* prompt = m_document->GetPrompt())
            prompt->ShowMessage(e.what());
    }
}

void CCarouselReportBuilderView::ViewReport()
{
    if (CReportDefinition* report = SelectedReport()) {
        const CWaitCursor wait;
        m_commands.ViewReport(*report, *m_viewer, *m_measurer);
    }
}
