// Helpers for tests that check our files with real outside readers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace TestSupport
{
struct CCommandResult
{
    int status = -1;
    std::string output; // stdout and stderr together
};

CCommandResult Run(const std::string& command);
bool HaveExecutable(const std::string& path);
// A fresh directory under the build's temporary area for one test.
std::filesystem::path ScratchDir(const std::string& name);
void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
std::string ReadText(const std::filesystem::path& path);

// /usr/bin/python3 with ezdxf importable.
bool HaveEzdxf();
// Reads and audits a DXF with ezdxf; the JSON-ish report lists audit errors, fixes, logged
// repairs (except the dictionaries ezdxf adds itself) and entity counts by type and layer.
CCommandResult AuditDxf(const std::filesystem::path& dxf);
// Lines of a report that start with prefix.
int CountLinesStartingWith(const std::string& report, const std::string& prefix);
// The audit ran to its end with no error, fix or logged repair.
bool AuditIsClean(const CCommandResult& audit);
} // namespace TestSupport
