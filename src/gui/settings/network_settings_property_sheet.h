// The settings of the open network: "Edit Project Information..." and "Edit Network Graphics
// Settings...".
#pragma once

#include "cardfile/document_data.h"
#include "settings/network_settings.h"
#include "settings/property_sheet.h"

class CCarouselDoc;

// Shows one page over copies of the document's project texts and network settings. OK hands
// both to the document's "Edit Network Settings", which takes its undo checkpoint and updates
// the views; Cancel leaves the document untouched.
class CNetworkSettingsPropertySheet : public CPropertySheet
{
    Q_OBJECT

public:
    static constexpr const char* Title = "Network Settings";

    enum class EPage
    {
        ProjectInformation, // "Edit Project Information..."
        GraphicsSettings,   // "Edit Network Graphics Settings..."
    };

    CNetworkSettingsPropertySheet(CCarouselDoc& document, EPage page, QWidget* parent = nullptr);

protected:
    bool OnApplied() override;

private:
    CCarouselDoc& m_document;
    CProjectInformation m_project;
    NetworkSettings m_settings;
};
