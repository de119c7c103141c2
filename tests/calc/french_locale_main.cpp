// Runs the computation tests under a French C locale: a Qt application under a French
// locale switches printf and strtod to the comma, and the computations must not notice.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "fr_FR.UTF-8");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST(FrenchLocale, IsActive)
{
    ASSERT_STREQ(std::localeconv()->decimal_point, ",")
        << "fr_FR.UTF-8 is missing: the build generates it under LOCPATH";
}
