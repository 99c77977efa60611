#include "dialogs/frames_fragment.h"

#include "dialogs/fragment_parts.h"
#include "dialogs/tag_case.h"

namespace {

const QString TAB = QStringLiteral("\t");

QString frameSetOpen(const QString &kind, const QString &first, const QString &second, const QString &attrs)
{
    return QStringLiteral("<FRAMESET") + kind + QLatin1Char('"') + first + QLatin1Char(',') + second
           + QLatin1Char('"') + attrs + QLatin1Char('>') + CrLf;
}

}

QString BuildFrameFragment(const FrameFields &fields, bool lowercase)
{
    const QString head = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">") + CrLf
                         + QStringLiteral("<HTML>") + CrLf + QStringLiteral("<HEAD>") + CrLf
                         + QStringLiteral("<TITLE></TITLE>") + CrLf + QStringLiteral("</HEAD>") + CrLf
                         + QStringLiteral("<!-- This file must be named index.html and the other frame files linked to it -->")
                         + CrLf;
    const QString setClose = QStringLiteral("</FRAMESET>") + CrLf;
    const QString tail = setClose + QStringLiteral("<NOFRAMES>") + CrLf
                         + QStringLiteral("<!-- Put something here for non-frame browsers -->") + CrLf
                         + QStringLiteral("</NOFRAMES>") + CrLf + QStringLiteral("</HTML>");

    const QString p1 = fields.split1 + QLatin1Char('%');
    const QString p2 = fields.split2 + QLatin1Char('%');
    const QString p3 = fields.split3 + QLatin1Char('%');
    const QString p4 = fields.split4 + QLatin1Char('%');

    const QString border = fields.border == QLatin1String("YES")
                               ? QString()
                               : Attribute(QStringLiteral("BORDER"), QStringLiteral("NONE"))
                                     + Attribute(QStringLiteral("FRAMEBORDER"), QStringLiteral("0"));
    const QString setAttrs = OptionalAttribute(QStringLiteral("FRAMESPACING"), fields.frameSpacing) + border
                             + ColorAttribute(QStringLiteral("BORDERCOLOR"), fields.borderColor);

    const bool scrolls = fields.scrolling == QLatin1String("YES") || fields.scrolling == QLatin1String("NO");
    const QString frameAttrs = OptionalAttribute(QStringLiteral("MARGINWIDTH"), fields.marginWidth)
                               + OptionalAttribute(QStringLiteral("MARGINHEIGHT"), fields.marginHeight)
                               + (scrolls ? Attribute(QStringLiteral("SCROLLING"), fields.scrolling) : QString())
                               + (fields.resize == QLatin1String("NO") ? QStringLiteral(" NORESIZE") : QString());
    const auto frame = [&](int number) {
        return QStringLiteral("<FRAME NAME=\"") + fields.names[number - 1] + QStringLiteral("\" SRC=\"")
               + fields.sources[number - 1] + QLatin1Char('"') + frameAttrs + QLatin1Char('>') + CrLf;
    };
    const QString cols = QStringLiteral(" COLS=");
    const QString rows = QStringLiteral(" ROWS=");

    QString document;
    switch (fields.style) {
    case 1:
        document = head + frameSetOpen(cols, p1, p2, setAttrs) + TAB + frame(1) + TAB + frame(2) + tail;
        break;
    case 2:
        document = head + frameSetOpen(rows, p3, p4, setAttrs) + TAB + frame(1) + TAB + frame(2) + tail;
        break;
    case 3:
        document = head + frameSetOpen(rows, p1, p2, setAttrs) + TAB + frame(1) + TAB + TAB
                   + frameSetOpen(cols, p3, p4, {}) + TAB + TAB + TAB + frame(2) + TAB + TAB + TAB + frame(3)
                   + TAB + TAB + setClose + tail;
        break;
    case 4:
        document = head + frameSetOpen(cols, p1, p2, setAttrs) + TAB + TAB + frameSetOpen(rows, p3, p4, {}) + TAB
                   + TAB + TAB + frame(1) + TAB + TAB + TAB + frame(2) + TAB + TAB + setClose + TAB + frame(3)
                   + tail;
        break;
    }
    return ApplyTagCase(document, lowercase);
}
