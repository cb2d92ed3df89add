// Network files for gyrolith-cli, opened, edited and saved through the document, as the desktop
// program does it.
#pragma once

#include "document/carousel_doc.h"
#include "settings/network_settings.h"
#include "document/prompt.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CFlowGroup;

// What the document would show in a message box. Read adjustments are notes: they go to stderr
// at once, one line each, and the command goes on. Any other message is a refusal, kept for the
// failure that ends the command. Nobody is there to answer a question: the answer is No.
class CCliPrompt : public CPrompt
{
public:
    PromptAnswer AskYesNo(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowReadAdjustments(const std::vector<CReadAdjustment>& adjustments) override;
    // Raises CCliFailure (status 1) with prefix and the refusal shown since the last call, if any.
    void ThrowIfRefused(std::string_view prefix = {});

private:
    std::optional<std::string> m_refusal;
};

// One network file opened for one command (CCarouselDoc::OnOpenDocument: proportions normalised,
// flow group 1 current). A file that cannot be read raises CCliFailure with status 1 and the
// message the program shows for it.
class CCliDocument
{
public:
    explicit CCliDocument(const std::filesystem::path& path);
    CCliDocument(const CCliDocument&) = delete;
    CCliDocument& operator=(const CCliDocument&) = delete;

    CCarouselDoc& Document() { return m_document; }
    const CDocumentData& Data() const { return m_document.GetData(); }
    // Raises CCliFailure (status 1) when the document refused the command just run.
    void ThrowIfRefused(std::string_view prefix = {}) { m_prompt.ThrowIfRefused(prefix); }
    // Makes flow group `number` current and returns it; without a number the current one stays
    // (which may be none). A number the network does not have is bad usage (CCliFailure).
    CFlowGroup* UseFlowGroup(std::optional<std::uint32_t> number);
    // The document's save: through a temporary file, so OUT is untouched on failure
    // (CCliFailure, status 1). OUT may be the file the network was read from.
    void Save(const std::filesystem::path& path);

private:
    NetworkSettings m_settings;
    CCliPrompt m_prompt;
    CCarouselDoc m_document;
};

// Runs write, which writes path atomically, and turns its failure into CCliFailure (status 1)
// naming the path.
void WriteFileForCli(const std::filesystem::path& path, const std::function<void()>& write);
