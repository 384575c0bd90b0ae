#include "AdifWriter.h"
#include <gtest/gtest.h>
TEST(AdifWriter, Placeholder) { EXPECT_EQ(Conversion::RemoveLeadingAngleBrackets("<<A<B>"), "AB>"); }
