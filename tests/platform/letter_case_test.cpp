#include "platform/letter_case.h"

#include <gtest/gtest.h>

namespace {

TEST(LetterCaseTest, LettersWhoseOtherCaseIsLongerStayAndLettersOutsideTheBasicPlaneConvertAsPairs)
{
    // Upper-casing sharp s and the ligature fi would need two letters each.
    const QString word = QStringLiteral("stra\u00DFe \uFB01le");
    const QString upper = UppercaseLetters(word);
    EXPECT_EQ(upper.size(), word.size());
    EXPECT_EQ(upper, QStringLiteral("STRA\u00DFE \uFB01LE"));

    // Deseret capital long i and its small form, each a surrogate pair.
    const QString capital = QString::fromUcs4(U"\U00010400<B>");
    const QString small = QString::fromUcs4(U"\U00010428<b>");
    EXPECT_EQ(LowercaseLetters(capital), small);
    EXPECT_EQ(UppercaseLetters(small), capital);
    EXPECT_EQ(UppercaseLetters(QStringLiteral("a\xD800" "b\xDC00")), QStringLiteral("A\xD800" "B\xDC00"));
}

} // namespace
