#pragma once

#include <memory>
#include <string>

class QLocale;

// A moment as the clock on the wall shows it (local time), to the second.
struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Everything the program shows that depends on the user's locale. The program uses the system's
// locale; tests pin one so their expectations do not depend on the machine.
class DisplayLocale {
  public:
    virtual ~DisplayLocale() = default;
    virtual char32_t decimalSeparator() const = 0;
    // Full name of month 1 to 12, as the user's locale writes it ("May").
    virtual std::string monthName(int month) const = 0;
    virtual std::string shortDate(const LocalDateTime& when) const = 0;
    // The general date format: short date, a blank, long time ("18/05/2003 21:14:05").
    virtual std::string generalDate(const LocalDateTime& when) const = 0;
};

// The locale the program runs with.
const DisplayLocale& CurrentLocale();
// Replaces it (tests); nullptr goes back to the system's.
void SetCurrentLocale(std::shared_ptr<const DisplayLocale> locale);

// A fixed locale for tests and reports: '.' or ',' as separator, English month names, dates as
// dd/mm/yyyy and times as hh:mm:ss.
std::shared_ptr<const DisplayLocale> MakeFixedLocale(char32_t decimalSeparator = '.');

// The conventions of a Qt locale; the program runs with QLocale::system(). The long time is taken
// without its time-zone field, which the general date does not show.
std::shared_ptr<const DisplayLocale> MakeQtLocale(const QLocale& locale);
