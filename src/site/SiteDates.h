#pragma once

#include <string>

#include "db/DbValue.h"

// The dates the site shows. They come from the data, never from the day of the run, so that a
// site written again from the same database is the same files (the start page alone says when
// it was made).

// A date of the database as "14 Dec 2003"; a date stored as text stays as it is.
std::string DayText(const DbValue& value);

// What every page's footer says the data covers: "Games to 14 Dec 2003, rankings to December
// 2003", either part left out when the database cannot say it.
std::string DataCoverage();

// The newest day the data speaks of, as a W3C date for sitemap.xml: the latest tournament's
// ("2003-12-17"), else the newest ranking month's ("2003-12"); empty when neither is known.
std::string DataDay();

// The day of the run in UTC, as "8 Dec 2026", for the start page only.
std::string RunDay();
