// Where the user says which file to read or write.
#pragma once

#include <optional>
#include <string>

class QWidget;

// The file dialogs of the program: none when the user cancelled. Tests script the answers.
class CFileChooser
{
public:
    virtual ~CFileChooser() = default;
    // "&Open...": an existing network file.
    virtual std::optional<std::string> ChooseNetworkToOpen() = 0;
    // Save As, starting from the proposed name; asks before an existing file is replaced.
    virtual std::optional<std::string> ChooseNetworkSaveAs(const std::string& proposal) = 0;
    // "DXF Export As", likewise.
    virtual std::optional<std::string> ChooseDxfExport(const std::string& proposal) = 0;
    // The report builder's "Report Save As", "Report Save Template As" and, for an existing
    // template, "Create Report From Template".
    virtual std::optional<std::string> ChooseReportSaveAs(const std::string& proposal) = 0;
    // "Report Save As" for a PDF.
    virtual std::optional<std::string> ChooseReportPdfSaveAs(const std::string& proposal) = 0;
    virtual std::optional<std::string> ChooseTemplateSaveAs(const std::string& proposal) = 0;
    virtual std::optional<std::string> ChooseTemplateToOpen() = 0;
};

// The platform's file dialogs over a parent window.
class CDialogFileChooser : public CFileChooser
{
public:
    static constexpr const char* NetworkFilter = "Gyrolith Files (*.crs)";
    static constexpr const char* DxfFilter = "DXF Files (*.dxf)";

    explicit CDialogFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    std::optional<std::string> ChooseNetworkToOpen() override;
    std::optional<std::string> ChooseNetworkSaveAs(const std::string& proposal) override;
    std::optional<std::string> ChooseDxfExport(const std::string& proposal) override;
    std::optional<std::string> ChooseReportSaveAs(const std::string& proposal) override;
    std::optional<std::string> ChooseReportPdfSaveAs(const std::string& proposal) override;
    std::optional<std::string> ChooseTemplateSaveAs(const std::string& proposal) override;
    std::optional<std::string> ChooseTemplateToOpen() override;

private:
    std::optional<std::string> ChooseOpen(const char* title, const char* filter);
    std::optional<std::string> ChooseSave(const char* title, const std::string& proposal,
                                          const char* filter, const char* suffix);
    QWidget* m_parent;
};
