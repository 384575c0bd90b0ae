#include "adif/AdifForm.h"

#include <gtest/gtest.h>

namespace {

using Conversion::AdifForm;

TEST(AdifForm, FormOfContentTellsTheFormsApart)
{
    EXPECT_EQ(Conversion::FormOfContent(""), std::nullopt);
    EXPECT_EQ(Conversion::FormOfContent("ADIF file\r\ncreated by\r\n<ProgramID:13>K\r\n<EOH>\r\n"),
              AdifForm::Classic);
    EXPECT_EQ(Conversion::FormOfContent("text\r\n<adif_ver:5>3.1.7\r\n<EOH>\r\n<CALL:1>A<EOR>"),
              AdifForm::Standard);
    // Only the header counts, and a file without one has no ADIF_VER.
    EXPECT_EQ(Conversion::FormOfContent("ADIF\r\n<EOH>\r\n<COMMENT:12><ADIF_VER:5> <EOR>"),
              AdifForm::Classic);
    EXPECT_EQ(Conversion::FormOfContent("<ADIF_VER:5>3.1.7 <EOR>"), AdifForm::Classic);
    EXPECT_EQ(Conversion::FormOfContent("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<ADX>"),
              AdifForm::Adx);
}

} // namespace
