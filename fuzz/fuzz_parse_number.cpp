// SPDX-License-Identifier: MIT
// Reading a box's text as a number: the reader must accept exactly the
// grammar of its header, give the correctly rounded value and never a
// non-finite one. The first input byte picks the user's decimal separator,
// the rest is the box's text.
#include "fuzzcheck.h"
#include "numberreading.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <string>

namespace {

using namespace loopcalc;
using loopcalc::fuzzing::Pattern;

struct Separator {
    std::string_view text;
    std::string_view pattern;  // the same, as a regular expression
};

// "." alone, the usual comma, a separator of two bytes (U+066B in UTF-8) and
// none at all (a port that reports an empty one).
constexpr std::array<Separator, 4> kSeparators{{
    {".", "\\."},
    {",", ","},
    {"\xD9\xAB", "\xD9\xAB"},
    {"", "\\."},
}};

// The header's grammar, written independently of the reader: blanks, an
// optional sign, digits with at most one point (either "." or the user's
// separator) and at least one digit, an optional exponent, blanks.
Pattern Grammar(const Separator& separator)
{
    const std::string point = "(?:\\.|" + std::string(separator.pattern) + ")";
    const std::string blanks = "[ \\t\\n\\r\\v\\f]*";
    return Pattern("^" + blanks + "[+-]?(?:[0-9]+(?:" + point + "[0-9]*)?|" + point + "[0-9]+)(?:[eE][+-]?[0-9]+)?" +
                   blanks + "$");
}

// The same text in the C form strtod reads: blanks dropped, the point as ".".
std::string CForm(std::string_view text, std::string_view separator)
{
    std::string c;
    for (size_t i = 0; i < text.size();) {
        if (!separator.empty() && text.substr(i).starts_with(separator)) {
            c += '.';
            i += separator.size();
        } else {
            if (std::string_view(" \t\n\r\v\f").find(text[i]) == std::string_view::npos) {
                c += text[i];
            }
            ++i;
        }
    }
    return c;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Box texts are short; long ones only slow the regular expression down.
    if (size < 1 || size > 256) {
        return 0;
    }
    static const std::array<Pattern, kSeparators.size()> grammars{Grammar(kSeparators[0]), Grammar(kSeparators[1]),
                                                                  Grammar(kSeparators[2]), Grammar(kSeparators[3])};
    const size_t which = data[0] % kSeparators.size();
    const Separator& separator = kSeparators[which];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::optional<double> parsed = ParseNumber(text, separator.text);
    const double read = ReadNumber(text, separator.text);
    const bool grammatical = grammars[which].matches(text);

    FUZZ_REQUIRE(read == parsed.value_or(0.0));
    if (!grammatical) {
        FUZZ_REQUIRE(!parsed.has_value());
        return 0;
    }
    FUZZ_REQUIRE(!parsed || std::isfinite(*parsed));

    const std::string c = CForm(text, separator.text);
    char* end = nullptr;
    errno = 0;
    const double expected = std::strtod(c.c_str(), &end);
    const bool outOfRange = errno == ERANGE;
    FUZZ_REQUIRE(end == c.c_str() + c.size());
    if (!parsed) {
        // Only a value a double cannot hold is turned away.
        FUZZ_REQUIRE(outOfRange);
        return 0;
    }
    FUZZ_REQUIRE(*parsed == expected);
    FUZZ_REQUIRE(std::signbit(*parsed) == std::signbit(expected));
    return 0;
}
