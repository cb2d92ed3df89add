// File dialogs.
#include "document/file_chooser.h"

#include "reports/report_file_names.h"

#include <QApplication>
#include <QFileDialog>

namespace
{
std::optional<std::string> Chosen(QFileDialog& dialog)
{
    // A wait cursor set for long work would otherwise stay over the dialog.
    const bool overridden = QApplication::overrideCursor() != nullptr;
    if (overridden)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (overridden)
        QApplication::restoreOverrideCursor();
    if (!accepted)
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}
} // namespace

std::optional<std::string> CDialogFileChooser::ChooseNetworkToOpen()
{
    return ChooseOpen("Open", NetworkFilter);
}

std::optional<std::string> CDialogFileChooser::ChooseNetworkSaveAs(const std::string& proposal)
{
    return ChooseSave("Save As", proposal, NetworkFilter, "crs");
}

std::optional<std::string> CDialogFileChooser::ChooseDxfExport(const std::string& proposal)
{
    return ChooseSave("DXF Export As", proposal, DxfFilter, "dxf");
}

std::optional<std::string> CDialogFileChooser::ChooseReportSaveAs(const std::string& proposal)
{
    return ChooseSave(ReportSaveTitle, proposal, ReportFileFilter, "rtf");
}

std::optional<std::string> CDialogFileChooser::ChooseReportPdfSaveAs(const std::string& proposal)
{
    return ChooseSave(ReportSaveTitle, proposal, ReportPdfFileFilter, "pdf");
}

std::optional<std::string> CDialogFileChooser::ChooseTemplateSaveAs(const std::string& proposal)
{
    return ChooseSave(TemplateSaveTitle, proposal, TemplateFileFilter, "rep");
}

std::optional<std::string> CDialogFileChooser::ChooseTemplateToOpen()
{
    return ChooseOpen(TemplateOpenTitle, TemplateFileFilter);
}

std::optional<std::string> CDialogFileChooser::ChooseOpen(const char* title, const char* filter)
{
    QFileDialog dialog(m_parent, QString::fromUtf8(title), QString(), QString::fromUtf8(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

std::optional<std::string> CDialogFileChooser::ChooseSave(const char* title,
                                                          const std::string& proposal,
                                                          const char* filter, const char* suffix)
{
    QFileDialog dialog(m_parent, QString::fromUtf8(title), QString::fromStdString(proposal),
                       QString::fromUtf8(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The folder must exist; an existing file is replaced only after asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromUtf8(suffix));
    return Chosen(dialog);
}
