#pragma once

#include "document/embedded_code.h"
#include "document/tag_scanner.h"

#include <QColor>
#include <QTextCharFormat>

class QPalette;

// The colours the page's parts are painted in while typing, chosen to read on the
// editor's own background: on a dark one every colour is taken lighter, the tag colour
// the user chose among them.
class HtmlColours
{
public:
    HtmlColours(const QPalette &palette, const QColor &tagColor);

    const QTextCharFormat &tag() const { return tag_; }
    const QTextCharFormat &of(TagPart part) const;
    const QTextCharFormat &of(CodePart part) const;
    const QTextCharFormat &reference() const { return reference_; }

    // The backgrounds of a tag and its partner under the caret, and of one that has none.
    QColor matched() const { return matched_; }
    QColor unmatched() const { return unmatched_; }

private:
    QColor readable(const QColor &color) const;
    QTextCharFormat painted(const QColor &color) const;

    bool dark_;
    QTextCharFormat tag_, attributeName_, attributeValue_, comment_, doctype_, reference_, number_, keyword_;
    QColor matched_, unmatched_;
};
