#pragma once

#include <QSettings>
#include <QString>

#include "log/settings_store.h"

// The per-user store: "$XDG_CONFIG_HOME/Halvery Software/The Orvanta.ini",
// group [Windows]. The Palm desktop's store is the same kind of file.
class QtSettingsStore : public SettingsStore {
public:
    // The program's own settings.
    QtSettingsStore();
    // Any other organisation/application/group (the Palm desktop's "Core").
    QtSettingsStore(const QString& organization, const QString& application, const QString& group,
                    bool readOnly = false);

    bool exists() const override;
    std::optional<std::string> readString(const std::string& name) const override;
    std::optional<std::int32_t> readInt(const std::string& name) const override;
    void writeString(const std::string& name, const std::string& value) override;
    void writeInt(const std::string& name, std::int32_t value) override;
    // Writes reach the file together: at sync(), once the event loop turns
    // after a write, or when the store is destroyed. Every store of the same
    // file in this process sees a write at once.
    void sync();

    QString fileName() const;

private:
    mutable QSettings m_settings;
    QString m_group;
    bool m_readOnly = false;
};

// The HotSync folder from the Palm desktop's "HotSyncPath": the path less
// its last component; empty when the value is missing.
QString hotSyncFolder();
