// The collation's shortcuts (a common ASCII start skipped, equal tails settled without Unicode
// work) must give what the whole-text definition gives, on text of every alphabet: an index is
// only sound over a comparison that is one total order.

#include <gtest/gtest.h>

#include <QString>
#include <random>
#include <string>
#include <vector>

#include "db/JetText.h"

namespace {

// The definition over whole texts: trailing blanks dropped, case folded; first the letters
// without their accents, then the folded letters with them.
struct Keys {
    QString base;
    QString folded;
};

Keys KeysOf(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    Keys keys;
    keys.folded = QString::fromStdString(text).toCaseFolded();
    for (const QChar c : keys.folded.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) keys.base.append(c);
    }
    return keys;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

int ByDefinition(const Keys& a, const Keys& b) {
    if (const int primary = QString::compare(a.base, b.base)) return Sign(primary);
    return Sign(QString::compare(a.folded, b.folded));
}

// Texts built from pieces of many alphabets, with case pairs, accents precomposed and combining,
// letters whose folding is special, characters beyond 16 bits, and blanks inside and at the end.
std::vector<std::string> MixedScriptTexts() {
    const std::vector<std::string> pieces = {
        "a", "A", "b", "Z", "z", "é", "É", "e\u0301", "e",  "ß", "SS", "ss", "Σ",
        "σ", "ς", "Ж", "ж", "İ", "ı", "i", "I",       "漢", "😀", "Ñ",  "ñ",  "n\u0303",
        "K", "k", " ", "-", "1", "ǅ", "ǆ", "Ø",       "ø",  "Å", "Å",  "~",  "\u0301"};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 6);
    std::vector<std::string> texts = {"", " ", "abc", "ABC  ", "Ábd", "abe"};
    for (int i = 0; i < 500; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) text += pieces[piece(random)];
        texts.push_back(text);
        // The same text again in another case and with blanks after: equal, or nearly so.
        texts.push_back(QString::fromStdString(text).toUpper().toStdString() + "  ");
    }
    return texts;
}

TEST(JetCollation, AgreesWithTheWholeTextDefinitionOnEveryPairOfMixedScripts) {
    const std::vector<std::string> texts = MixedScriptTexts();
    std::vector<Keys> keys;
    for (const std::string& text : texts) keys.push_back(KeysOf(text));
    int failures = 0;
    for (std::size_t i = 0; i < texts.size() && failures < 10; ++i) {
        for (std::size_t j = 0; j < texts.size() && failures < 10; ++j) {
            const int fast = JetCompare(texts[i], texts[j]);
            const int expected = ByDefinition(keys[i], keys[j]);
            if (Sign(fast) != expected) {
                ++failures;
                ADD_FAILURE() << "'" << texts[i] << "' against '" << texts[j] << "': " << fast
                              << ", expected " << expected;
            }
            const bool equalKeys = JetFoldKey(texts[i]) == JetFoldKey(texts[j]);
            if (JetEqual(texts[i], texts[j]) != equalKeys) {
                ++failures;
                ADD_FAILURE() << "'" << texts[i] << "' and '" << texts[j]
                              << "': equality and fold keys disagree";
            }
        }
    }
}

}  // namespace
