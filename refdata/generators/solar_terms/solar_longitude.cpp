#include "solar_terms/solar_longitude.h"

#include <cmath>
#include <numbers>
#include <span>

#include "solar_terms/earth_series.h"
#include "solar_terms/nutation_series.h"

namespace qk::astro {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

double Millennia(double jde) { return (jde - kJ2000) / 365250.0; }
double Centuries(double jde) { return (jde - kJ2000) / 36525.0; }

// sum_k tau^k * sum_i A_i cos(B_i + C_i tau), in units of 1e-8.
double EvaluateSeries(std::span<const std::span<const series::PeriodicTerm>> powers, double tau) {
  double total = 0.0;
  for (auto it = powers.rbegin(); it != powers.rend(); ++it) {
    double sum = 0.0;
    for (const auto& term : *it) sum += term.amplitude * std::cos(term.phase + term.frequency * tau);
    total = total * tau + sum;
  }
  return total * 1e-8;
}

double NormalizeDegrees(double degrees) {
  double d = std::fmod(degrees, 360.0);
  return d < 0 ? d + 360.0 : d;
}

// Signed difference a - b folded into (-180, 180].
double DegreesBetween(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d;
}

}  // namespace

double NutationInLongitudeArcsec(double jde) {
  const double t = Centuries(jde);
  const double t2 = t * t, t3 = t2 * t;
  // Fundamental arguments of the lunar and solar motion, in degrees.
  const double d = 297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474.0;
  const double m = 357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000.0;
  const double mPrime = 134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0;
  const double f = 93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0;
  const double omega = 125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0;
  double sum = 0.0;
  for (const auto& term : series::kNutationInLongitude) {
    const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f + term.omega * omega;
    sum += (term.sine0 + term.sine1 * t) * std::sin(NormalizeDegrees(argument) * kDegree);
  }
  return sum * 1e-4;
}

double SunDistanceAu(double jde) { return EvaluateSeries(series::kRadius, Millennia(jde)); }

double ApparentSolarLongitude(double jde) {
  const double tau = Millennia(jde);
  // Heliocentric longitude of the Earth, plus 180 degrees, is the Sun's
  // geometric geocentric longitude (dynamical equinox of VSOP87).
  const double heliocentric = EvaluateSeries(series::kLongitude, tau) / kDegree;
  const double geometric = heliocentric + 180.0;
  // Reduction to the FK5 system: a constant -0.09033".
  const double fk5 = -0.09033;
  // Annual aberration: -20.4898" / R.
  const double aberration = -20.4898 / SunDistanceAu(jde);
  return NormalizeDegrees(geometric + (fk5 + NutationInLongitudeArcsec(jde) + aberration) / 3600.0);
}

double JdeOfApparentSolarLongitude(double degrees, double jdeGuess) {
  // Newton steps with the Sun's mean daily motion; the true motion differs by
  // a few percent, so each step gains more than a digit. Stop below a
  // millisecond.
  constexpr double kMeanDegreesPerDay = 360.0 / 365.2422;
  double jde = jdeGuess;
  for (int i = 0; i < 50; ++i) {
    const double step = DegreesBetween(degrees, ApparentSolarLongitude(jde)) / kMeanDegreesPerDay;
    jde += step;
    if (std::fabs(step) < 1e-8) break;
  }
  return jde;
}

}  // namespace qk::astro
