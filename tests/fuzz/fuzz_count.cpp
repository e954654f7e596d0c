// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Differential fuzzing of the count conversion against an independent reference: a
// regular expression for the accepted grammar, and strtod in the C locale for the value
// and for the range a double holds.
#include "multiroller/multiroller.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>

namespace {

const std::regex &grammar()
{
    static const std::regex number(
        R"([ \t\r\n]*[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t\r\n]*)",
        std::regex::ECMAScript | std::regex::optimize);
    return number;
}

[[noreturn]] void fail(const std::string &text, const char *what)
{
    std::fprintf(stderr, "count conversion: %s for \"%s\"\n", what, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 64) // count texts are short; keeps the reference's backtracking cheap
        return 0;
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> value = multiroller::parseNumber(text);
    const int count = multiroller::countFor(text);
    const bool matches = std::regex_match(text, grammar());

    errno = 0;
    const double expected = matches ? std::strtod(text.c_str(), nullptr) : 0;
    // A number beyond a double's range, which strtod rounds to infinity or zero, is none.
    const bool number = matches && !(errno == ERANGE && (std::isinf(expected) || expected == 0));
    if (value.has_value() != number)
        fail(text, number ? "number rejected" : "non-number accepted");
    if (!number) {
        if (count != 0)
            fail(text, "non-number gives a count");
        return 0;
    }
    if (!(*value == expected))
        fail(text, "value differs from strtod");
    const double whole = std::floor(expected);
    const int expectedCount =
        whole >= std::numeric_limits<short>::min() && whole <= std::numeric_limits<short>::max()
            ? static_cast<int>(whole)
            : 0;
    if (count != expectedCount)
        fail(text, "count is not the floor of the value");
    return 0;
}
