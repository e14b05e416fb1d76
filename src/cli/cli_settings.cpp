#include "cli_settings.h"

#include <cstdlib>
#include <limits>

#ifdef ORV_CLI_QT_SETTINGS
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#endif

namespace {

constexpr const char* kSettingsFile = "/Halvery Software/The Orvanta.ini";

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

#ifdef ORV_CLI_QT_SETTINGS

// The desktop program's INI file read as the program reads it: Qt unescapes
// the value names ("Download%20Log") and the texts, which the program wrote
// as UTF-8 of its 8-bit bytes. Nothing is ever written back.
class IniSettings : public SettingsStore {
public:
    explicit IniSettings(const std::string& path) : m_settings(QFile::decodeName(path.c_str()), QSettings::IniFormat) {}

    bool exists() const override
    {
        m_settings.beginGroup(QStringLiteral("Windows"));
        const bool any = !m_settings.childKeys().isEmpty();
        m_settings.endGroup();
        return any;
    }
    std::optional<std::string> readString(const std::string& name) const override
    {
        const QVariant value = m_settings.value(keyOf(name));
        if (!value.isValid())
            return std::nullopt;
        // An unquoted text with commas comes back as a list: it is one text.
        const QString text =
            value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(',')) : value.toString();
        return latin1Text(text);
    }
    std::optional<std::int32_t> readInt(const std::string& name) const override
    {
        const QVariant value = m_settings.value(keyOf(name));
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!value.isValid() || !ok || number < std::numeric_limits<std::int32_t>::min() ||
            number > static_cast<qlonglong>(std::numeric_limits<std::uint32_t>::max()))
            return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
    }
    void writeString(const std::string&, const std::string&) override {}
    void writeInt(const std::string&, std::int32_t) override {}

private:
    static QString keyOf(const std::string& name)
    {
        return QStringLiteral("Windows/") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    // A character with no 8-bit form (typed into the file by hand) is "?".
    static std::string latin1Text(QString text)
    {
        for (QChar& c : text)
            if (c.unicode() > 0xFF)
                c = QLatin1Char('?');
        const QByteArray bytes = text.toLatin1();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }

    mutable QSettings m_settings;
};

#endif

}  // namespace

std::string userSettingsPath()
{
    // As for any XDG folder, a relative value is not trusted.
    std::string config = environmentValue("XDG_CONFIG_HOME");
    if (!config.empty() && config.front() == '/')
        return config + kSettingsFile;
    std::string home = environmentValue("HOME");
    if (home.empty())
        return {};
    return home + "/.config" + kSettingsFile;
}

std::unique_ptr<SettingsStore> openUserSettings()
{
#ifdef ORV_CLI_QT_SETTINGS
    const std::string path = userSettingsPath();
    if (!path.empty())
        return std::make_unique<ReadOnlySettings>(std::make_unique<IniSettings>(path));
#endif
    return std::make_unique<ReadOnlySettings>(std::make_unique<MemorySettingsStore>());
}
