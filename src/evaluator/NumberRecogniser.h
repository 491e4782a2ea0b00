#pragma once

#include <optional>
#include <string_view>

// Recogniser N of the expression language, shared with the phase description's number
// reader. Accepts "PI" and "-PI" (when allowPi), else: an optional sign, digits, an
// optional "." (or the first ",") with digits, an optional "E", sign and digits; either
// digit run of the mantissa may be empty ("." and "E5" read as 0), but something must
// follow the sign; characters of code 32 or below at the end are ignored. Only the
// upper-case exponent letter counts: the compiler upper-cases its text first.
//
// With numberFormatSwitch off the same grammar is read without the comma rule and
// without ignoring trailing control characters: the core's decimal separator is ".".
//
// A number whose magnitude exceeds the double range is not a number (it could only
// become an infinity); one below the smallest subnormal reads as zero.
std::optional<double> recogniseNumber(std::string_view text, bool allowPi,
                                      bool numberFormatSwitch = true);
