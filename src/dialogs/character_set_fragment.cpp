#include "dialogs/character_set_fragment.h"

#include "dialogs/tag_case.h"

const QList<CharacterButton> &CharacterButtons()
{
    // Dash, ellipsis and trademark are their Windows-1252 code points, as browsers still
    // read them; the rest are the code points of the character on the button.
    static const QList<CharacterButton> buttons = {
        {QStringLiteral("cmdTrademark"), QStringLiteral("&Trademark"), QStringLiteral("&#153;")},
        {QStringLiteral("cmdCopyright"), QStringLiteral("&Copyright"), QStringLiteral("&#169;")},
        {QStringLiteral("cmdDash"), QStringLiteral("---"), QStringLiteral("&#151;")},
        {QStringLiteral("cmdEllipse"), QStringLiteral("..."), QStringLiteral("&#133;")},
        {QStringLiteral("cmdBackSlash"), QStringLiteral("\\"), QStringLiteral("&#92;")},
        {QStringLiteral("cmdForwardSlash"), QStringLiteral("/"), QStringLiteral("&#47;")},
        {QStringLiteral("cmdMore"), QStringLiteral(">"), QStringLiteral("&#62;")},
        {QStringLiteral("cmdLess"), QStringLiteral("<"), QStringLiteral("&#60;")},
        {QStringLiteral("cmdMinus"), QStringLiteral("-"), QStringLiteral("&#45;")},
        {QStringLiteral("cmdEquals"), QStringLiteral("="), QStringLiteral("&#61;")},
        {QStringLiteral("cmdPlus"), QStringLiteral("+"), QStringLiteral("&#43;")},
        {QStringLiteral("cmdQuestion"), QStringLiteral("?"), QStringLiteral("&#63;")},
        {QStringLiteral("cmdAsterisk"), QStringLiteral("*"), QStringLiteral("&#42;")},
        {QStringLiteral("cmdTilde"), QStringLiteral("~"), QStringLiteral("&#126;")},
        {QStringLiteral("cmdNumberSign"), QStringLiteral("#"), QStringLiteral("&#35;")},
        {QStringLiteral("cmdAt"), QStringLiteral("@"), QStringLiteral("&#64;")},
        {QStringLiteral("cmdPercent"), QStringLiteral("%"), QStringLiteral("&#37;")},
        {QStringLiteral("cmdDollarSign"), QStringLiteral("$"), QStringLiteral("&#36;")},
        {QStringLiteral("cmdExclamation"), QStringLiteral("!"), QStringLiteral("&#33;")},
        {QStringLiteral("cmdCloseQuote"), QStringLiteral("]"), QStringLiteral("&#93;")},
        {QStringLiteral("cmdOpenBracket"), QStringLiteral("["), QStringLiteral("&#91;")},
        {QStringLiteral("cmdAmpersand"), QStringLiteral("&&"), QStringLiteral("&#38;")},
        {QStringLiteral("cmdSingleQuote"), QStringLiteral("'"), QStringLiteral("&#39;")},
        {QStringLiteral("cmdDoubleQuote"), QStringLiteral("\""), QStringLiteral("&#34;")},
        {QStringLiteral("cmdCloseParen"), QStringLiteral(")"), QStringLiteral("&#41;")},
        {QStringLiteral("cmdOpenParen"), QStringLiteral("("), QStringLiteral("&#40;")},
    };
    return buttons;
}

const QList<StyleButton> &StyleButtons()
{
    static const QList<StyleButton> buttons = {
        {QStringLiteral("cmdStrikethru"), QStringLiteral("Stri&kethru"), QStringLiteral("S")},
        {QStringLiteral("cmdUnderline"), QStringLiteral("&Underline"), QStringLiteral("U")},
        {QStringLiteral("cmdSuperior"), QStringLiteral("&Superior"), QStringLiteral("SUP")},
        {QStringLiteral("cmdInferior"), QStringLiteral("I&nferior"), QStringLiteral("SUB")},
    };
    return buttons;
}

EnclosingTags BuildStyleFragment(const QString &tag, bool lowercase)
{
    return {ApplyTagCase(QLatin1Char('<') + tag + QLatin1Char('>'), lowercase),
            ApplyTagCase(QStringLiteral("</") + tag + QLatin1Char('>'), lowercase)};
}
