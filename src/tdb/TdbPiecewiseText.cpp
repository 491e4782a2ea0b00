#include "tdb/TdbPiecewiseText.h"

#include "base/AsciiCase.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "tdb/TdbCommands.h"
#include "tdb/TdbMessages.h"

#include <charconv>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// The number a piece starts with (a temperature limit); the piece keeps what follows it.
double leadingNumber(std::string_view& piece) {
  piece = trim(piece);
  std::size_t end = 0;
  while (end < piece.size() && (isDigit(piece[end]) || piece[end] == '.' ||
                                (end == 0 && (piece[end] == '+' || piece[end] == '-'))))
    ++end;
  if (end < piece.size() && (piece[end] == 'E' || piece[end] == 'e')) {
    std::size_t after = end + 1;
    if (after < piece.size() && (piece[after] == '+' || piece[after] == '-')) ++after;
    if (after < piece.size() && isDigit(piece[after])) {
      end = after;
      while (end < piece.size() && isDigit(piece[end])) ++end;
    }
  }
  const std::string_view written = piece.substr(0, end);
  const auto value = tryReadFileNumber(written);
  const bool apart = end == piece.size() || static_cast<unsigned char>(piece[end]) <= ' ';
  if (written.empty() || !value || !apart) {
    const auto words = splitWords(piece);
    throw ETdbError(formatMessage(tdbmsg::kBadNumber, {words.empty() ? "" : words.front()}));
  }
  piece.remove_prefix(end);
  return *value;
}

TdbExpr expression(std::string_view text) {
  try {
    return parseTdbExpression(text);
  } catch (const ETdbError& e) {
    // The start of a long expression is enough to find it on its line.
    constexpr std::size_t kShown = 40;
    std::string shown(trim(text));
    if (shown.size() > kShown) shown = shown.substr(0, kShown) + "...";
    throw ETdbError(formatMessage(tdbmsg::kBadExpression, {shown, e.what()}));
  }
}

}  // namespace

TdbPiecewise readPiecewise(std::string_view text) {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0;;) {
    const auto semicolon = text.find(';', start);
    pieces.push_back(text.substr(start, semicolon - start));
    if (semicolon == std::string_view::npos) break;
    start = semicolon + 1;
  }
  if (pieces.size() < 2) throw ETdbError(tdbmsg::kBadRanges);
  TdbPiecewise result;
  double low = leadingNumber(pieces[0]);
  std::string_view body = pieces[0];
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    std::string_view piece = pieces[i];
    const double high = leadingNumber(piece);
    if (!(high > low)) throw ETdbError(tdbmsg::kRangesNotRising);
    result.ranges.push_back({low, high, expression(body)});
    const auto words = splitWords(piece);
    if (words.empty()) throw ETdbError(tdbmsg::kBadRanges);
    const bool more = equalsIgnoringCase(words.front(), "Y");
    const bool last = i + 1 == pieces.size();
    if (!more && !equalsIgnoringCase(words.front(), "N")) throw ETdbError(tdbmsg::kBadRanges);
    if (more == last) throw ETdbError(tdbmsg::kBadRanges);
    if (!more) break;
    piece = trim(piece);
    body = piece.substr(1);
    low = high;
  }
  return result;
}

TdbParameter readParameterDescriptor(std::string_view text, std::size_t& used) {
  const auto open = text.find('(');
  const auto close = text.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open)
    throw ETdbError(tdbmsg::kBadParameter);
  used = close + 1;
  std::string inside;
  for (char c : text.substr(open + 1, close - open - 1))
    if (static_cast<unsigned char>(c) > ' ') inside += upperAscii(c);
  TdbParameter parameter;
  parameter.type = upperCase(trim(text.substr(0, open)));
  const auto comma = inside.find(',');
  if (parameter.type.empty() || comma == std::string::npos || comma == 0)
    throw ETdbError(tdbmsg::kBadParameter);
  parameter.phase = inside.substr(0, comma);
  if (const auto colon = parameter.phase.find(':'); colon != std::string::npos)
    parameter.phase.erase(colon);
  const auto semicolon = inside.find(';');
  const std::string array = inside.substr(
      comma + 1, semicolon == std::string::npos ? std::string::npos : semicolon - comma - 1);
  if (semicolon != std::string::npos) {
    const std::string order = inside.substr(semicolon + 1);
    const auto [end, ec] =
        std::from_chars(order.data(), order.data() + order.size(), parameter.order);
    if (ec != std::errc() || end != order.data() + order.size() || parameter.order < 0)
      throw ETdbError(tdbmsg::kBadParameter);
  }
  std::vector<std::string> sublattice;
  std::string name;
  for (std::size_t i = 0; i <= array.size(); ++i) {
    const char c = i < array.size() ? array[i] : ':';
    if (c == ',' || c == ':') {
      if (name.empty()) throw ETdbError(tdbmsg::kBadParameter);
      sublattice.push_back(std::move(name));
      name.clear();
      if (c == ':') {
        parameter.constituents.push_back(std::move(sublattice));
        sublattice.clear();
      }
    } else {
      name += c;
    }
  }
  return parameter;
}
