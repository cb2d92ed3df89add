// The lane flow display manager.
#include "tables/lane_flow_display_view.h"

#include "document/carousel_doc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
using B = LaneFlowDisplayButton;

QGroupBox* NewGroup(const QString& title, const QString& caption,
                    std::initializer_list<QAbstractButton*> buttons, QWidget* extra = nullptr)
{
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    for (QAbstractButton* button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    layout->addLayout(row);
    if (extra)
        layout->addWidget(extra);
    return group;
}
} // namespace

CLaneFlowDisplayView::CLaneFlowDisplayView(CCarouselDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_buttons(new QButtonGroup(this))
{
    setObjectName("Lane Flow Display Manager");
    // The buttons reflect the document; they are not exclusive on their own.
    m_buttons->setExclusive(false);
    const auto add = [this](QAbstractButton* button, B id) {
        m_buttons->addButton(button, static_cast<int>(id));
        return button;
    };
    auto* aggregation =
        NewGroup(tr("Lane Flow Aggregation"), tr("Aggregate Flows by :"),
                 {add(new QRadioButton(tr("Origin")), B::AggregateByOrigin),
                  add(new QRadioButton(tr("Destination")), B::AggregateByDestination),
                  add(new QRadioButton(tr("OD")), B::AggregateByOD),
                  add(new QRadioButton(tr("None")), B::AggregateNone)});
    auto* display = NewGroup(tr("Lane Flow Display"), tr("Colour Flows by :"),
                             {add(new QRadioButton(tr("Origin")), B::ColourByOrigin),
                              add(new QRadioButton(tr("Destination")), B::ColourByDestination)},
                             add(new QCheckBox(tr("Show Zero Flows on Lanes")), B::ShowZeroFlows));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(aggregation);
    layout->addWidget(display);
    layout->addStretch(1);
    connect(m_buttons, &QButtonGroup::idClicked, this,
            [this](int id) { Press(static_cast<B>(id)); });

    m_document.AddView(this);
    ShowSettings();
}

CLaneFlowDisplayView::~CLaneFlowDisplayView()
{
    m_document.RemoveView(this);
}

QAbstractButton* CLaneFlowDisplayView::Button(LaneFlowDisplayButton button) const
{
    return m_buttons->button(static_cast<int>(button));
}

void CLaneFlowDisplayView::OnUpdate(int hint)
{
    if (hint != HintObjectsReplaced)
        ShowSettings();
}

void CLaneFlowDisplayView::Press(LaneFlowDisplayButton button)
{
    if (const auto command = LaneFlowDisplayButtonCommand(m_document.GetLaneFlowDisplay(), button))
        m_document.RunLaneFlowDisplayCommand(*command);
    // A click on a pressed button unchecks it: show the document's state again either way.
    ShowSettings();
}

void CLaneFlowDisplayView::ShowSettings()
{
    const CLaneFlowDisplayControls c = LaneFlowDisplayControls(m_document.GetLaneFlowDisplay());
    const std::pair<B, bool> checked[] = {
        {B::AggregateByOrigin, c.aggregateByOrigin},
        {B::AggregateByDestination, c.aggregateByDestination},
        {B::AggregateByOD, c.aggregateByOD},
        {B::AggregateNone, c.aggregateNone},
        {B::ColourByOrigin, c.colourByOrigin},
        {B::ColourByDestination, c.colourByDestination},
        {B::ShowZeroFlows, c.showZeroFlows},
    };
    for (const auto& [id, on] : checked)
        Button(id)->setChecked(on);
    Button(B::ColourByOrigin)->setEnabled(c.colourByOriginEnabled);
    Button(B::ColourByDestination)->setEnabled(c.colourByDestinationEnabled);
}
