#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A failure reported by the database layer: a query the engine rejects, a value that cannot be
// converted, a file that cannot be loaded.
class DbError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// text without the spaces and tabs around it.
std::string_view Trimmed(std::string_view text);

// One field value as a query returns it. Yes/no values arrive as the whole numbers -1 and 0;
// Date/Time values keep their kind so they can be shown in the user's date format.
class DbValue {
  public:
    enum class Kind { Null, Integer, Real, Text, Date };

    DbValue() = default;
    static DbValue integer(std::int64_t v);
    static DbValue real(double v);
    static DbValue text(std::string v);
    // iso is "YYYY-MM-DD HH:MM:SS".
    static DbValue date(std::string iso);

    // In place of the factories where values are read one row after the other: a text or date
    // takes over the room the previous text left, instead of a new allocation per field.
    void assignText(std::string_view v) { assignChars(Kind::Text, v); }
    void assignDate(std::string_view iso) { assignChars(Kind::Date, iso); }

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    // Bytes of a text's UTF-8 form; 0 for any other kind.
    std::size_t textSize() const { return kind_ == Kind::Text ? text_.size() : 0; }

    // Whole-number view: integers as they are, reals rounded half to even, numeric text parsed,
    // Dates refused. Throws DbError for null and for text that is not a number.
    std::int64_t toInt64() const;
    double toDouble() const;
    // The value as text, as the database would show it when concatenated with text; empty for
    // null. Dates give their "YYYY-MM-DD HH:MM:SS" form.
    std::string toString() const;
    // The characters of a text or date without a copy; empty for any other kind.
    std::string_view chars() const {
        return kind_ == Kind::Text || kind_ == Kind::Date ? std::string_view(text_)
                                                          : std::string_view();
    }

    friend bool operator==(const DbValue&, const DbValue&) = default;

  private:
    void assignChars(Kind kind, std::string_view v) {
        kind_ = kind;
        int_ = 0;
        real_ = 0;
        text_.assign(v);
    }

    Kind kind_ = Kind::Null;
    std::int64_t int_ = 0;
    double real_ = 0;
    std::string text_;
};
