#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <optional>

// Per-user text values addressed by section and key, all under the application "tagsmith".
// Reads never fail: a missing key yields the caller's default.
class SettingsStore
{
public:
    using Entries = QList<QPair<QString, QString>>;

    virtual ~SettingsStore() = default;
    virtual QString read(const QString &section, const QString &key, const QString &fallback = QString()) const = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
    // All keys of one section with their values; empty when the section does not exist.
    virtual Entries readAll(const QString &section) const = 0;
};

// A number as the program stores one, in decimal. Anything else is no number, and so are
// "nan", "inf" and numbers too large to hold: the program never writes them, and a
// window or a font given one cannot be shown.
std::optional<double> storedNumber(const QString &value);

// The production store: an INI file at the user's standard configuration location
// (~/.config/tagsmith/tagsmith.ini on Linux). A file name may be given for tests.
std::unique_ptr<SettingsStore> makeIniSettingsStore(const QString &fileName = QString());

// Keeps values in memory in the order they were first stored.
std::unique_ptr<SettingsStore> makeMemorySettingsStore();
