#pragma once
// Delta T = TT - UT, in seconds, from the polynomial expressions of Espenak
// and Meeus (Five Millennium Canon of Solar Eclipses, NASA/TP-2006-214141),
// segments for 1900-2150. `decimalYear` is e.g. 2024.5 for mid-2024.
namespace qk::astro {

double DeltaTSeconds(double decimalYear);

}  // namespace qk::astro
