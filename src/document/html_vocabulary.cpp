#include "document/html_vocabulary.h"

#include <QFile>
#include <QSet>

namespace {

QStringList dataLines(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines.append(line);
    return lines;
}

} // namespace

// The tables are compiled into the core library, which is static: the linker keeps them
// only when something asks for them by name.
static void loadShippedTables()
{
    Q_INIT_RESOURCE(html);
}

const HtmlVocabulary &HtmlVocabulary::instance()
{
    static const HtmlVocabulary vocabulary;
    return vocabulary;
}

HtmlVocabulary::HtmlVocabulary()
{
    loadShippedTables();
    for (const QString &line : dataLines(QStringLiteral(":/html/elements.txt"))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QStringList head = line.left(colon).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringList attributes = line.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (head.isEmpty())
            continue;
        const QString &name = head.first();
        if (name == QLatin1String("*")) {
            global_ = attributes;
            continue;
        }
        elements_.append(name);
        attributes_.insert(name, attributes);
        if (head.contains(QLatin1String("void")))
            void_.insert(name);
        if (head.contains(QLatin1String("obsolete")))
            obsolete_.insert(name);
    }
    elements_.sort();
    for (const QString &line : dataLines(QStringLiteral(":/html/entities.txt"))) {
        const QStringList fields = line.split(QLatin1Char(' '));
        bool ok = false;
        const char32_t code = fields.value(1).toUInt(&ok, 16);
        if (fields.size() == 2 && ok)
            references_.append({fields[0], QString::fromUcs4(&code, 1)});
    }
}

bool HtmlVocabulary::isVoid(QStringView element) const
{
    return void_.contains(element.toString().toLower());
}

QStringList HtmlVocabulary::attributesOf(const QString &element) const
{
    return attributes_.value(element.toLower()) + global_;
}
