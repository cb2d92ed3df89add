// Names the cases of a TEST_P table after their name member, in test names (CaseName) and in
// what gtest prints for GetParam() (PrintTo; say `using TestSupport::PrintTo;` in the namespace of
// the case type, where gtest looks for it).
#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace TestSupport
{
template <typename T>
concept NamedCase = requires(const T& c)
{
    std::string(c.name);
};
template <typename T>
concept CapitalNamedCase = requires(const T& c)
{
    std::string(c.Name);
};

template <NamedCase T> void PrintTo(const T& c, std::ostream* os)
{
    *os << c.name;
}
template <CapitalNamedCase T> void PrintTo(const T& c, std::ostream* os)
{
    *os << c.Name;
}
} // namespace TestSupport

struct CaseName
{
    template <typename T> std::string operator()(const testing::TestParamInfo<T>& info) const
    {
        if constexpr (TestSupport::NamedCase<T>) {
            return info.param.name;
        } else {
            return info.param.Name;
        }
    }
};
