// Files an output must match byte for byte, kept in tests/golden (or at an absolute path). With
// GYROLITH_REFRESH_GOLDEN=1 in the environment the output is written there instead, for review
// in the diff.
#pragma once

#include <filesystem>
#include <string>

namespace TestSupport
{

void ExpectSameAsGolden(const std::filesystem::path& golden, const std::string& bytes);

} // namespace TestSupport
