// The options of the report fragment the builder has selected.
#include "reports/report_fragment_options.h"

#include "document/carousel_doc.h"
#include "reports/header_footer_report_fragment.h"
#include "reports/report_choice_box.h"
#include "reports/routes_report_fragment.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace
{
using Diagram = CCarouselNetworkDiagramReportFragment;
using Flows = CCarouselFlowsReportFragment;
using Routes = CCarouselRoutesReportFragment;
using HeaderFooter = CHeaderFooterReportFragment;
using FlowBased = CCarouselFlowGroupReportFragmentComponent;

// The pages of the stack, in the order they are added.
enum Page
{
    DiagramPage,
    FlowsPage,
    RoutesPage,
    HeaderFooterPage,
    BlankPage,
};

Page PageOf(const CReportFragment* fragment)
{
    if (fragment == nullptr)
        return BlankPage;
    switch (fragment->GetType()) {
    case ReportFragmentType::NetworkDiagram:
        return DiagramPage;
    case ReportFragmentType::FlowsMatrix:
        return FlowsPage;
    case ReportFragmentType::RoutesList:
        return RoutesPage;
    case ReportFragmentType::Header:
    case ReportFragmentType::Footer:
        return HeaderFooterPage;
    }
    return BlankPage;
}

QGroupBox* Box(const QString& title, QLayout* layout)
{
    auto* box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}
// The stack is as tall as its tallest page: the shorter ones keep their own height at the top.
QWidget* TopAligned(QWidget* page)
{
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    layout->addStretch(1);
    return holder;
}
} // namespace

CReportFragmentOptions::CReportFragmentOptions(CCarouselDoc& document, CReportCommands& commands,
                                               QWidget* parent)
    : QWidget(parent), m_document(&document), m_commands(&commands)
{
    m_pages = new QStackedWidget;
    for (QWidget* page :
         {MakeDiagramPage(), MakeFlowsPage(), MakeRoutesPage(), MakeHeaderFooterPage()})
        m_pages->addWidget(TopAligned(page));
    auto* blank = new QLabel(tr("Select a fragment of the report to set its options."));
    blank->setWordWrap(true);
    blank->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_pages->addWidget(blank);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_common = MakeCommonBox();
    layout->addWidget(m_common);
    m_flowGroupBox = MakeFlowGroupBox();
    layout->addWidget(m_flowGroupBox);
    layout->addWidget(m_pages);
    layout->addStretch(1);
    Show(nullptr);
}

template <typename F>
QCheckBox* CReportFragmentOptions::AddToggle(const QString& text, bool (F::*get)() const,
                                             std::function<void(F&, bool)> set)
{
    auto* box = new QCheckBox(text);
    m_fillers.push_back([box, get](CReportFragment& fragment) {
        if (auto* f = dynamic_cast<F*>(&fragment))
            box->setChecked((f->*get)());
    });
    connect(box, &QCheckBox::clicked, this, [this, get, set](bool on) {
        auto* f = dynamic_cast<F*>(m_fragment);
        if (f != nullptr && (f->*get)() != on)
            set(*f, on);
        Fill();
    });
    return box;
}

template <typename F>
QComboBox* CReportFragmentOptions::AddChoice(std::function<long long(const F&)> get,
                                             std::function<void(F&, long long)> set)
{
    auto* box = new QComboBox;
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_fillers.push_back([box, get](CReportFragment& fragment) {
        if (auto* f = dynamic_cast<F*>(&fragment))
            SelectChoice(*box, get(*f));
    });
    connect(box, &QComboBox::activated, this, [this, box, get, set](int index) {
        auto* f = dynamic_cast<F*>(m_fragment);
        const std::optional<long long> value = ChoiceValue(*box, index);
        if (f != nullptr && value && get(*f) != *value)
            set(*f, *value);
        Fill();
    });
    return box;
}

template <typename F>
QRadioButton* CReportFragmentOptions::AddRadio(QButtonGroup& group, const QString& text,
                                               long long value,
                                               std::function<long long(const F&)> get,
                                               std::function<void(F&, long long)> set)
{
    auto* radio = new QRadioButton(text);
    group.addButton(radio);
    m_fillers.push_back([radio, value, get](CReportFragment& fragment) {
        if (auto* f = dynamic_cast<F*>(&fragment))
            radio->setChecked(get(*f) == value);
    });
    connect(radio, &QRadioButton::clicked, this, [this, value, get, set] {
        auto* f = dynamic_cast<F*>(m_fragment);
        if (f != nullptr && get(*f) != value)
            set(*f, value);
        Fill();
    });
    return radio;
}

QWidget* CReportFragmentOptions::MakeCommonBox()
{
    auto* layout = new QVBoxLayout;
    CReportCommands* commands = m_commands;
    QCheckBox* name = AddToggle<CReportFragment>(
        tr("Show fragment &name"), &CReportFragment::GetShowFragmentName,
        [commands](CReportFragment& f, bool on) { commands->SetShowFragmentName(f, on); });
    name->setObjectName("showFragmentName");
    layout->addWidget(name);

    m_orientation = new QWidget;
    auto* row = new QHBoxLayout(m_orientation);
    row->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(this);
    const auto get = [](const CReportFragment& f) -> long long {
        return f.IsLandscape() ? 1 : 0;
    };
    const auto set = [commands](CReportFragment& f, long long landscape) {
        commands->SetLandscape(f, landscape != 0);
    };
    QRadioButton* portrait = AddRadio<CReportFragment>(*group, tr("&Portrait"), 0, get, set);
    portrait->setObjectName("portrait");
    QRadioButton* landscape = AddRadio<CReportFragment>(*group, tr("&Landscape"), 1, get, set);
    landscape->setObjectName("landscape");
    row->addWidget(portrait);
    row->addWidget(landscape);
    row->addStretch(1);
    layout->addWidget(m_orientation);
    return Box(tr("Fragment"), layout);
}

QWidget* CReportFragmentOptions::MakeFlowGroupBox()
{
    auto* layout = new QFormLayout;
    m_flowGroup = AddChoice<FlowBased>(
        [](const FlowBased& f) -> long long { return f.GetFlowGroupId(); },
        [this](FlowBased&, long long id) {
            m_commands->SetFlowGroup(*m_fragment, static_cast<std::uint32_t>(id));
        });
    m_flowGroup->setObjectName("flowGroup");
    layout->addRow(tr("&Flow group:"), m_flowGroup);
    QCheckBox* description = AddToggle<FlowBased>(
        tr("Show flow group &description"), &FlowBased::GetShowFlowGroupDescription,
        [this](FlowBased&, bool on) { m_commands->SetShowFlowGroupDescription(*m_fragment, on); });
    description->setObjectName("showFlowGroupDescription");
    layout->addRow(description);
    return Box(tr("Flows"), layout);
}

QWidget* CReportFragmentOptions::MakeDiagramPage()
{
    CReportCommands* commands = m_commands;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* aggregation = new QVBoxLayout;
    auto* aggregationGroup = new QButtonGroup(this);
    using A = ELaneFlowAggregation;
    const std::pair<A, QString> aggregations[] = {{A::ByOD, tr("By &OD movement")},
                                                  {A::ByOrigin, tr("By o&rigin")},
                                                  {A::ByDestination, tr("By d&estination")},
                                                  {A::None, tr("N&one")}};
    for (const auto& [value, text] : aggregations) {
        QRadioButton* radio = AddRadio<Diagram>(
            *aggregationGroup, text, static_cast<long long>(value),
            [](const Diagram& f) -> long long {
                return static_cast<long long>(f.GetAggregation());
            },
            [commands](Diagram& f, long long v) {
                commands->SetAggregation(f, static_cast<A>(v));
            });
        radio->setObjectName(QString("aggregation%1").arg(static_cast<int>(value)));
        aggregation->addWidget(radio);
    }
    layout->addWidget(Box(tr("Flow aggregation"), aggregation));

    auto* colouring = new QVBoxLayout;
    auto* colouringGroup = new QButtonGroup(this);
    using C = ELaneFlowColouring;
    const std::pair<C, QString> colourings[] = {{C::ByOrigin, tr("By or&igin")},
                                                {C::ByDestination, tr("By des&tination")}};
    for (const auto& [value, text] : colourings) {
        QRadioButton* radio = AddRadio<Diagram>(
            *colouringGroup, text, static_cast<long long>(value),
            [](const Diagram& f) -> long long { return static_cast<long long>(f.GetColouring()); },
            [commands](Diagram& f, long long v) { commands->SetColouring(f, static_cast<C>(v)); });
        radio->setObjectName(QString("colouring%1").arg(static_cast<int>(value)));
        colouring->addWidget(radio);
    }
    layout->addWidget(Box(tr("Flow colouring"), colouring));

    auto* drawing = new QFormLayout;
    m_printZone = AddChoice<Diagram>([](const Diagram& f) -> long long { return f.GetPrintZone(); },
                                     [commands](Diagram& f, long long zone) {
                                         commands->SetPrintZone(f, static_cast<int>(zone));
                                     });
    m_printZone->setObjectName("printZone");
    drawing->addRow(tr("Print &zone:"), m_printZone);
    QComboBox* scale =
        AddChoice<Diagram>([](const Diagram& f) -> long long { return f.GetScale(); },
                           [commands](Diagram& f, long long percent) {
                               commands->SetScale(f, static_cast<int>(percent));
                           });
    SetChoices(*scale, NetworkDiagramScaleChoices());
    scale->setObjectName("scale");
    drawing->addRow(tr("&Scale:"), scale);
    QCheckBox* zero = AddToggle<Diagram>(
        tr("Show zero lane flo&ws"), &Diagram::GetShowZeroLaneFlows,
        [commands](Diagram& f, bool on) { commands->SetShowZeroLaneFlows(f, on); });
    zero->setObjectName("showZeroLaneFlows");
    drawing->addRow(zero);
    QCheckBox* filtered = AddToggle<Diagram>(
        tr("Highlight filtered ro&utes"), &Diagram::GetHighlightFilteredRoutes,
        [commands](Diagram& f, bool on) { commands->SetHighlightFilteredRoutes(f, on); });
    filtered->setObjectName("highlightFilteredRoutes");
    drawing->addRow(filtered);
    QCheckBox* selected = AddToggle<Diagram>(
        tr("Highlight selected route&s"), &Diagram::GetHighlightSelectedRoutes,
        [commands](Diagram& f, bool on) { commands->SetHighlightSelectedRoutes(f, on); });
    selected->setObjectName("highlightSelectedRoutes");
    drawing->addRow(selected);
    layout->addWidget(Box(tr("Network diagram"), drawing));
    return page;
}

QWidget* CReportFragmentOptions::MakeFlowsPage()
{
    CReportCommands* commands = m_commands;
    auto* layout = new QFormLayout;
    using K = Flows::FlowMatrixKind;
    QComboBox* kind = AddChoice<Flows>(
        [](const Flows& f) -> long long { return static_cast<long long>(f.GetMatrixKind()); },
        [commands](Flows& f, long long v) { commands->SetMatrixKind(f, static_cast<K>(v)); });
    SetChoices(*kind, FlowsMatrixKindChoices());
    kind->setObjectName("matrixKind");
    layout->addRow(tr("&Matrix:"), kind);
    QComboBox* precision = AddChoice<Flows>(
        [](const Flows& f) -> long long { return f.GetPrecision(); },
        [commands](Flows& f, long long v) { commands->SetPrecision(f, static_cast<int>(v)); });
    SetChoices(*precision, PrecisionChoices());
    precision->setObjectName("precision");
    layout->addRow(tr("&Decimal places:"), precision);
    auto* page = Box(tr("Flows matrix"), layout);
    return page;
}

QWidget* CReportFragmentOptions::MakeRoutesPage()
{
    CReportCommands* commands = m_commands;
    using O = RoutesListOption;
    struct CColumn
    {
        O option;
        QString text;
        const char* name;
        bool (Routes::*get)() const;
    };
    const CColumn columns[] = {
        {O::IndicateIfRouteIsPermitted, tr("Indicate if route is &permitted"), "permitted",
         &Routes::GetIndicateIfRouteIsPermitted},
        {O::RouteNumber, tr("Route &number"), "routeNumber", &Routes::GetShowRouteNumber},
        {O::OriginZone, tr("Origin &zone"), "originZone", &Routes::GetShowOriginZone},
        {O::OriginArm, tr("Origin &arm"), "originArm", &Routes::GetShowOriginArm},
        {O::OriginLane, tr("Origin &lane"), "originLane", &Routes::GetShowOriginLane},
        {O::DestinationZone, tr("Destination z&one"), "destinationZone",
         &Routes::GetShowDestinationZone},
        {O::DestinationArm, tr("Destination a&rm"), "destinationArm",
         &Routes::GetShowDestinationArm},
        {O::DestinationLane, tr("Destination la&ne"), "destinationLane",
         &Routes::GetShowDestinationLane},
        {O::RouteFlow, tr("Route &flow"), "routeFlow", &Routes::GetShowRouteFlow},
        {O::FlowLockStatus, tr("Flow lock s&tatus"), "flowLockStatus",
         &Routes::GetShowFlowLockStatus},
        {O::AllowedRoutesOnly, tr("Allo&wed routes only"), "allowedRoutesOnly",
         &Routes::GetShowAllowedRoutesOnly},
    };
    auto* layout = new QVBoxLayout;
    for (const CColumn& column : columns) {
        const O option = column.option;
        QCheckBox* box =
            AddToggle<Routes>(column.text, column.get, [commands, option](Routes& f, bool on) {
                commands->SetRoutesListOption(f, option, on);
            });
        box->setObjectName(column.name);
        layout->addWidget(box);
    }
    return Box(tr("Routes list"), layout);
}

QWidget* CReportFragmentOptions::MakeHeaderFooterPage()
{
    CReportCommands* commands = m_commands;
    using I = HeaderFooterItem;
    struct CItem
    {
        I item;
        QString text;
        const char* name;
        bool (HeaderFooter::*get)() const;
    };
    const CItem items[] = {
        {I::Title, tr("&Title"), "title", &HeaderFooter::GetShowTitle},
        {I::FileName, tr("&File name"), "fileName", &HeaderFooter::GetShowFileName},
        {I::Path, tr("&Path"), "path", &HeaderFooter::GetShowPath},
        {I::Date, tr("&Date"), "date", &HeaderFooter::GetShowDate},
        {I::Time, tr("T&ime"), "time", &HeaderFooter::GetShowTime},
        {I::PageNumber, tr("Page &number"), "pageNumber", &HeaderFooter::GetShowPageNumber},
    };
    auto* layout = new QVBoxLayout;
    for (const CItem& entry : items) {
        const I item = entry.item;
        QCheckBox* box = AddToggle<HeaderFooter>(entry.text, entry.get,
                                                 [commands, item](HeaderFooter& f, bool on) {
                                                     commands->SetHeaderFooterItem(f, item, on);
                                                 });
        box->setObjectName(entry.name);
        layout->addWidget(box);
    }
    return Box(tr("Show"), layout);
}

void CReportFragmentOptions::Show(CReportFragment* fragment)
{
    m_fragment = fragment;
    if (fragment != nullptr)
        m_commands->AdoptCurrentFlowGroup(*fragment);
    const Page page = PageOf(fragment);
    m_pages->setCurrentIndex(page);
    m_common->setVisible(fragment != nullptr);
    // Headers and footers follow the orientation of the pages they are on.
    m_orientation->setVisible(page != HeaderFooterPage);
    m_flowGroupBox->setVisible(dynamic_cast<FlowBased*>(fragment) != nullptr);
    Fill();
}

void CReportFragmentOptions::Drop()
{
    m_fragment = nullptr;
}

void CReportFragmentOptions::Fill()
{
    if (m_fragment == nullptr)
        return;
    SetChoices(*m_flowGroup, FlowGroupChoices(m_document->GetNetwork().GetFlowGroups()));
    SetChoices(*m_printZone, PrintZoneChoices(m_document->GetPrintPages()));
    for (const auto& fill : m_fillers)
        fill(*m_fragment);
}
