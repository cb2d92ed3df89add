// The route manager: the route filter's six lists and the commands on the filtered routes.
#pragma once

#include "document/document_view.h"
#include "tables/route_manager.h"

#include <QWidget>
#include <array>

class CCarouselDoc;
class QCheckBox;
class QComboBox;
class QPushButton;

// Origin and destination zone, arm and lane lists, "Edit Permitted Routes" and four buttons
// that select, deselect, allow and disallow every route in the filter. The lists are refilled
// on hints 1, 2 and 3, keeping what is chosen; allowing and disallowing wait for
// "Edit Permitted Routes".
class CRouteManagerView : public QWidget, public CDocumentView
{
    Q_OBJECT
public:
    explicit CRouteManagerView(CCarouselDoc& document, QWidget* parent = nullptr);
    ~CRouteManagerView() override;

    void OnUpdate(int hint) override;
    int GetViewKind() const override { return 0; }
    bool IsResizeable() const override { return false; }

    // Zone, arm and lane list of a side.
    QComboBox* List(RouteFilterSide side, int level) const;
    QCheckBox* EditPermittedBox() const { return m_editPermitted; }
    QPushButton* AllowAllButton() const { return m_allow; }
    QPushButton* DisallowAllButton() const { return m_disallow; }

private:
    void Refill();
    void Choose(RouteFilterSide side, int level, int entry);

    CCarouselDoc& m_document;
    // Origin zone, arm, lane, then destination zone, arm, lane.
    std::array<QComboBox*, 6> m_lists{};
    QCheckBox* m_editPermitted;
    QPushButton* m_allow;
    QPushButton* m_disallow;
    bool m_filling = false;
};
