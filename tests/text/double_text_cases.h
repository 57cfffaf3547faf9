// Texts the double conversion must give in every build: the native tests and the WebAssembly check read the same table.
#pragma once

#include <limits>

namespace jetvale::double_text_cases {

struct FixedCase { double value; int fractionDigits; const char* text; };

// Exact ties go to the even digit; values that only look like ties are decided by their true binary digits.
inline constexpr FixedCase kFixedCases[] = {
    {0.125, 2, "0.12"}, {0.375, 2, "0.38"}, {-2.5, 0, "-2"}, {3.5, 0, "4"},
    {0.015, 2, "0.01"},  // stored as 0.01499999999999999944...
    {999.995, 2, "1000.00"},  // stored as 999.99500000000000454...
    {9.9999, 2, "10.00"}, {-0.001, 2, "-0.00"}, {0.1, 20, "0.10000000000000000555"},
    {1e21, 2, "1000000000000000000000.00"}, {123456789.0 / 1419816750.0, 9, "0.086952622"}, {1234.5678, 0, "1235"},
    {0.0, 3, "0.000"}, {std::numeric_limits<double>::infinity(), 2, "inf"},
    {-std::numeric_limits<double>::infinity(), 2, "-inf"}, {std::numeric_limits<double>::quiet_NaN(), 2, "nan"},
};

struct GeneralCase { double value; int significantDigits; const char* text; };

// printf's %g: fixed from 1e-4 up to the digits, else an exponent of at least two digits.
inline constexpr GeneralCase kGeneralCases[] = {
    {0.1, 17, "0.10000000000000001"}, {0.1, 3, "0.1"}, {1e22, 17, "1e+22"}, {-2.5e-7, 17, "-2.4999999999999999e-07"},
    {123456.0, 17, "123456"}, {0.0001, 1, "0.0001"}, {0.00001, 2, "1e-05"},
    {99.95, 3, "100"},  // stored as 99.9500000000000028...
    {999.5, 3, "1e+03"},  // an exact tie, to the even 1000
    {0.0, 17, "0"}, {-0.0, 17, "-0"}, {1.0 / 3.0, 17, "0.33333333333333331"},
};

struct ParseCase { const char* text; bool accepted; double value; };

// 1 + 2^-53 lies exactly halfway between 1 and the next double: it goes to the even one, anything above it up.
inline constexpr ParseCase kParseCases[] = {
    {"0.1", true, 0.1}, {"-12.5", true, -12.5}, {".5", true, 0.5}, {"1.", true, 1.0}, {"3e-7", true, 3e-7},
    {"2.5E+3", true, 2500.0}, {"0.086952622", true, 0.086952622},
    {"1.00000000000000011102230246251565404236316680908203125", true, 1.0},
    {"1.00000000000000011102230246251565404236316680908203126", true, 1.0000000000000002},
    {"9007199254740993", true, 9007199254740992.0}, {"9007199254740995", true, 9007199254740996.0},
    {"1.7976931348623157e308", true, std::numeric_limits<double>::max()},
    {"4.9e-324", true, std::numeric_limits<double>::denorm_min()},
    {"2.2250738585072011e-308", true, 2.2250738585072011e-308}, {"1e-400", true, 0.0},
    {"1.7976931348623159e308", false, 0.0}, {"1e309", false, 0.0}, {"", false, 0.0}, {"-", false, 0.0},
    {".", false, 0.0}, {"+1", false, 0.0}, {"1e", false, 0.0}, {"1e+", false, 0.0}, {"12a", false, 0.0},
    {"1.2.3", false, 0.0}, {"nan", false, 0.0}, {" 1", false, 0.0},
};

}  // namespace jetvale::double_text_cases
