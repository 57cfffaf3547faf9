// Buying and selling planes and gates: slots switch into and out of use, money is booked and paid.
#pragma once

#include "world/records.h"

namespace jetvale {

constexpr int kGatePrice = 425000;

// The caller picks a free slot. A balance may go negative, but no trade carries it out of the int32 range:
// one that would is refused with false, and nothing changes.
bool BuyPlane(Airline& airline, int slot, int type);
bool SellPlane(Airline& airline, int slot);
bool BuyGate(Gate& gate, Airline& airline);
bool SellGate(Gate& gate, Airline& airline);

}  // namespace jetvale
