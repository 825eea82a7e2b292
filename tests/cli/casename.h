// SPDX-License-Identifier: MIT
// Readable names for table-driven cases: the case's own name with every
// character that a test name may not hold turned into "_".
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace loopcalc::testing {

template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& param)
{
    std::string name;
    for (const char c : param.param.name) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

/// For cases named by their command-line arguments: the case's number, then
/// the arguments.
template <class Case>
std::string argumentsName(const ::testing::TestParamInfo<Case>& param)
{
    std::string name = std::to_string(param.index);
    for (const auto argument : param.param.args) {
        name += '_';
        for (const char c : argument) {
            name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
        }
    }
    return name;
}

}  // namespace loopcalc::testing
