// The report builder: the document's reports, their fragments and the fragments' options.
#pragma once

#include "document/report_commands.h"
#include "reports/desktop_report_viewer.h"

#include <QWidget>

class CCarouselDoc;
class CFileChooser;
class CReportFragmentOptions;
class CTextMeasurer;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// The list of reports with the title and paper size of the selected one, its fragments in
// report order and the options of the selected fragment; it saves, views and makes templates
// of the selected report, and saves it as PDF too. The selection is kept as positions, so that it survives undo, which
// replaces every report object: on HintObjectsReplaced the builder lets go of them and finds
// its selection again by position at the next update.
class CCarouselReportBuilderView : public QWidget
{
    Q_OBJECT
public:
    CCarouselReportBuilderView(CCarouselDoc& document, CFileChooser& files,
                               const CTextMeasurer& measurer, QWidget* parent = nullptr);

    void OnUpdate(int hint);
    // Where View hands the report (the desktop's RTF program unless replaced).
    void SetViewer(CReportViewer& viewer) { m_viewer = &viewer; }

    // None while nothing is selected, or while the document replaces its objects.
    CReportDefinition* SelectedReport() const;
    CReportFragment* SelectedFragment() const;

private:
    QWidget* MakeReportsBox();
    QWidget* MakeReportBox();
    QWidget* MakeFragmentsBox();
    QWidget* MakeOutputRow();

    // Runs a command with the refreshes it causes held back, then refreshes once with the
    // selection it chose, so that no other fragment is shown on the way.
    template <typename F> void Act(F&& command);
    void Refresh();
    void SelectReport(int position);
    void SelectFragment(int position);

    void CreateReport();
    void DeleteReport();
    void CreateFromTemplate();
    void SaveTemplate();
    void CommitTitle();
    void AddFragment(ReportFragmentType type);
    void RemoveFragment();
    void MoveFragment(int step);
    void SaveReport();
    void SaveReportPdf();
    void ViewReport();

    CCarouselDoc* m_document;
    CFileChooser* m_files;
    const CTextMeasurer* m_measurer;
    CReportCommands m_commands;
    CDesktopReportViewer m_desktopViewer;
    CReportViewer* m_viewer = &m_desktopViewer;

    int m_reportPosition = 0;   // 0: none
    int m_fragmentPosition = 0; // 0: none
    bool m_replaced = false;
    bool m_holdRefresh = false;

    QListWidget* m_reports = nullptr;
    QPushButton* m_deleteReport = nullptr;
    QPushButton* m_saveTemplate = nullptr;
    QLineEdit* m_title = nullptr;
    QComboBox* m_paperSize = nullptr;
    QListWidget* m_fragments = nullptr;
    QToolButton* m_addFragment = nullptr;
    QPushButton* m_removeFragment = nullptr;
    QPushButton* m_moveUp = nullptr;
    QPushButton* m_moveDown = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_savePdf = nullptr;
    QPushButton* m_view = nullptr;
    CReportFragmentOptions* m_options = nullptr;
    QWidget* m_reportBox = nullptr;
    QWidget* m_fragmentsBox = nullptr;
};
