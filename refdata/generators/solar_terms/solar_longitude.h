#pragma once
// Apparent geocentric ecliptic longitude of the Sun: the Earth's heliocentric
// position from the VSOP87D series, turned geocentric, reduced to the FK5
// frame, then corrected for nutation in longitude and for annual aberration.
// Times are Julian Ephemeris Days (Terrestrial Time).
namespace qk::astro {

inline constexpr double kJ2000 = 2451545.0;

// Nutation in longitude, in arcseconds.
double NutationInLongitudeArcsec(double jde);

// Earth-Sun distance, in astronomical units.
double SunDistanceAu(double jde);

// Apparent longitude of the Sun referred to the true equinox of date, in
// degrees in [0, 360).
double ApparentSolarLongitude(double jde);

// The moment (JDE) nearest to jdeGuess at which the apparent longitude
// reaches `degrees`. jdeGuess must lie within about two months of it.
double JdeOfApparentSolarLongitude(double degrees, double jdeGuess);

}  // namespace qk::astro
