// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textdecoding.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyvane {
namespace {

struct DecodingCase
{
    const char* name;
    QByteArray bytes;
    const char16_t* text;
};

class FileTextDecoding : public testing::TestWithParam<DecodingCase>
{
};

TEST_P(FileTextDecoding, ReadsUtf8ElseWindows1252)
{
    const QString expected = QString::fromUtf16(GetParam().text);
    EXPECT_EQ(decodeFileText(GetParam().bytes), expected);
    EXPECT_EQ(fileTextAsUtf8(GetParam().bytes), expected.toUtf8());
}

INSTANTIATE_TEST_SUITE_P(
    Decoding, FileTextDecoding,
    testing::Values(DecodingCase{"Utf8", "Caf\xc3\xa9 \xe2\x82\xac", u"Caf\u00e9 \u20ac"},
                    DecodingCase{"Latin1Letter", "Caf\xe9 lunch", u"Caf\u00e9 lunch"},
                    DecodingCase{"Windows1252Signs", "\x80\x85\x93\x9f", u"\u20ac\u2026\u201c\u0178"},
                    DecodingCase{"UndefinedBytesKeepTheirCodes", "\x81\x8d\x8f\x90\x9d",
                                 u"\u0081\u008d\u008f\u0090\u009d"},
                    DecodingCase{"Utf8CutAtTheEnd", "Caf\xc3", u"Caf\u00c3"},
                    DecodingCase{"OverlongUtf8", "\xc0\xaf", u"\u00c0\u00af"},
                    DecodingCase{"EncodedSurrogate", "\xed\xa0\x80", u"\u00ed\u00a0\u20ac"},
                    DecodingCase{"OneBadByteDecidesTheWholeFile", "\xc3\xa9\xe9", u"\u00c3\u00a9\u00e9"},
                    DecodingCase{"ByteOrderMarkDropped", "\xef\xbb\xbfx", u"x"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane
