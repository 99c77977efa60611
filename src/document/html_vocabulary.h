#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The elements, attributes and named character references of HTML, read once from the
// program's resources (resources/html). Element names are kept in lower case.
class HtmlVocabulary
{
public:
    static const HtmlVocabulary &instance();

    // Every element, the obsolete ones among them, in alphabetical order.
    const QStringList &elements() const { return elements_; }
    bool isObsolete(const QString &element) const { return obsolete_.contains(element.toLower()); }
    // Whether the element has no end tag (br, img, ...); names in any case.
    bool isVoid(QStringView element) const;
    // The element's own attributes followed by the global ones.
    QStringList attributesOf(const QString &element) const;
    // "amp", "copy", ... each with the character it stands for.
    const QList<QPair<QString, QString>> &references() const { return references_; }

private:
    HtmlVocabulary();

    QStringList elements_;
    QHash<QString, QStringList> attributes_;
    QStringList global_;
    QSet<QString> void_;
    QSet<QString> obsolete_;
    QList<QPair<QString, QString>> references_;
};
