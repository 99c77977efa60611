#include "platform/rtf_codepage.h"

#include <QByteArray>

#include <array>

namespace rtf_codepage {
namespace {

QByteArray decoderName(int codepage)
{
    switch (codepage) {
    case 932:
        return "windows-31j";
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    }
    if ((codepage >= 437 && codepage <= 869) || codepage == 1026)
        return "IBM" + QByteArray::number(codepage);
    return "windows-" + QByteArray::number(codepage);
}

// What Windows-1252 puts at 0x80..0x9F (0xA0..0xFF hold U+00A0..U+00FF), taken from
// the decoder itself so that writing and reading agree.
const std::array<char16_t, 32> &windows1252Specials()
{
    static const std::array<char16_t, 32> table = [] {
        std::array<char16_t, 32> specials{};
        QByteArray bytes(32, '\0');
        for (int i = 0; i < 32; ++i)
            bytes[i] = char(0x80 + i);
        const QString decoded = QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless).decode(bytes);
        // A single-byte code page decodes each byte to one unit, so the 32 fill the table.
        int at = 0;
        for (const QChar character : decoded)
            specials[at++] = character.unicode();
        return specials;
    }();
    return table;
}

} // namespace

std::optional<int> forCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return std::nullopt;
    }
}

std::optional<unsigned char> toWindows1252(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    const auto &specials = windows1252Specials();
    for (int i = 0; i < 32; ++i)
        if (specials[i] == character)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

QStringDecoder &Decoders::decoderFor(int codepage)
{
    auto found = decoders_.find(codepage);
    if (found == decoders_.end()) {
        // An unknown code page is remembered too, so asking again costs no lookup.
        QStringDecoder decoder(decoderName(codepage).constData(), QStringDecoder::Flag::Stateless);
        found = decoders_.emplace(codepage, std::move(decoder)).first;
    }
    return found->second;
}

bool Decoders::supports(int codepage)
{
    // A real document names a handful of code pages; past that many, a new one is
    // taken as unknown rather than looked up, so hostile input cannot grow the cache.
    constexpr std::size_t MaxCodepages = 64;
    if (codepage <= 0 || (decoders_.size() >= MaxCodepages && !decoders_.contains(codepage)))
        return false;
    return decoderFor(codepage).isValid();
}

QString Decoders::decode(int codepage, QByteArrayView bytes)
{
    QStringDecoder &decoder = supports(codepage) ? decoderFor(codepage) : decoderFor(Windows1252);
    return decoder.decode(bytes);
}

} // namespace rtf_codepage
