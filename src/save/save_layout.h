// The saved game's records in file order, walked once by the writer and once by the reader. The walk names
// where each field lives; the Io says what is done with it: written out, or read, checked and stored.
//
// An Io offers:
//   Index(key, expected)      a record whose value is the index the walk stands at (airport id, column, gate, leg)
//   Value(key, field)         a field of the record, by its key's kind
//   Slots(countKey, idKey, count, slots, visit)
//                             a count and then that many slots, each introduced by its slot index
//   Check(sound, what)        what spans several fields: the reader refuses a record that is not sound
//   kReads, LegRead(...)      the reader places every leg again once it is read
#pragma once

#include "finance/loans.h"
#include "save/save_fields.h"
#include "sim/game_clock.h"
#include "world/at_index.h"
#include "world/world.h"

namespace jetvale {

template <typename Io, typename LoanRecord>
bool WalkLoan(Io& io, LoanRecord& loan) {
  return io.Value(kLoanAmount, loan.amount) && io.Value(kLoanRate, loan.rate) &&
         io.Value(kLoanTotalMonths, loan.totalMonths) && io.Value(kLoanAmountLeft, loan.amountLeft) &&
         io.Value(kLoanMonthsLeft, loan.monthsLeft) && io.Value(kLoanMonthly, loan.monthly) &&
         io.Check(loan.monthsLeft <= loan.totalMonths, "a loan with more months left than its term") &&
         io.Check(PaysItsAnnuity(loan), "a loan whose payment does not repay it");
}

template <typename Io, typename LegRecord>
bool WalkLeg(Io& io, LegRecord& leg) {
  return io.Value(kFlightFclsPrice, leg.firstFare) && io.Value(kFlightBclsPrice, leg.businessFare) &&
         io.Value(kFlightEclsPrice, leg.economyFare) && io.Value(kFlightIncFcls, leg.firstIncome) &&
         io.Value(kFlightIncBcls, leg.businessIncome) && io.Value(kFlightIncEcls, leg.economyIncome) &&
         io.Value(kFlightExpWages, leg.wages) && io.Value(kFlightExpFuel, leg.fuel) &&
         io.Value(kFlightExpMisc, leg.miscellaneous) && io.Value(kFlightOrigId, leg.origin) &&
         io.Value(kFlightDestId, leg.destination) && io.Value(kFlightDepTime, leg.departure) &&
         io.Value(kFlightArrTime, leg.arrival) && io.Value(kFlightTotalFcls, leg.totalFirst) &&
         io.Value(kFlightTotalBcls, leg.totalBusiness) && io.Value(kFlightTotalEcls, leg.totalEconomy) &&
         io.Value(kFlightTotalPass, leg.totalPassengers) && io.Value(kFlightMiles, leg.miles) &&
         io.Value(kFlightNoFirstCls, leg.firstPassengers) && io.Value(kFlightNoBusCls, leg.businessPassengers) &&
         io.Value(kFlightNoEcoCls, leg.economyPassengers) && io.Value(kFlightRev, leg.revenue) &&
         io.Value(kFlightProfit, leg.profit) && io.Value(kFlightExpenses, leg.expenses) &&
         io.Value(kFlightArrGate, leg.arrivalGate) && io.Value(kFlightDepGate, leg.departureGate) &&
         io.Value(kFlightStatus, leg.state) && io.Value(kFlightTimesFlown, leg.timesFlown) &&
         io.Value(kFlightFuelBurn, leg.fuelBurn) &&
         io.Check(leg.origin != leg.destination, "a leg that lands where it left");
}

template <typename Io, typename PlaneRecord>
bool WalkPlane(Io& io, PlaneRecord& plane) {
  return io.Value(kPlaneAge, plane.age) && io.Value(kPlaneTypeId, plane.type) && io.Value(kPlaneValue, plane.value) &&
         io.Value(kPlaneFrame, plane.frame) && io.Value(kNumFlights, plane.legCount) &&
         io.Value(kPlaneTag, plane.tag) && io.Value(kPlanePctFirstClass, plane.seats.firstPercent) &&
         io.Value(kPlanePctBusClass, plane.seats.businessPercent) &&
         io.Value(kPlanePctEcoClass, plane.seats.economyPercent) && io.Value(kPlaneLocX, plane.locationX) &&
         io.Value(kPlaneLocY, plane.locationY) && io.Value(kPlaneOriginX, plane.originX) &&
         io.Value(kPlaneOriginY, plane.originY) && io.Value(kPlaneDestX, plane.destinationX) &&
         io.Value(kPlaneDestY, plane.destinationY) &&
         io.Check(plane.seats.firstPercent + plane.seats.businessPercent + plane.seats.economyPercent <= 100,
                  "a seat plan of more than the whole cabin");
}

template <typename Io, typename WorldRecord, typename ClockRecord>
bool WalkSavedGame(Io& io, WorldRecord& world, ClockRecord& clock) {
  for (int id = 1; id <= kAirportCount; ++id) {
    auto& airport = world.AirportById(id);
    if (!io.Index(kAirportCity, id)) return false;
    for (int column = 0; column < kAirlineCount; ++column) {
      if (!io.Index(kAirportComp, column) || !io.Value(kAirportMarketShare, At(airport.marketShare, column))) {
        return false;
      }
    }
    for (int gate = 0; gate < kGatesPerAirport; ++gate) {
      if (!io.Index(kGateNo, gate) || !io.Value(kGateOwner, At(world.GatesAt(id), gate).owner)) {
        return false;
      }
    }
  }

  if (!io.Value(kGameDay, clock.day) || !io.Value(kGameMonth, clock.month) || !io.Value(kGameYear, clock.year) ||
      !io.Value(kGameDow, clock.dayOfWeek) || !io.Value(kGameTime, clock.ticksToday) ||
      !io.Value(kGameMin, clock.minute) || !io.Value(kGameHour, clock.hour) ||
      !io.Check(clock.IsValid(), "a date or time that is not on the clock") ||
      !io.Check(clock.ticksToday <= clock.TicksSinceMidnight(), "more ticks today than since midnight")) {
    return false;
  }

  for (int index = 0; index < kAirlineCount; ++index) {
    auto& airline = At(world.airlines, index);
    if (!io.Index(kCompanyId, index) || !io.Value(kCompColor, airline.identity) ||
        !io.Value(kBalance, airline.balance) ||
        !io.Slots(kNumLoans, kLoanId, airline.loanCount, airline.loans,
                  [&io](auto& loan, int) { return WalkLoan(io, loan); })) {
      return false;
    }
    int key = kFirstLedgerKey;
    for (auto* ledger : {&airline.currentYear, &airline.previousYear, &airline.overall}) {
      for (auto& value : ledger->values) {
        if (!io.Value(key++, value)) return false;
      }
    }
    const bool planes = io.Slots(kNumPlanes, kPlaneId, airline.planeCount, airline.planes, [&](auto& plane, int slot) {
      if (!WalkPlane(io, plane)) return false;
      for (int leg = 0; leg < plane.legCount && leg < kLegSlots; ++leg) {
        if (!io.Index(kFlightIdent, leg) || !WalkLeg(io, At(plane.legs, leg))) return false;
        if constexpr (Io::kReads) io.LegRead(index, slot, leg);
      }
      return true;
    });
    if (!planes) return false;
  }
  return true;
}

}  // namespace jetvale
