#pragma once

#include "storage/TableImage.h"

#include <cstdint>
#include <string>

// Stored forms of field values: little-endian bytes on every host. Encoders give the empty
// string for a value that is not stored (0, -0.0, false); decoders read an empty (blank) value
// as 0 or false, zero-extend a shorter value and ignore bytes beyond the type's width.
std::string encodeDouble(double value);
double decodeDouble(const std::string& stored);

std::string encodeSmallInt(std::int16_t value);
std::int16_t decodeSmallInt(const std::string& stored);

std::string encodeInteger(std::int32_t value);
std::int32_t decodeInteger(const std::string& stored);

std::string encodeBoolean(bool value);
bool decodeBoolean(const std::string& stored);

// The bytes the writer stores for a value of this field; empty when the field is not stored.
// Fixed-width values get their full width, a true Boolean becomes 01 00, texts longer than the
// reader accepts are cut so that the file stays readable.
std::string storedForm(const FieldDef& field, const std::string& value);
