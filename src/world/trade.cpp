// Plane and gate trades. A plane bought into a slot that held a sold plane keeps that plane's history.
#include "world/trade.h"

#include "world/aircraft_types.h"
#include "world/at_index.h"
#include "world/booking.h"

namespace jetvale {

bool BuyPlane(Airline& airline, int slot, int type) {
  const float price = AircraftTypeAt(type).price;
  // The purchase is paid in single precision: the balance keeps steps of 32 near 500 million.
  const float balanceAfter = static_cast<float>(airline.balance) - price;
  if (!FitsBalance(balanceAfter)) return false;
  Plane& plane = At(airline.planes, slot);
  plane.type = type;
  Book(airline, LedgerEntry::ExpenseNewPlanes, price);
  airline.balance = TruncateToInt(balanceAfter);
  plane.value = TruncateToInt(price);
  airline.planeCount += 1;
  plane.currentLeg = 0;
  plane.inUse = true;
  airline.fleetChanged = true;
  return true;
}

bool SellPlane(Airline& airline, int slot) {
  Plane& plane = At(airline.planes, slot);
  if (!BalanceCanTake(airline, plane.value)) return false;
  Book(airline, LedgerEntry::IncomeSoldPlanes, plane.value);
  AddToBalance(airline, plane.value);
  plane.inUse = false;
  airline.fleetChanged = true;
  plane.legCount = 0;
  plane.currentLeg = 0;
  airline.planeCount -= 1;
  return true;
}

bool BuyGate(Gate& gate, Airline& airline) {
  if (!BalanceCanTake(airline, -kGatePrice)) return false;
  AddToBalance(airline, -kGatePrice);
  Book(airline, LedgerEntry::ExpenseNewGates, kGatePrice);
  gate.owner = airline.index;
  return true;
}

bool SellGate(Gate& gate, Airline& airline) {
  if (!BalanceCanTake(airline, kGatePrice)) return false;
  AddToBalance(airline, kGatePrice);
  Book(airline, LedgerEntry::IncomeSoldGates, kGatePrice);
  gate.owner = kNoGateOwner;  // reservations stay as they are
  return true;
}

}  // namespace jetvale
