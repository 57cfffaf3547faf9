// The aircraft type constants; every price is exact in single precision.
#include "world/aircraft_types.h"

namespace jetvale {

// clang-format off
const std::array<AircraftType, kAircraftTypeCount> kAircraftTypes = {{
    // index name          price        pilots           attendants seats speed range  fuel
    { 0, "B 717-200",   39500000.0f, kPilotsPerPlane,  2, 106, 438,  1430,  2949},
    { 1, "B 737-600",   44750000.0f, kPilotsPerPlane,  4, 132, 460,  3050,  6875},
    { 2, "B 747-400",  197500000.0f, kPilotsPerPlane, 17, 524, 490,  7325, 57285},
    { 3, "B 757-200",   76500000.0f, kPilotsPerPlane,  6, 239, 515,  3927, 11276},
    { 4, "B 767-200",   86500000.0f, kPilotsPerPlane, 10, 255, 493,  6616, 23980},
    { 5, "B 777-300",  190250000.0f, kPilotsPerPlane, 16, 550, 541, 10370, 45220},
    { 6, "Fokker 100",  30000000.0f, kPilotsPerPlane,  4, 109, 456,  1323,  2814},
    { 7, "Fokker 70",   20500000.0f, kPilotsPerPlane,  2,  79, 496,  1085,  1603},
    { 8, "A319",        43500000.0f, kPilotsPerPlane,  3, 142, 487,  1831,  7069},
    { 9, "A320",        47500000.0f, kPilotsPerPlane,  6, 179, 454,  2650,  6303},
    {10, "A340-300",   177950000.0f, kPilotsPerPlane,  9, 440, 475,  6400, 36750},
    {11, "A380",       251250000.0f, kPilotsPerPlane, 18, 555, 547,  8000, 81900},
    {12, "ERJ145",      14500000.0f, kPilotsPerPlane,  1,  50, 450,  1320,  1102},
}};
// clang-format on

}  // namespace jetvale
