#include "platform/encoding_names.h"

#include <QSet>
#include <QStringConverter>

#include <unicode/ucnv.h>

#include <algorithm>

namespace {

using Encoding = TextFileFormat::Encoding;

EncodingChoice unicode(const char *caption, Encoding encoding, bool mark)
{
    TextFileFormat format;
    format.encoding = encoding;
    format.byteOrderMark = mark;
    return {QString::fromLatin1(caption) + (mark ? QStringLiteral(" with BOM") : QString()), format};
}

EncodingChoice named(const QString &name)
{
    TextFileFormat format;
    format.encoding = Encoding::Named;
    format.name = name.toLatin1();
    return {name, format};
}

void addUnicode(QList<EncodingChoice> &choices, const char *caption, Encoding encoding, bool withMarks)
{
    choices.append(unicode(caption, encoding, false));
    if (withMarks)
        choices.append(unicode(caption, encoding, true));
}

// The name the converter library gives an encoding, so that aliases compare equal.
QByteArray canonicalName(const QByteArray &name)
{
    UErrorCode error = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(name.constData(), &error);
    if (U_FAILURE(error))
        return name.toLower();
    QByteArray canonical = ucnv_getName(converter, &error);
    ucnv_close(converter);
    return canonical;
}

QByteArray converterName(const TextFileFormat &format)
{
    switch (format.encoding) {
    case Encoding::Utf8: return "UTF-8";
    case Encoding::Windows1252: return "windows-1252";
    case Encoding::Utf16LE: return "UTF-16LE";
    case Encoding::Utf16BE: return "UTF-16BE";
    case Encoding::Utf32LE: return "UTF-32LE";
    case Encoding::Utf32BE: return "UTF-32BE";
    case Encoding::Named: break;
    }
    return format.name;
}

} // namespace

QList<EncodingChoice> CommonEncodings(bool withMarks)
{
    QList<EncodingChoice> choices;
    addUnicode(choices, "UTF-8", Encoding::Utf8, withMarks);
    choices.append(unicode("Windows-1252", Encoding::Windows1252, false));
    for (const char *name : {"ISO-8859-1", "ISO-8859-2", "ISO-8859-15", "KOI8-R", "Shift_JIS", "EUC-JP", "GB18030", "Big5"})
        choices.append(named(QString::fromLatin1(name)));
    addUnicode(choices, "UTF-16 LE", Encoding::Utf16LE, withMarks);
    addUnicode(choices, "UTF-16 BE", Encoding::Utf16BE, withMarks);
    return choices;
}

QList<EncodingChoice> OtherEncodings(bool withMarks)
{
    QList<EncodingChoice> choices;
    addUnicode(choices, "UTF-32 LE", Encoding::Utf32LE, withMarks);
    addUnicode(choices, "UTF-32 BE", Encoding::Utf32BE, withMarks);
    QSet<QByteArray> taken;
    for (const EncodingChoice &common : CommonEncodings(false))
        taken.insert(canonicalName(converterName(common.format)));
    QStringList names;
    for (int32_t i = 0; i < ucnv_countAvailable(); ++i) {
        const char *name = ucnv_getAvailableName(i);
        // The Unicode encodings are offered above, with and without their marks.
        if (qstrnicmp(name, "UTF", 3) == 0 || taken.contains(canonicalName(name)))
            continue;
        UErrorCode error = U_ZERO_ERROR;
        const char *known = ucnv_getStandardName(name, "IANA", &error);
        if (U_FAILURE(error) || !known) {
            error = U_ZERO_ERROR;
            known = ucnv_getStandardName(name, "MIME", &error);
        }
        const QString shown = QString::fromLatin1(U_SUCCESS(error) && known ? known : name);
        // The converter this program writes through must take the name too.
        if (!names.contains(shown) && QStringEncoder(shown.toLatin1().constData()).isValid())
            names.append(shown);
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString &name : std::as_const(names))
        choices.append(named(name));
    return choices;
}

QString EncodingDisplayName(const TextFileFormat &format)
{
    switch (format.encoding) {
    case Encoding::Windows1252: return QStringLiteral("Windows-1252");
    case Encoding::Named: return QString::fromLatin1(format.name);
    default: break;
    }
    QString name = QString::fromLatin1(converterName(format));
    name.replace(QLatin1String("LE"), QLatin1String(" LE")).replace(QLatin1String("BE"), QLatin1String(" BE"));
    return format.byteOrderMark ? name + QStringLiteral(" with BOM") : name;
}

QString CharacterName(char32_t character)
{
    const QString code = QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("%1 (%2)").arg(code, QString::fromUcs4(&character, 1));
}

bool IsSameEncoding(const QString &charset, const TextFileFormat &format)
{
    return canonicalName(charset.trimmed().toLatin1()) == canonicalName(converterName(format));
}
