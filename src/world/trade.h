// Buying and selling planes and gates: slots switch into and out of use, money is booked and paid.
#pragma once

#include "world/records.h"

namespace jetvale {

constexpr int kGatePrice = 425000;

// The caller picks a free slot; no balance check is made (a balance may go negative).
void BuyPlane(Airline& airline, int slot, int type);
void SellPlane(Airline& airline, int slot);
void BuyGate(Gate& gate, Airline& airline);
void SellGate(Gate& gate, Airline& airline);

}  // namespace jetvale
