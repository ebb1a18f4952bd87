// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/Equinox.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>

namespace {

constexpr double degree = std::numbers::pi / 180.0;
constexpr double arcsecond = degree / 3600.0;
constexpr double secondsPerDay = 86400.0;
constexpr double j2000 = 2451545.0;     // Julian ephemeris day of 2000-01-01 12:00 TT
constexpr double unixEpoch = 2440587.5; // Julian day of 1970-01-01 00:00 UT

// 2°20′14″ of longitude is 8414″ of arc, 560.93 s of time.
constexpr double parisLongitude = (2.0 + 20.0 / 60.0 + 14.0 / 3600.0) * degree;
constexpr double parisLongitudeSeconds = 8414.0 / 15.0;

// A periodic term A cos(B + C τ) of the VSOP87 series, τ in Julian millennia from J2000.
struct Term
{
    double amplitude, phase, frequency;
};

// Earth's heliocentric longitude, latitude and radius vector, units of 1e-8 radian or AU:
// the terms Meeus keeps in appendix III.
constexpr Term l0[] = {
    {175347046, 0, 0},           {3341656, 4.6692568, 6283.07585},
    {34894, 4.6261, 12566.1517}, {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},      {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},   {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},  {1273, 2.0371, 529.691},
    {1199, 1.1096, 1577.3435},   {990, 5.233, 5884.927},
    {902, 2.045, 26.298},        {857, 3.508, 398.149},
    {780, 1.179, 5223.694},      {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},     {492, 4.205, 775.523},
    {357, 2.92, 0.067},          {317, 5.849, 11790.629},
    {284, 1.899, 796.298},       {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},      {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},      {202, 2.458, 6069.777},
    {156, 0.833, 213.299},       {132, 3.411, 2942.463},
    {126, 1.083, 20.775},        {115, 0.645, 0.98},
    {103, 0.636, 4694.003},      {102, 0.976, 15720.839},
    {102, 4.267, 7.114},         {99, 6.21, 2146.17},
    {98, 0.68, 155.42},          {86, 5.98, 161000.69},
    {85, 1.3, 6275.96},          {85, 3.67, 71430.7},
    {80, 1.81, 17260.15},        {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},         {74, 3.5, 3154.69},
    {74, 4.68, 801.82},          {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},         {61, 1.82, 7084.9},
    {57, 2.78, 6286.6},          {56, 4.39, 14143.5},
    {56, 3.47, 6279.55},         {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},         {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},         {41, 5.37, 8429.24},
    {41, 2.4, 19651.05},         {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},        {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},         {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},        {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},         {25, 3.16, 4690.48},
};
constexpr Term l1[] = {
    {628331966747, 0, 0},       {206059, 2.678235, 6283.07585},
    {4303, 2.6351, 12566.1517}, {425, 1.59, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.4, 796.3},           {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.3},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694.0},
    {11, 0.77, 553.57},         {10, 1.3, 6286.6},
    {10, 4.24, 1349.87},        {9, 2.7, 242.73},
    {9, 5.64, 951.72},          {8, 5.3, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
};
constexpr Term l2[] = {
    {52919, 0, 0},      {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},   {16, 5.19, 26.3},
    {16, 3.68, 155.42}, {10, 0.76, 18849.23},      {9, 2.06, 77713.77},     {7, 0.83, 775.52},  {5, 4.66, 1577.34},
    {4, 1.03, 7.11},    {4, 3.44, 5573.14},        {3, 5.14, 796.3},        {3, 6.05, 5507.55}, {3, 1.19, 242.73},
    {3, 6.12, 529.69},  {3, 0.31, 398.15},         {3, 2.28, 553.57},       {2, 4.38, 5223.69}, {2, 3.75, 0.98},
};
constexpr Term l3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},         {17, 5.49, 12566.15}, {3, 5.2, 155.42},
    {1, 4.72, 3.52},        {1, 5.3, 18849.23}, {1, 5.97, 242.73},
};
constexpr Term l4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr Term l5[] = {{1, 3.14, 0}};
constexpr Term b0[] = {
    {280, 3.199, 84334.662}, {102, 5.422, 5507.553}, {80, 3.88, 5223.69}, {44, 3.7, 2352.87}, {32, 4.0, 1577.34},
};
constexpr Term b1[] = {{9, 3.9, 5507.55}, {6, 1.73, 5223.69}};
constexpr Term r0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.07585},
    {13956, 3.05525, 12566.1517},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.77},
    {542, 4.564, 3930.21},
    {472, 3.661, 5884.927},
    {346, 0.964, 5507.553},
    {329, 5.9, 5223.694},
    {307, 0.299, 5573.143},
    {243, 4.273, 11790.629},
    {212, 5.847, 1577.344},
    {186, 5.022, 10977.079},
    {175, 3.012, 18849.228},
    {110, 5.055, 5486.778},
    {98, 0.89, 6069.78},
    {86, 5.69, 15720.84},
    {86, 1.27, 161000.69},
    {65, 0.27, 17260.15},
    {63, 0.92, 529.69},
    {57, 2.01, 83996.85},
    {56, 5.24, 71430.7},
    {49, 3.25, 2544.31},
    {47, 2.58, 775.52},
    {45, 5.54, 9437.76},
    {43, 6.01, 6275.96},
    {39, 5.36, 4694.0},
    {38, 2.39, 8827.39},
    {37, 0.83, 19651.05},
    {37, 4.9, 12139.55},
    {36, 1.67, 12036.46},
    {35, 1.84, 2942.46},
    {33, 0.24, 7084.9},
    {32, 0.18, 5088.63},
    {32, 1.78, 398.15},
    {28, 1.21, 6286.6},
    {28, 1.9, 6279.55},
    {26, 4.59, 10447.39},
};
constexpr Term r1[] = {
    {103019, 1.10749, 6283.07585},
    {1721, 1.0644, 12566.1517},
    {702, 3.142, 0},
    {32, 1.02, 18849.23},
    {31, 2.84, 5507.55},
    {25, 1.32, 5223.69},
    {18, 1.42, 1577.34},
    {10, 5.91, 10977.08},
    {9, 1.42, 6275.96},
    {9, 0.27, 5486.78},
};
constexpr Term r2[] = {
    {4359, 5.7846, 6283.0758}, {124, 5.579, 12566.152}, {12, 3.14, 0},
    {9, 3.63, 77713.77},       {6, 1.87, 5573.14},      {3, 5.47, 18849.23},
};
constexpr Term r3[] = {{145, 4.273, 6283.076}, {7, 3.92, 12566.15}};
constexpr Term r4[] = {{4, 2.56, 6283.08}};

// Σ τ^k Σ A cos(B + C τ), the series of one coordinate.
double series(std::span<const std::span<const Term>> powers, double tau)
{
    double total = 0;
    double factor = 1;
    for (const std::span<const Term> terms : powers) {
        double sum = 0;
        for (const Term& term : terms) {
            sum += term.amplitude * std::cos(term.phase + term.frequency * tau);
        }
        total += sum * factor;
        factor *= tau;
    }
    return total * 1e-8;
}

// One line of Meeus's table 22.A: the multiples of D, M, M′, F, Ω, then Δψ and Δε in 0.0001″
// as a constant and a rate per century.
struct NutationTerm
{
    signed char d, m, mPrime, f, omega;
    double psi, psiRate, epsilon, epsilonRate;
};

constexpr NutationTerm nutationTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
    {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
    {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
    {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
    {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
    {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
    {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
    {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 0.1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -0.1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -0.1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 0.1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
    {-2, 0, 1, 0, 1, -13, 0, 7, 0},
    {0, -1, 0, 0, 1, -12, 0, 6, 0},
    {0, 0, 2, -2, 0, 11, 0, 0, 0},
    {2, 0, -1, 2, 1, -10, 0, 5, 0},
    {2, 0, 1, 2, 2, -8, 0, 3, 0},
    {0, 1, 0, 2, 2, 7, 0, -3, 0},
    {-2, 1, 1, 0, 0, -7, 0, 0, 0},
    {0, -1, 0, 2, 2, -7, 0, 3, 0},
    {2, 0, 0, 2, 1, -7, 0, 3, 0},
    {2, 0, 1, 0, 0, 6, 0, 0, 0},
    {-2, 0, 2, 2, 2, 6, 0, -3, 0},
    {-2, 0, 1, 2, 1, 6, 0, -3, 0},
    {2, 0, -2, 0, 1, -6, 0, 3, 0},
    {2, 0, 0, 0, 1, -6, 0, 3, 0},
    {0, -1, 1, 0, 0, 5, 0, 0, 0},
    {-2, -1, 0, 2, 1, -5, 0, 3, 0},
    {-2, 0, 0, 0, 1, -5, 0, 3, 0},
    {0, 0, 2, 2, 1, -5, 0, 3, 0},
    {-2, 0, 2, 0, 1, 4, 0, 0, 0},
    {-2, 1, 0, 2, 1, 4, 0, 0, 0},
    {0, 0, 1, -2, 0, 4, 0, 0, 0},
    {-1, 0, 1, 0, 0, -4, 0, 0, 0},
    {-2, 1, 0, 0, 0, -4, 0, 0, 0},
    {1, 0, 0, 0, 0, -4, 0, 0, 0},
    {0, 0, 1, 2, 0, 3, 0, 0, 0},
    {0, 0, -2, 2, 2, -3, 0, 0, 0},
    {-1, -1, 1, 0, 0, -3, 0, 0, 0},
    {0, 1, 1, 0, 0, -3, 0, 0, 0},
    {0, -1, 1, 2, 2, -3, 0, 0, 0},
    {2, -1, -1, 2, 2, -3, 0, 0, 0},
    {0, 0, 3, 2, 2, -3, 0, 0, 0},
    {2, -1, 0, 2, 2, -3, 0, 0, 0},
};

struct Nutation
{
    double longitude, obliquity; // radians
};

// T in Julian centuries of TT from J2000.
Nutation nutation(double t)
{
    const double d = (297.85036 + 445267.111480 * t - 0.0019142 * t * t + t * t * t / 189474) * degree;
    const double m = (357.52772 + 35999.050340 * t - 0.0001603 * t * t - t * t * t / 300000) * degree;
    const double mPrime = (134.96298 + 477198.867398 * t + 0.0086972 * t * t + t * t * t / 56250) * degree;
    const double f = (93.27191 + 483202.017538 * t - 0.0036825 * t * t + t * t * t / 327270) * degree;
    const double omega = (125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000) * degree;
    Nutation result{0, 0};
    for (const NutationTerm& term : nutationTerms) {
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f + term.omega * omega;
        result.longitude += (term.psi + term.psiRate * t) * std::sin(argument);
        result.obliquity += (term.epsilon + term.epsilonRate * t) * std::cos(argument);
    }
    result.longitude *= 1e-4 * arcsecond;
    result.obliquity *= 1e-4 * arcsecond;
    return result;
}

// Laskar's mean obliquity (Meeus 22.3), good for ten thousand years either side of 2000.
double meanObliquity(double t)
{
    const double u = t / 100;
    constexpr std::array<double, 11> coefficients{84381.448, -4680.93, -1.55, 1999.25, -51.38, -249.67,
                                                  -39.05,    7.12,     27.87, 5.79,    2.45};
    double total = 0;
    for (std::size_t i = coefficients.size(); i-- > 0;) {
        total = total * u + coefficients[i];
    }
    return total * arcsecond;
}

struct ApparentSun
{
    double longitude;      // radians, not reduced
    double rightAscension; // radians
    Nutation nutation;
    double obliquity; // true obliquity, radians
};

ApparentSun apparentSun(double jde)
{
    const double tau = (jde - j2000) / 365250;
    const double t = tau * 10;
    static constexpr std::span<const Term> longitudeSeries[] = {l0, l1, l2, l3, l4, l5};
    static constexpr std::span<const Term> latitudeSeries[] = {b0, b1};
    static constexpr std::span<const Term> radiusSeries[] = {r0, r1, r2, r3, r4};
    // Geocentric, so the Earth's heliocentric place turned round.
    double longitude = series(longitudeSeries, tau) + std::numbers::pi;
    double latitude = -series(latitudeSeries, tau);
    const double radius = series(radiusSeries, tau);

    // From the VSOP87 dynamical frame to FK5 (Meeus 25.9).
    const double shifted = longitude - (1.397 * t + 0.00031 * t * t) * degree;
    longitude -= 0.09033 * arcsecond;
    latitude += 0.03916 * arcsecond * (std::cos(shifted) - std::sin(shifted));

    const Nutation nut = nutation(t);
    longitude += nut.longitude - 20.4898 * arcsecond / radius;
    const double obliquity = meanObliquity(t) + nut.obliquity;
    const double rightAscension = std::atan2(
        std::sin(longitude) * std::cos(obliquity) - std::tan(latitude) * std::sin(obliquity), std::cos(longitude));
    return {longitude, rightAscension, nut, obliquity};
}

// TT - UT in seconds at a decimal year: Espenak and Meeus's polynomials (see the header).
double deltaT(double y)
{
    const auto poly = [](double x, std::initializer_list<double> coefficients) {
        double total = 0;
        double power = 1;
        for (const double c : coefficients) {
            total += c * power;
            power *= x;
        }
        return total;
    };
    const double u = (y - 1820) / 100;
    if (y < -500 || y >= 2150) {
        return -20 + 32 * u * u;
    }
    if (y < 500) {
        return poly(y / 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
    }
    if (y < 1600) {
        return poly((y - 1000) / 100, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073});
    }
    if (y < 1700) {
        return poly(y - 1600, {120, -0.9808, -0.01532, 1.0 / 7129});
    }
    if (y < 1800) {
        return poly(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000});
    }
    if (y < 1860) {
        return poly(y - 1800,
                    {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875});
    }
    if (y < 1900) {
        return poly(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
    }
    if (y < 1920) {
        return poly(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    }
    if (y < 1941) {
        return poly(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    }
    if (y < 1961) {
        return poly(y - 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    }
    if (y < 1986) {
        return poly(y - 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    }
    if (y < 2005) {
        return poly(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    }
    if (y < 2050) {
        return poly(y - 2000, {62.92, 0.32217, 0.005589});
    }
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

// The equinox in Julian ephemeris days (TT).
double equinoxJde(std::int64_t gregorianYear)
{
    // Meeus table 27.B; its periodic terms are left out, the Newton steps below absorb them.
    const double y = (static_cast<double>(gregorianYear) - 2000) / 1000;
    double jde = 2451810.21715 + y * (365242.01767 + y * (-0.11575 + y * (0.00337 + y * 0.00078)));
    // The Sun moves about 360° / 365.24 days, so 58 sin(180° - λ) days is a Newton step (Meeus ch. 27).
    for (int step = 0; step < 30; ++step) {
        const double correction = 58 * std::sin(std::numbers::pi - apparentSun(jde).longitude);
        jde += correction;
        if (std::abs(correction) * secondsPerDay < 0.1) {
            break;
        }
    }
    return jde;
}

double julianDay(Instant instant)
{
    return unixEpoch + static_cast<double>(instant.time_since_epoch().count()) / 1e6 / secondsPerDay;
}

} // namespace

namespace Equinox {

Instant autumnEquinox(std::int64_t gregorianYear)
{
    const double jde = equinoxJde(gregorianYear);
    const double ut = jde - deltaT(static_cast<double>(gregorianYear) + 8.5 / 12) / secondsPerDay;
    return Instant{std::chrono::microseconds{std::llround((ut - unixEpoch) * secondsPerDay * 1e6)}};
}

double parisApparentOffset(Instant instant)
{
    // The Sun's hour angle at Paris, from Greenwich apparent sidereal time (Meeus 12.4 plus the
    // equation of the equinoxes), read as a time of day; its difference from the Paris mean time
    // of day is the equation of time, within a few tens of minutes of zero.
    const double jd = julianDay(instant);
    const double t = (jd - j2000) / 36525;
    const double year = 2000 + t * 100;
    const ApparentSun sun = apparentSun(jd + deltaT(year) / secondsPerDay);
    const double meanSidereal =
        (280.46061837 + 360.98564736629 * (jd - j2000) + t * t * (0.000387933 - t / 38710000)) * degree;
    const double hourAngle =
        meanSidereal + sun.nutation.longitude * std::cos(sun.obliquity) + parisLongitude - sun.rightAscension;
    const double apparentTimeOfDay = hourAngle / (2 * std::numbers::pi) + 0.5;
    const double meanTimeOfDay = jd - 0.5 + parisLongitudeSeconds / secondsPerDay;
    double equation = apparentTimeOfDay - meanTimeOfDay;
    equation -= std::round(equation);
    return parisLongitudeSeconds + equation * secondsPerDay;
}

std::int64_t parisApparentDay(std::int64_t gregorianYear)
{
    const Instant equinox = autumnEquinox(gregorianYear);
    const double seconds = static_cast<double>(equinox.time_since_epoch().count()) / 1e6 + parisApparentOffset(equinox);
    return static_cast<std::int64_t>(std::floor(seconds / secondsPerDay));
}

} // namespace Equinox
