#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the user reads and types them. The separators are process-wide: the desktop
// program sets them once from the system locale; the default is the C locale's '.' and ','.
void setDecimalSeparator(char separator);
char decimalSeparator();
// Used only by patterns with grouping ("#,##0.##").
void setThousandsSeparator(char separator);
char thousandsSeparator();

// The float-format pattern language: "0" a mandatory digit, "#" an optional one, "." the place of
// the decimal separator, "," in the integer part for grouping, and "e-0", "E+00" and the like for
// scientific notation with at least that many exponent digits. The value is first rounded to 15
// significant digits, then half away from zero to the pattern's decimals; optional trailing zeros
// and a separator with no decimal after it are dropped, and a value shown as zero has no minus.
// Throws std::invalid_argument for a pattern outside this language.
std::string formatFloat(std::string_view pattern, double value);

// Up to 15 significant digits, fixed notation for magnitudes from 1e-5 up to 15 integer digits,
// otherwise the shortest scientific form ("1E-6", "1.5E20").
std::string formatGeneral(double value);

// The inverse of formatGeneral: optional sign, digits with an optional fraction after the
// current decimal separator, an optional exponent; blanks around it are ignored. Values too
// small for a double read as zero, too large ones are not numbers.
double strToFloat(std::string_view text);  // throws EConvertError
std::optional<double> tryStrToFloat(std::string_view text);

// printf's "%.Nf" with the current decimal separator.
std::string formatFixed(double value, int decimals);
// printf-like "%.Ne" with N significant digits in all, a capital E, the exponent's sign always
// and at least `minExponentDigits` exponent digits: formatScientific(0.12346, 5, 3) is
// "1.2346E-001".
std::string formatScientific(double value, int significantDigits, int minExponentDigits);
// The chart readout: "%-12.3f" when |v| >= 1, otherwise "%-12.5e".
std::string formatReadout(double value);
std::string padRight(std::string text, std::size_t width);

// For files other programs read (JSON, CSV): the shortest text that reads back as the same
// double, always with '.'.
std::string formatShortest(double value);
// Numbers in files other programs write (thermodynamic databases): '.' whatever the user's
// separator, an optional sign and exponent, blanks around ignored; nothing when not a number.
std::optional<double> tryReadFileNumber(std::string_view text);
std::string formatInt(long long value);
