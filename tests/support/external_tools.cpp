#include "external_tools.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace TestSupport
{
CCommandResult Run(const std::string& command)
{
    CCommandResult result;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) {
        result.output.append(buf.data(), n);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool HaveExecutable(const std::string& path)
{
    return Run("command -v " + path + " >/dev/null").status == 0;
}

std::filesystem::path ScratchDir(const std::string& name)
{
    // ctest runs each case in a process of its own, and cases of one suite side by side: a folder
    // per process keeps one from removing what another is writing.
    const auto dir = std::filesystem::temp_directory_path() / "gyrolith-tests" /
                     (name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool HaveEzdxf()
{
    return Run("/usr/bin/python3 -c 'import ezdxf'").status == 0;
}

CCommandResult AuditDxf(const std::filesystem::path& dxf)
{
    static const char* const Script = R"PY(
import collections, logging, sys
import ezdxf
ignored = ("ACAD_COLOR", "ACAD_MATERIAL", "ACAD_MLEADERSTYLE", "ACAD_SCALELIST",
           "ACAD_TABLESTYLE", "ACAD_VISUALSTYLE")
logged = []
class Catch(logging.Handler):
    def emit(self, record):
        if record.levelno >= logging.INFO:
            msg = record.getMessage()
            if not any(name in msg for name in ignored):
                logged.append(msg)
logging.getLogger("ezdxf").addHandler(Catch())
logging.getLogger("ezdxf").setLevel(logging.INFO)
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
for e in auditor.errors:
    print("ERROR", e.message)
for f in auditor.fixes:
    if not any(name in f.message for name in ignored):
        print("FIX", f.message)
for m in logged:
    print("LOG", m)
counts = collections.Counter((e.dxftype(), e.dxf.layer) for e in doc.modelspace())
for (kind, layer), n in sorted(counts.items()):
    print("COUNT", kind, layer, n)
for layer in doc.layers:
    print("LAYER", layer.dxf.name, layer.dxf.handle)
for e in doc.modelspace():
    if e.dxftype() == "TEXT":
        print("TEXT", e.dxf.text)
print("DONE")
)PY";
    const auto script = dxf.parent_path() / "audit.py";
    WriteText(script, Script);
    return Run("/usr/bin/python3 " + script.string() + " " + dxf.string());
}
int CountLinesStartingWith(const std::string& report, const std::string& prefix)
{
    int n = 0;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) == 0) {
            ++n;
        }
    }
    return n;
}

bool AuditIsClean(const CCommandResult& audit)
{
    return audit.status == 0 && audit.output.find("DONE") != std::string::npos &&
           CountLinesStartingWith(audit.output, "ERROR") == 0 &&
           CountLinesStartingWith(audit.output, "FIX") == 0 &&
           CountLinesStartingWith(audit.output, "LOG") == 0;
}

} // namespace TestSupport
