#include "db/JetText.h"

#include <QString>
#include <algorithm>
#include <cstring>

namespace {

std::string_view WithoutTrailingBlanks(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiFolded(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
}

QString CaseFolded(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toCaseFolded();
}

// The folded text with accents taken off, so that "Á" sorts among the "a"s.
QString BaseLetters(const QString& folded) {
    const QString decomposed = folded.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) out.append(c);
    }
    return out;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

int CompareUnicode(std::string_view a, std::string_view b) {
    const QString fa = CaseFolded(a);
    const QString fb = CaseFolded(b);
    if (const int primary = QString::compare(BaseLetters(fa), BaseLetters(fb)); primary != 0) {
        return Sign(primary);
    }
    return Sign(QString::compare(fa, fb));
}

// LIKE over folded text: % matches any run, _ one character. Backtracks only to the last %.
template <typename Text, typename Char>
bool LikeFolded(const Text& value, const Text& pattern, Char any, Char one) {
    using Index = decltype(value.size());
    Index v = 0, p = 0, starV = 0;
    bool haveStar = false;
    Index starP = 0;
    while (v < value.size()) {
        // A % is a wildcard even where the value holds a % too.
        if (p < pattern.size() && pattern[p] == any) {
            haveStar = true;
            starP = p++;
            starV = v;
        } else if (p < pattern.size() && (pattern[p] == one || pattern[p] == value[v])) {
            ++v;
            ++p;
        } else if (haveStar) {
            p = starP + 1;
            v = ++starV;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == any) ++p;
    return p == pattern.size();
}

}  // namespace

int JetCompare(std::string_view a, std::string_view b) {
    a = WithoutTrailingBlanks(a);
    b = WithoutTrailingBlanks(b);
    // Folding and accent removal work letter by letter, so an equal ASCII start can be skipped
    // and only the rest needs the (slower) Unicode comparison. Index builds compare the same
    // names over and over: the same bytes are equal whatever alphabet they are in.
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb && ca < 0x80) continue;
        if (ca >= 0x80 || cb >= 0x80) {
            if (a.substr(i) == b.substr(i)) return 0;
            return CompareUnicode(a.substr(i), b.substr(i));
        }
        const char la = AsciiLower(static_cast<char>(ca));
        const char lb = AsciiLower(static_cast<char>(cb));
        if (la != lb)
            return static_cast<unsigned char>(la) < static_cast<unsigned char>(lb) ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool JetEqual(std::string_view a, std::string_view b) {
    return JetCompare(a, b) == 0;
}

std::string JetFoldKey(std::string_view text) {
    text = WithoutTrailingBlanks(text);
    if (IsAscii(text)) return AsciiFolded(text);
    return CaseFolded(text).toStdString();
}

bool JetLike(std::string_view value, std::string_view pattern) {
    if (IsAscii(value) && IsAscii(pattern)) {
        return LikeFolded(AsciiFolded(value), AsciiFolded(pattern), '%', '_');
    }
    return LikeFolded(CaseFolded(value), CaseFolded(pattern), QChar(u'%'), QChar(u'_'));
}
