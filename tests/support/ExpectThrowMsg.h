#pragma once

#include <gtest/gtest.h>

#include <string>

// Asserts that STATEMENT throws EXCEPTION_TYPE whose what() equals MESSAGE exactly.
#define EXPECT_THROW_MSG(STATEMENT, EXCEPTION_TYPE, MESSAGE)                              \
  do {                                                                                    \
    bool vantleThrown_ = false;                                                           \
    try {                                                                                 \
      STATEMENT;                                                                          \
    } catch (const EXCEPTION_TYPE& e) {                                                   \
      vantleThrown_ = true;                                                               \
      EXPECT_EQ(std::string(e.what()), std::string(MESSAGE)) << "from: " #STATEMENT;      \
    } catch (const std::exception& e) {                                                   \
      vantleThrown_ = true;                                                               \
      ADD_FAILURE() << #STATEMENT " threw another type than " #EXCEPTION_TYPE ": "       \
                    << e.what();                                                          \
    }                                                                                     \
    if (!vantleThrown_) ADD_FAILURE() << #STATEMENT " did not throw " #EXCEPTION_TYPE;    \
  } while (false)
