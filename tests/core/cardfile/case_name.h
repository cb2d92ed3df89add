// Names the cases of a TEST_P table after their name member.
#pragma once

#include <gtest/gtest.h>
#include <string>

struct CaseName
{
    template <typename T> std::string operator()(const testing::TestParamInfo<T>& info) const
    {
        return info.param.name;
    }
};
