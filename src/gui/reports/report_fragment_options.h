// The options of the report fragment the builder has selected.
#pragma once

#include "document/report_commands.h"

#include <QWidget>
#include <functional>
#include <vector>

class CCarouselDoc;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QStackedWidget;

// One page per fragment type below what every fragment has (its name shown or not, its
// orientation) and what the three fragments over flows share (the flow group and its
// description). Every control changes the fragment through the report commands, and only when
// the user picks a value other than the fragment's own, so re-choosing takes no undo step. The
// pane holds the fragment only between Show and Drop.
class CReportFragmentOptions : public QWidget
{
    Q_OBJECT
public:
    CReportFragmentOptions(CCarouselDoc& document, CReportCommands& commands,
                           QWidget* parent = nullptr);

    // Shows the fragment's options, or none. A fragment over flows whose flow group was never
    // chosen takes the document's current one here.
    void Show(CReportFragment* fragment);
    // Lets go of the fragment before the document replaces it.
    void Drop();

private:
    // Controls of an option of fragments of type F: read on every Show, and changed through a
    // command when the user picks another value.
    template <typename F>
    QCheckBox* AddToggle(const QString& text, bool (F::*get)() const,
                         std::function<void(F&, bool)> set);
    template <typename F>
    QComboBox* AddChoice(std::function<long long(const F&)> get,
                         std::function<void(F&, long long)> set);
    template <typename F>
    QRadioButton* AddRadio(QButtonGroup& group, const QString& text, long long value,
                           std::function<long long(const F&)> get,
                           std::function<void(F&, long long)> set);

    QWidget* MakeCommonBox();
    QWidget* MakeFlowGroupBox();
    QWidget* MakeDiagramPage();
    QWidget* MakeFlowsPage();
    QWidget* MakeRoutesPage();
    QWidget* MakeHeaderFooterPage();
    void Fill();

    CCarouselDoc* m_document;
    CReportCommands* m_commands;
    CReportFragment* m_fragment = nullptr;

    QStackedWidget* m_pages = nullptr;
    QWidget* m_blank = nullptr;
    QWidget* m_common = nullptr;
    QWidget* m_orientation = nullptr;
    QWidget* m_flowGroupBox = nullptr;
    QComboBox* m_flowGroup = nullptr;
    QComboBox* m_printZone = nullptr;
    // Each sets its control from the fragment when the fragment is of its type.
    std::vector<std::function<void(CReportFragment&)>> m_fillers;
};
