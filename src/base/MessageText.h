#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Fills the "%s" and "%d" places of a message text, in order, with ready-made texts.
std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);
