#pragma once

#include <QString>

// What a dialog that wraps the selection writes on either side of it.
struct EnclosingTags
{
    QString opening;
    QString closing;

    bool operator==(const EnclosingTags &) const = default;
};

// An attribute as generated HTML writes it: one blank, the name, "=", the quoted value.
inline QString Attribute(const QString &name, const QString &value)
{
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
}

// The attribute, or nothing when its field was left empty.
inline QString OptionalAttribute(const QString &name, const QString &value)
{
    return value.isEmpty() ? QString() : Attribute(name, value);
}

// A colour attribute ("#" before the six-digit code), or nothing when no colour was chosen.
inline QString ColorAttribute(const QString &name, const QString &code)
{
    return code.isEmpty() ? QString() : Attribute(name, QLatin1Char('#') + code);
}

// The attribute, or nothing when its list reads "AUTO".
inline QString UnlessAuto(const QString &name, const QString &value)
{
    return value == QLatin1String("AUTO") ? QString() : Attribute(name, value);
}

// The line break inside generated fragments.
inline const QString CrLf = QStringLiteral("\r\n");
