#include "core/money.h"

#include <gtest/gtest.h>

using tallyvane::Money;

TEST(MoneyTest, KeepsFourDecimals)
{
    EXPECT_EQ(Money::fromDouble(917.53).toFourDecimals(), "917.5300");
}
