// The decision sequences of the program-run airlines: drawn once when the world is built.
#pragma once

#include <array>

namespace jetvale {

constexpr int kDecisionCount = 1000;  // entries per airline
using DecisionSequence = std::array<int, kDecisionCount>;

// Each strategy class draws its sequence entries uniformly from its row of ten.
constexpr std::array<std::array<int, 10>, 3> kDecisionRows = {{
    {7, 7, 13, 13, 13, 13, 13, 13, 13, 11},
    {7, 7, 7, 13, 13, 13, 13, 13, 11, 10},
    {7, 7, 7, 7, 13, 13, 13, 13, 11, 10},
}};

}  // namespace jetvale
