#pragma once

#include <string>

// A DUZEDO of a few rows for the main window's lists. rankings: columns player, COUNTRY, r,
// R1202, R0103 and a stray "Rnotes"; players Tomas (Spain), Abel (no country), Zora (Spain).
// [tournament players]: Spring League (Velmoor), World Cup II (Athens) and "WORLD cup III" (WC),
// Worldwide Open (Ostland), Autumn Cup (Ísland). withCountry false leaves out the host country
// column, as older databases do. scores and tables are empty, with no column but tournament.
void WriteListsDuzedo(const std::string& path, bool withCountry);
