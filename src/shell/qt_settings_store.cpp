#include "shell/qt_settings_store.h"

#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <limits>

namespace {

QString keyOf(const QString& group, const std::string& name)
{
    return group + QLatin1Char('/') + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The settings hold 8-bit texts; a character with no Latin-1 form (typed
// into the file by hand) becomes "?".
std::string toLatin1Text(const QString& text)
{
    QString copy = text;
    for (QChar& c : copy)
        if (c.unicode() > 0xFF)
            c = QLatin1Char('?');
    const QByteArray bytes = copy.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QStringLiteral("Halvery Software"), QStringLiteral("The Orvanta"), QStringLiteral("Windows"))
{
}

QtSettingsStore::QtSettingsStore(const QString& organization, const QString& application, const QString& group,
                                 bool readOnly)
    : m_settings(QSettings::IniFormat, QSettings::UserScope, organization, application),
      m_group(group),
      m_readOnly(readOnly)
{
}

bool QtSettingsStore::exists() const
{
    m_settings.beginGroup(m_group);
    const bool any = !m_settings.childKeys().isEmpty();
    m_settings.endGroup();
    return any;
}

std::optional<std::string> QtSettingsStore::readString(const std::string& name) const
{
    const QVariant value = m_settings.value(keyOf(m_group, name));
    if (!value.isValid())
        return std::nullopt;
    // An unquoted text with commas, as a person may type "0,0,800,600" into
    // the file, comes back from the INI format as a list: it is one text.
    if (value.typeId() == QMetaType::QStringList)
        return toLatin1Text(value.toStringList().join(QLatin1Char(',')));
    return toLatin1Text(value.toString());
}

std::optional<std::int32_t> QtSettingsStore::readInt(const std::string& name) const
{
    const QVariant value = m_settings.value(keyOf(m_group, name));
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    // Any four bytes are a value: colours above 0x7FFFFFFF read back as they
    // were meant whether they were stored signed or unsigned.
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > static_cast<qlonglong>(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

void QtSettingsStore::writeString(const std::string& name, const std::string& value)
{
    if (m_readOnly)
        return;
    m_settings.setValue(keyOf(m_group, name), QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::writeInt(const std::string& name, std::int32_t value)
{
    if (m_readOnly)
        return;
    m_settings.setValue(keyOf(m_group, name), value);
}

// Writing the file flushes it to the disk, some 15 ms a time: a first start
// or leaving a log writes 30 to 45 values, so they go out together, here,
// when the event loop next turns, or when the store is destroyed.
void QtSettingsStore::sync()
{
    if (!m_readOnly)
        m_settings.sync();
}

QString QtSettingsStore::fileName() const
{
    return m_settings.fileName();
}

QString hotSyncFolder()
{
    // Read as the path it is, not as 8-bit text: the folder goes to a file
    // dialog, never into a log.
    QSettings palm(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("U.S. Robotics"),
                   QStringLiteral("Pilot Desktop"));
    const QVariant value = palm.value(QStringLiteral("Core/HotSyncPath"));
    const QString path =
        value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(',')) : value.toString();
    // The value names the HotSync program (at most 255 characters); its
    // folder is the text up to and including the last separator.
    if (path.size() > 255)
        return {};
    const qsizetype separator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (separator < 0)
        return {};
    return path.left(separator + 1);
}
