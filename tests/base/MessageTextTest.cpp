#include "base/MessageText.h"

#include <gtest/gtest.h>

TEST(MessageTextTest, FillsPlacesInOrderAndLeavesTheRest) {
  EXPECT_EQ(formatMessage("Error opening file %s", {"a.d"}), "Error opening file a.d");
  EXPECT_EQ(formatMessage("Field '%s' has wrong length %d in record %d", {"Ymin", "9", "2"}),
            "Field 'Ymin' has wrong length 9 in record 2");
  EXPECT_EQ(formatMessage("100% %s %x", {"sure"}), "100% sure %x");
  EXPECT_EQ(formatMessage("%s and %s", {"one"}), "one and %s");
}
