#include "platform/text_file_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray utf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
const char *const windows1252 = "windows-1252";

TextFileFormat::LineEnding firstLineEnding(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n'))
            return TextFileFormat::LineEnding::Lf;
        if (text[i] == QLatin1Char('\r'))
            return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? TextFileFormat::LineEnding::CrLf
                                                                           : TextFileFormat::LineEnding::Cr;
    }
    return TextFileFormat::platformLineEnding();
}

QString lineBreak(TextFileFormat::LineEnding ending)
{
    switch (ending) {
    case TextFileFormat::LineEnding::CrLf:
        return QStringLiteral("\r\n");
    case TextFileFormat::LineEnding::Cr:
        return QStringLiteral("\r");
    case TextFileFormat::LineEnding::Lf:
        break;
    }
    return QStringLiteral("\n");
}

} // namespace

TextFileFormat::LineEnding TextFileFormat::platformLineEnding()
{
#ifdef Q_OS_WIN
    return LineEnding::CrLf;
#else
    return LineEnding::Lf;
#endif
}

DecodedTextFile decodeTextFile(const QByteArray &bytes)
{
    DecodedTextFile file;
    // Stateless, so that a sequence cut off at the end counts as invalid; the mark is kept
    // as a character here, so that only the first one is taken for the file's mark.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        file.format.encoding = TextFileFormat::Encoding::Utf8;
        file.format.byteOrderMark = bytes.startsWith(utf8ByteOrderMark);
        if (file.format.byteOrderMark)
            text.remove(0, 1);
    } else {
        QStringDecoder eightBit(windows1252, QStringDecoder::Flag::Stateless);
        text = eightBit.decode(bytes);
        file.format.encoding = TextFileFormat::Encoding::Windows1252;
        file.format.byteOrderMark = false;
    }
    file.format.lineEnding = firstLineEnding(text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    file.text = text;
    return file;
}

EncodedTextFile encodeTextFile(const QString &text, const TextFileFormat &format)
{
    EncodedTextFile file{QByteArray(), format};
    QString written = text;
    if (format.lineEnding != TextFileFormat::LineEnding::Lf)
        written.replace(QLatin1Char('\n'), lineBreak(format.lineEnding));
    if (format.encoding == TextFileFormat::Encoding::Windows1252) {
        QStringEncoder eightBit(windows1252, QStringEncoder::Flag::Stateless);
        file.bytes = eightBit.encode(written);
        if (!eightBit.hasError())
            return file;
        file.format.encoding = TextFileFormat::Encoding::Utf8;
    }
    file.bytes = (file.format.byteOrderMark ? utf8ByteOrderMark : QByteArray()) + written.toUtf8();
    return file;
}
