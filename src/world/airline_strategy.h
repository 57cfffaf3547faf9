// The decision sequences of the program-run airlines: drawn once when the world is built.
#pragma once

#include <array>

namespace jetvale {

constexpr int kDecisionCount = 1000;  // entries per airline
using DecisionSequence = std::array<int, kDecisionCount>;

// Strategy states a sequence entry can name.
constexpr int kStrategyChooseType = 7;
constexpr int kStrategyDraw = 13;
constexpr int kStrategyIdle = 10;
constexpr int kStrategyIdleToo = 11;

// Each strategy class draws its sequence entries uniformly from its row of ten.
constexpr std::array<std::array<int, 10>, 3> kDecisionRows = {{
    {7, 7, 13, 13, 13, 13, 13, 13, 13, 11},
    {7, 7, 7, 13, 13, 13, 13, 13, 11, 10},
    {7, 7, 7, 7, 13, 13, 13, 13, 11, 10},
}};

}  // namespace jetvale
