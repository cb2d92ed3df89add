// The lane flow display manager: how the network view bands and colours lane flows.
#pragma once

#include "document/document_view.h"
#include "tables/lane_flow_display_controls.h"

#include <QWidget>

class CCarouselDoc;
class QAbstractButton;
class QButtonGroup;

// "Aggregate Flows by :" and "Colour Flows by :" radio buttons and "Show Zero Flows on Lanes",
// set from the document at every update; pressing one runs its undoable command.
class CLaneFlowDisplayView : public QWidget, public CDocumentView
{
    Q_OBJECT
public:
    explicit CLaneFlowDisplayView(CCarouselDoc& document, QWidget* parent = nullptr);
    ~CLaneFlowDisplayView() override;

    void OnUpdate(int hint) override;
    int GetViewKind() const override { return 0; }
    bool IsResizeable() const override { return false; }

    QAbstractButton* Button(LaneFlowDisplayButton button) const;

private:
    void Press(LaneFlowDisplayButton button);
    void ShowSettings();

    CCarouselDoc& m_document;
    QButtonGroup* m_buttons;
};
