#include "core/DisplayLocale.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <array>
#include <cstdio>
#include <utility>

namespace {

// A Qt long time format carries the time zone ("t"), which the general date leaves out. Quoted
// literals are kept as they are; brackets left empty by the removal go too.
QString WithoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        result += c;
    }
    result.replace(QStringLiteral("()"), QString());
    return result.simplified();
}

QDate ToQDate(const LocalDateTime& when) {
    return QDate(when.year, when.month, when.day);
}

class QtLocale final : public DisplayLocale {
  public:
    explicit QtLocale(const QLocale& locale)
        : locale_(locale), longTime_(WithoutTimeZone(locale.timeFormat(QLocale::LongFormat))) {}

    char32_t decimalSeparator() const override {
        const QList<uint> point = locale_.decimalPoint().toUcs4();
        return point.isEmpty() ? U'.' : static_cast<char32_t>(point.front());
    }

    // The standalone form: the name heads a label of its own ("May 2003"), which in several
    // languages takes a different case from the name inside a date.
    std::string monthName(int month) const override {
        return locale_.standaloneMonthName(month, QLocale::LongFormat).toStdString();
    }

    std::string shortDate(const LocalDateTime& when) const override {
        return locale_.toString(ToQDate(when), QLocale::ShortFormat).toStdString();
    }

    std::string generalDate(const LocalDateTime& when) const override {
        const QTime time(when.hour, when.minute, when.second);
        return shortDate(when) + " " + locale_.toString(time, longTime_).toStdString();
    }

  private:
    QLocale locale_;
    QString longTime_;
};

class FixedLocale final : public DisplayLocale {
  public:
    explicit FixedLocale(char32_t separator) : separator_(separator) {}

    char32_t decimalSeparator() const override { return separator_; }

    std::string monthName(int month) const override {
        static constexpr std::array<const char*, 12> kNames = {
            "January", "February", "March",     "April",   "May",      "June",
            "July",    "August",   "September", "October", "November", "December"};
        if (month < 1 || month > 12) return {};
        return kNames[static_cast<std::size_t>(month - 1)];
    }

    std::string shortDate(const LocalDateTime& when) const override {
        char text[48];
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", when.day, when.month, when.year);
        return text;
    }

    std::string generalDate(const LocalDateTime& when) const override {
        char time[48];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", when.hour, when.minute, when.second);
        return shortDate(when) + " " + time;
    }

  private:
    char32_t separator_;
};

std::shared_ptr<const DisplayLocale>& Installed() {
    static std::shared_ptr<const DisplayLocale> locale;
    return locale;
}

}  // namespace

const DisplayLocale& CurrentLocale() {
    auto& locale = Installed();
    if (!locale) locale = MakeQtLocale(QLocale::system());
    return *locale;
}

void SetCurrentLocale(std::shared_ptr<const DisplayLocale> locale) {
    Installed() = std::move(locale);
}

std::shared_ptr<const DisplayLocale> MakeFixedLocale(char32_t decimalSeparator) {
    return std::make_shared<FixedLocale>(decimalSeparator);
}

std::shared_ptr<const DisplayLocale> MakeQtLocale(const QLocale& locale) {
    return std::make_shared<QtLocale>(locale);
}
