// Network files for the command line.
#include "cli_document.h"

#include "platform/atomic_file.h"
#include "cardfile/carousel_file.h"
#include "cli_failure.h"
#include "cli_output.h"
#include "settings/program_settings.h"
#include "model/network.h"
#include "network_jobs.h"

#include <iostream>

namespace
{
std::string Counted(std::size_t count, const std::string& what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}
} // namespace

PromptAnswer CCliPrompt::AskYesNo(const std::string& /*text*/)
{
    return PromptAnswer::No;
}

void CCliPrompt::ShowMessage(const std::string& text)
{
    m_refusal = text;
}

void CCliPrompt::ShowReadAdjustments(const std::vector<CReadAdjustment>& adjustments)
{
    for (const CReadAdjustment& adjustment : adjustments) {
        std::cerr << ReadAdjustmentText(adjustment) << '\n';
    }
}

void CCliPrompt::ThrowIfRefused(std::string_view prefix)
{
    if (!m_refusal) {
        return;
    }
    std::string message = std::string(prefix) + *m_refusal;
    m_refusal.reset();
    // A message box's text may end in a line break; stderr gets one anyway.
    if (!message.empty() && message.back() == '\n') {
        message.pop_back();
    }
    throw CCliFailure(ExitFileError, message);
}

CCliDocument::CCliDocument(const std::filesystem::path& path)
    : m_document(ProgramSettings::Instance(), m_settings, &m_prompt)
{
    if (!m_document.OnOpenDocument(path)) {
        ThrowIfRefused();
        throw CCliFailure(ExitFileError, "Cannot open " + path.string());
    }
}

CFlowGroup* CCliDocument::UseFlowGroup(std::optional<std::uint32_t> number)
{
    CFlowGroup* group = ChooseFlowGroup(m_document.GetNetwork(), number);
    if (number) {
        m_document.ChooseCurrentFlowGroup(*number);
    }
    return group;
}

void CCliDocument::Save(const std::filesystem::path& path)
{
    WriteFileForCli(path, [&] { m_document.SaveToPath(path); });
    const CNetwork& net = m_document.GetNetwork();
    TellWritten(path, Counted(net.GetArms().GetCount(), "arm") + ", " +
                          Counted(net.GetZones().GetCount(), "zone") + ", " +
                          Counted(net.GetRoutes().GetRouteCount(), "route") + ", " +
                          Counted(net.GetFlowGroups().GetCount(), "flow group"));
}

void WriteFileForCli(const std::filesystem::path& path, const std::function<void()>& write)
{
    try {
        write();
    } catch (const errFileWrite& e) {
        throw CCliFailure(ExitFileError, e.what()); // names the file and says why
    } catch (const std::exception& e) {
        throw CCliFailure(ExitFileError, "Cannot write " + path.string() + ": " + e.what());
    }
}
