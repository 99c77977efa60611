#include "platform/letter_case.h"

namespace {

template <typename Map>
QString convertLetters(QString text, Map map)
{
    QChar *c = text.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (c[i].isHighSurrogate() && i + 1 < size && c[i + 1].isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(c[i], c[i + 1]));
            if (QChar::requiresSurrogates(mapped)) {
                c[i] = QChar(QChar::highSurrogate(mapped));
                c[i + 1] = QChar(QChar::lowSurrogate(mapped));
            }
            ++i;
            continue;
        }
        const char32_t mapped = map(char32_t(c[i].unicode()));
        if (!QChar::requiresSurrogates(mapped))
            c[i] = QChar(char16_t(mapped));
    }
    return text;
}

} // namespace

QString LowercaseLetters(QString text)
{
    return convertLetters(std::move(text), [](char32_t u) { return QChar::toLower(u); });
}

QString UppercaseLetters(QString text)
{
    return convertLetters(std::move(text), [](char32_t u) { return QChar::toUpper(u); });
}
