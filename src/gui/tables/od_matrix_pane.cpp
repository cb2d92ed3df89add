// The OD matrix pane.
#include "tables/od_matrix_pane.h"

#include "document/carousel_doc.h"
#include "tables/grid_table_model.h"
#include "tables/od_matrix_view.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CODMatrixPane::CODMatrixPane(CCarouselDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_provider(document)
{
    setObjectName("OD Matrix View");
    m_model = new CGridTableModel(m_provider, this);
    m_view = new CODMatrixView(*m_model, m_provider);
    m_kinds = new QButtonGroup(this);
    auto* bar = new QHBoxLayout;
    const std::pair<const char*, ODMatrixGridKind> kinds[] = {
        {"Desired Flows", ODMatrixGridKind::Desired},
        {"Actual Flows", ODMatrixGridKind::Actual},
        {"Difference", ODMatrixGridKind::Difference},
        {"GEH", ODMatrixGridKind::Geh},
    };
    for (const auto& [text, kind] : kinds) {
        auto* button = new QRadioButton(tr(text));
        m_kinds->addButton(button, static_cast<int>(kind));
        bar->addWidget(button);
    }
    m_gehSummary = new QLabel;
    bar->addWidget(m_gehSummary);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    connect(m_kinds, &QButtonGroup::idClicked, this,
            [this](int id) { ChooseKind(static_cast<ODMatrixGridKind>(id)); });

    m_document.AddView(this);
    OnUpdate(HintNetworkChanged);
}

CODMatrixPane::~CODMatrixPane()
{
    m_document.RemoveView(this);
    // The grid reads the provider while it goes, and the provider goes before the children.
    delete m_view;
    delete m_model;
}

void CODMatrixPane::OnUpdate(int hint)
{
    m_provider.SetPrecision(m_document.GetProgramSettings().CurODFlowPrecision);
    m_model->Refresh([&] { m_provider.Update(hint); });
    ShowKind();
}

void CODMatrixPane::ChooseKind(ODMatrixGridKind kind)
{
    if (kind == ODMatrixGridKind::Geh) {
        m_model->Refresh([&] { m_provider.ChooseKind(kind); });
        ShowKind();
    } else {
        // The document updates its views, this pane too.
        m_provider.ChooseKind(kind);
    }
}

void CODMatrixPane::ShowKind()
{
    const ODMatrixGridKind kind = m_provider.GetKind();
    if (QAbstractButton* button = m_kinds->button(static_cast<int>(kind)))
        button->setChecked(true);
    const bool geh = kind == ODMatrixGridKind::Geh && m_provider.GetTable().HasFlowGroup();
    m_gehSummary->setVisible(geh);
    if (geh) {
        const CGehSummary summary = m_provider.GetTable().GetGehSummary();
        m_gehSummary->setText(
            tr("GEH below 5: %1 of %2 movements").arg(summary.below5).arg(summary.movements));
    }
}
