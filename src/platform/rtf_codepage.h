#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <optional>

// Windows code pages as RTF names them (\ansicpg, \cpg, \fcharset), decoded through Qt.
namespace rtf_codepage {

constexpr int Windows1252 = 1252;

// The code page a font's \fcharset stands for; nullopt for the charsets that defer to
// the document's \ansicpg (ANSI, default, symbol) or that are unknown.
std::optional<int> forCharset(int charset);

// The byte Windows-1252 stores the character as, or nullopt when it has none.
std::optional<unsigned char> toWindows1252(char16_t character);

// Decodes runs of 8-bit text, keeping one decoder per code page met in a document.
class Decoders
{
public:
    // Whether Qt can decode the code page.
    bool supports(int codepage);
    // Bytes in a code page Qt cannot decode are read as Windows-1252.
    QString decode(int codepage, QByteArrayView bytes);

private:
    QStringDecoder &decoderFor(int codepage);

    std::map<int, QStringDecoder> decoders_;
};

} // namespace rtf_codepage
