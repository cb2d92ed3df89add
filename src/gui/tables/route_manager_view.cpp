// The route manager.
#include "tables/route_manager_view.h"

#include "document/carousel_doc.h"
#include "model/route_filter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
int IndexOf(RouteFilterSide side, int level)
{
    return (side == RouteFilterSide::Origin ? 0 : 3) + level;
}
} // namespace

CRouteManagerView::CRouteManagerView(CCarouselDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document)
{
    setObjectName("Route Manager");
    auto* filter = new QGroupBox(tr("Route Filter"));
    auto* grid = new QGridLayout(filter);
    grid->addWidget(new QLabel(tr("Zone")), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Arm")), 0, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Lane")), 0, 3, Qt::AlignHCenter);
    for (const auto& [side, caption, line] :
         {std::tuple{RouteFilterSide::Origin, "Origin", 1},
          std::tuple{RouteFilterSide::Destination, "Destination", 2}}) {
        grid->addWidget(new QLabel(tr(caption)), line, 0);
        for (int level = 0; level < 3; ++level) {
            auto* list = new QComboBox;
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            m_lists[static_cast<std::size_t>(IndexOf(side, level))] = list;
            grid->addWidget(list, line, level + 1);
            connect(list, &QComboBox::activated, this,
                    [this, side, level](int entry) { Choose(side, level, entry); });
        }
    }
    grid->setColumnStretch(4, 1);

    m_editPermitted = new QCheckBox(tr("Edit Permitted Routes"));
    connect(m_editPermitted, &QCheckBox::clicked, this,
            [this](bool checked) { m_document.SetEditPermittedRoutes(checked); });
    auto* select = new QPushButton(tr("Select All"));
    select->setToolTip(tr("Select all currently filtered routes."));
    connect(select, &QPushButton::clicked, this,
            [this] { m_document.SetAllFilteredRoutesSelected(true); });
    auto* deselect = new QPushButton(tr("Deselect All"));
    deselect->setToolTip(tr("Deselect all currently filtered routes."));
    connect(deselect, &QPushButton::clicked, this,
            [this] { m_document.SetAllFilteredRoutesSelected(false); });
    m_allow = new QPushButton(tr("Allow All"));
    m_allow->setToolTip(tr("Allow all currently filtered routes."));
    connect(m_allow, &QPushButton::clicked, this,
            [this] { m_document.SetAllFilteredRoutesPermitted(true); });
    m_disallow = new QPushButton(tr("Disallow All"));
    m_disallow->setToolTip(tr("Disallow all currently filtered routes."));
    connect(m_disallow, &QPushButton::clicked, this,
            [this] { m_document.SetAllFilteredRoutesPermitted(false); });

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_editPermitted, 0, 0, 1, 2);
    buttons->addWidget(select, 1, 0);
    buttons->addWidget(deselect, 1, 1);
    buttons->addWidget(m_allow, 2, 0);
    buttons->addWidget(m_disallow, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter);
    layout->addLayout(buttons);
    layout->addStretch(1);

    m_document.AddView(this);
    Refill();
}

CRouteManagerView::~CRouteManagerView()
{
    m_document.RemoveView(this);
}

QComboBox* CRouteManagerView::List(RouteFilterSide side, int level) const
{
    return m_lists[static_cast<std::size_t>(IndexOf(side, level))];
}

void CRouteManagerView::OnUpdate(int hint)
{
    if (hint == HintObjectsReplaced)
        return;
    if (RouteManagerRefillsOn(hint))
        Refill();
}

void CRouteManagerView::Refill()
{
    m_filling = true;
    const CNetwork& network = m_document.GetNetwork();
    const CRouteFilterNumbers filter = RouteFilterToNumbers(network);
    for (const RouteFilterSide side : {RouteFilterSide::Origin, RouteFilterSide::Destination}) {
        const CRouteFilterSideLists lists = RouteFilterLists(network, filter, side);
        const CChoiceList* levels[] = {&lists.zone, &lists.arm, &lists.lane};
        for (int level = 0; level < 3; ++level) {
            QComboBox* box = List(side, level);
            box->clear();
            for (const CChoice& choice : levels[level]->choices)
                box->addItem(QString::fromStdString(choice.text), choice.value);
            box->setCurrentIndex(static_cast<int>(levels[level]->selected));
        }
    }
    const bool editPermitted = m_document.IsEditPermittedRoutes();
    m_editPermitted->setChecked(editPermitted);
    m_allow->setEnabled(editPermitted);
    m_disallow->setEnabled(editPermitted);
    m_filling = false;
}

void CRouteManagerView::Choose(RouteFilterSide side, int level, int entry)
{
    if (m_filling || entry < 0)
        return;
    const CNetwork& network = m_document.GetNetwork();
    const auto value = List(side, level)->itemData(entry).toUInt();
    CRouteFilterNumbers filter = RouteFilterToNumbers(network);
    switch (level) {
    case 0:
        filter = ChooseFilterZone(network, filter, side, value);
        break;
    case 1:
        filter = ChooseFilterArm(filter, side, value);
        break;
    default:
        filter = ChooseFilterLane(filter, side, value);
        break;
    }
    // Every view, this one too, follows with hint 2.
    m_document.SetRouteFilter(filter);
}
