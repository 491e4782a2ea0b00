#include "tdb/TdbCommands.h"

#include "base/AsciiCase.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "tdb/TdbMessages.h"

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::vector<std::string_view> parts(std::string_view word) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= word.size(); ++i) {
    if (i == word.size() || word[i] == '_') {
      out.push_back(word.substr(start, i - start));
      start = i + 1;
    }
  }
  return out;
}

bool abbreviates(std::string_view word, std::string_view keyword) {
  const auto short_ = parts(word);
  const auto full = parts(keyword);
  if (short_.size() > full.size()) return false;
  for (std::size_t i = 0; i < short_.size(); ++i)
    if (short_[i].empty() || full[i].substr(0, short_[i].size()) != short_[i]) return false;
  return true;
}

}  // namespace

void failAtLine(const std::string& sourceName, int line, const std::string& what) {
  throw ETdbError(formatMessage(tdbmsg::kAtLine, {sourceName, formatInt(line), what}));
}

std::vector<TdbCommand> splitTdbCommands(std::string_view text, const std::string& sourceName) {
  if (text.find('\0') != std::string_view::npos)
    throw ETdbError(formatMessage(tdbmsg::kNotText, {sourceName}));
  std::vector<TdbCommand> commands;
  std::string pending;
  int pendingLine = 0;
  int line = 1;
  bool comment = false;
  auto finish = [&] {
    const auto words = splitWords(pending);
    TdbCommand command;
    command.line = pendingLine;
    command.keyword = upperCase(words.front());
    command.rest = pending.substr(words.front().size());
    commands.push_back(std::move(command));
    pending.clear();
  };
  for (char c : text) {
    if (c == '\n') {
      ++line;
      comment = false;
      if (!pending.empty()) pending += ' ';
      continue;
    }
    if (comment) continue;
    if (c == '$') {
      comment = true;
      continue;
    }
    if (c == '!') {
      if (pending.empty()) continue;  // an empty command
      finish();
      continue;
    }
    if (isBlank(c)) {
      if (!pending.empty()) pending += ' ';
      continue;
    }
    if (pending.empty()) pendingLine = line;
    pending += c;
  }
  if (!pending.empty()) {
    finish();
    commands.back().ended = false;
  }
  if (commands.empty()) throw ETdbError(formatMessage(tdbmsg::kNoCommands, {sourceName}));
  return commands;
}

int matchKeyword(std::string_view word, std::initializer_list<std::string_view> keywords) {
  int found = -1;
  int index = 0;
  for (std::string_view keyword : keywords) {
    if (word == keyword) return index;
    if (abbreviates(word, keyword)) {
      if (found >= 0) throw ETdbError(formatMessage(tdbmsg::kAmbiguousKeyword, {word}));
      found = index;
    }
    ++index;
  }
  return found;
}

std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (isBlank(c)) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}
