// Text comparison and LIKE over any three texts: a consistent order, a fold key that agrees with
// it, and LIKE answering promptly whatever the pattern.
#include <algorithm>
#include <string>

#include "FuzzInput.h"
#include "db/JetText.h"

namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

void CheckOrder(std::string_view a, std::string_view b, std::string_view c) {
    const int ab = JetCompare(a, b);
    FUZZ_CHECK(Sign(ab) == -Sign(JetCompare(b, a)));
    FUZZ_CHECK(JetEqual(a, b) == (ab == 0));
    FUZZ_CHECK((JetFoldKey(a) == JetFoldKey(b)) == (ab == 0));
    FUZZ_CHECK(JetCompare(a, a) == 0);
    // A sort relies on this: a <= b <= c gives a <= c.
    if (ab <= 0 && JetCompare(b, c) <= 0) FUZZ_CHECK(JetCompare(a, c) <= 0);
}

void CheckLike(std::string_view a, std::string_view b) {
    // % matches any run and _ any one character, so these hold whatever wildcards a holds.
    FUZZ_CHECK(JetLike(a, a));
    FUZZ_CHECK(JetLike(a, "%"));
    FUZZ_CHECK(JetLike(a, "%%"));
    // A prefix; an ASCII one, since bytes of a broken character could join up with b's.
    if (std::all_of(a.begin(), a.end(), [](char ch) { return ch >= 0; })) {
        FUZZ_CHECK(JetLike(std::string(a) + std::string(b), std::string(a) + "%"));
    }
    JetLike(a, b);  // no crash and, under the fuzzer's time limit, no hang
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = Parts(AsText(data, size), 3);
    CheckOrder(parts[0], parts[1], parts[2]);
    CheckLike(parts[0], parts[1]);
    return 0;
}
