#include "platform/settings_store.h"

#include <QSettings>

#include <cmath>

namespace {

class IniSettingsStore final : public SettingsStore
{
public:
    explicit IniSettingsStore(const QString &fileName)
        : settings_(fileName.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                      QStringLiteral("tagsmith"), QStringLiteral("tagsmith"))
                        : std::make_unique<QSettings>(fileName, QSettings::IniFormat))
    {
    }

    QString read(const QString &section, const QString &key, const QString &fallback) const override
    {
        const QString path = section + QLatin1Char('/') + key;
        if (!settings_->contains(path))
            return fallback;
        return settings_->value(path).toString();
    }

    void write(const QString &section, const QString &key, const QString &value) override
    {
        settings_->setValue(section + QLatin1Char('/') + key, value);
        // Written at once, so a crash or a killed session keeps what the user chose.
        settings_->sync();
    }

    Entries readAll(const QString &section) const override
    {
        Entries entries;
        settings_->beginGroup(section);
        // The INI format keeps no insertion order; keys come back sorted, which is the
        // stored order for every numbered key the program writes.
        for (const QString &key : settings_->childKeys())
            entries.append({key, settings_->value(key).toString()});
        settings_->endGroup();
        return entries;
    }

private:
    std::unique_ptr<QSettings> settings_;
};

class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString &section, const QString &key, const QString &fallback) const override
    {
        for (const auto &[s, entries] : sections_)
            if (s == section)
                for (const auto &entry : entries)
                    if (entry.first == key)
                        return entry.second;
        return fallback;
    }

    void write(const QString &section, const QString &key, const QString &value) override
    {
        for (auto &[s, entries] : sections_) {
            if (s != section)
                continue;
            for (auto &entry : entries)
                if (entry.first == key) {
                    entry.second = value;
                    return;
                }
            entries.append({key, value});
            return;
        }
        sections_.append({section, {{key, value}}});
    }

    Entries readAll(const QString &section) const override
    {
        for (const auto &[s, entries] : sections_)
            if (s == section)
                return entries;
        return {};
    }

private:
    QList<QPair<QString, Entries>> sections_;
};

} // namespace

std::unique_ptr<SettingsStore> makeIniSettingsStore(const QString &fileName)
{
    return std::make_unique<IniSettingsStore>(fileName);
}

std::unique_ptr<SettingsStore> makeMemorySettingsStore()
{
    return std::make_unique<MemorySettingsStore>();
}

std::optional<double> storedNumber(const QString &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
}
