#pragma once

#include <string>
#include <string_view>

// A JSON string literal, quotes included. Valid UTF-8 passes through; a byte that does not form
// a UTF-8 character is written as the Latin-1 character of that code, so the output stays JSON.
std::string jsonString(std::string_view text);
// A JSON number that reads back as the same double; "NaN", "Infinity" and "-Infinity" as strings.
std::string jsonNumber(double value);
