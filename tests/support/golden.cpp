#include "golden.h"

#include "external_tools.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>

namespace TestSupport
{

void ExpectSameAsGolden(const std::filesystem::path& golden, const std::string& bytes)
{
    const std::filesystem::path file = std::filesystem::path(GYROLITH_GOLDEN_DIR) / golden;
    if (const char* refresh = std::getenv("GYROLITH_REFRESH_GOLDEN");
        refresh != nullptr && std::string(refresh) == "1") {
        WriteText(file, bytes);
        std::cout << "wrote " << file.string() << '\n';
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(file))
        << file.string() << " is missing; GYROLITH_REFRESH_GOLDEN=1 writes it";
    const std::string kept = ReadText(file);
    if (kept == bytes) {
        return;
    }
    const auto [at, ignored] = std::mismatch(kept.begin(), kept.end(), bytes.begin(), bytes.end());
    ADD_FAILURE() << file.string() << " differs: " << bytes.size() << " bytes against "
                  << kept.size() << " kept, first difference at byte " << (at - kept.begin())
                  << "; after a deliberate change GYROLITH_REFRESH_GOLDEN=1 rewrites it";
}

} // namespace TestSupport
