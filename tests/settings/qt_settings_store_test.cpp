// The settings file: where it lives, how texts and numbers go in and come
// back, a file typed by hand, the read-only stores and the HotSync folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "shell/logic/app_settings.h"
#include "shell/qt_settings_store.h"

namespace {

QString configFolder()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

std::string fileText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void writeFile(const QString& path, const std::string& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

// Each test has a file of its own, named after it, so no test sees what
// another wrote.
QString testName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return QString::fromStdString(std::string(info->test_suite_name()) + "." + info->name()).replace('/', '_');
}

std::unique_ptr<QtSettingsStore> storeOfThisTest(bool readOnly = false)
{
    return std::make_unique<QtSettingsStore>(QStringLiteral("Orvanta Tests"), testName(), QStringLiteral("Windows"),
                                             readOnly);
}

QString fileOfThisTest()
{
    return configFolder() + QStringLiteral("/Orvanta Tests/") + testName() + QStringLiteral(".ini");
}

TEST(SettingsFile, livesInTheConfigFolderInSectionWindows)
{
    QtSettingsStore store;
    const QString expected = configFolder() + QStringLiteral("/Halvery Software/The Orvanta.ini");
    EXPECT_EQ(expected.toStdString(), store.fileName().toStdString());

    store.writeString("Main Window", "1,2,3,4");
    store.writeInt("WeekView #Weeks", 4);
    store.sync();

    EXPECT_EQ("[Windows]\nMain%20Window=\"1,2,3,4\"\nWeekView%20%23Weeks=4\n", fileText(expected));
}

TEST(SettingsFile, eightBitTextsComeBackByteForByte)
{
    auto store = storeOfThisTest();
    const std::string text = "Caf\xE9 \xB5m \x80\xFF";
    store->writeString("Calorie Keyword", text);

    EXPECT_EQ(std::optional<std::string>(text), storeOfThisTest()->readString("Calorie Keyword"));
}

TEST(SettingsFile, numbersComeBackAsWritten)
{
    auto store = storeOfThisTest();
    const std::int32_t values[] = {0, 0xFF00FF, -1, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t value : values) {
        store->writeInt("Color #1", value);
        EXPECT_EQ(std::optional<std::int32_t>(value), storeOfThisTest()->readInt("Color #1"));
    }
}

TEST(SettingsFile, aMissingValueIsNothing)
{
    auto store = storeOfThisTest();
    store->writeInt("Graph Type", 2);
    EXPECT_EQ(std::nullopt, store->readString("Graph Sport"));
    EXPECT_EQ(std::nullopt, store->readInt("Graph Sport"));
}

TEST(SettingsFile, existsOnceItsSectionHoldsAValue)
{
    writeFile(fileOfThisTest(), "[Other]\nWeekView%20%23Weeks=4\n");
    auto store = storeOfThisTest();
    EXPECT_FALSE(store->exists());

    store->writeInt("WeekView #Weeks", 1);

    EXPECT_TRUE(store->exists());
}

// A file that a person edited: values typed without Qt's quoting, numbers
// as texts, texts where numbers belong.
TEST(SettingsFile, readsAFileTypedByHand)
{
    writeFile(fileOfThisTest(),
              "[Windows]\n"
              "Main%20Window=0,0,800,600\n"
              "Calorie%20Keyword=150\n"
              "Weight%20Units=Wt\n"
              "Graph%20Type=5000000000\n"
              "Graph%20Period=-2147483649\n"
              "Color%20%231=4294967295\n"
              "Color%20%232=-2147483648\n"
              "Graph%20Sport= 12 \n"
              "FontName%3A%20Day=\"Liberation Sans\"\n");
    auto store = storeOfThisTest();

    EXPECT_EQ(std::optional<std::string>("0,0,800,600"), store->readString("Main Window"));
    EXPECT_EQ(std::optional<std::int32_t>(150), store->readInt("Calorie Keyword"));
    EXPECT_EQ(std::optional<std::string>("150"), store->readString("Calorie Keyword"));
    EXPECT_EQ(std::nullopt, store->readInt("Weight Units"));
    EXPECT_EQ(std::nullopt, store->readInt("Graph Type"));
    EXPECT_EQ(std::nullopt, store->readInt("Graph Period"));
    EXPECT_EQ(std::optional<std::int32_t>(-1), store->readInt("Color #1"));
    EXPECT_EQ(std::optional<std::int32_t>(std::numeric_limits<std::int32_t>::min()), store->readInt("Color #2"));
    EXPECT_EQ(std::optional<std::int32_t>(12), store->readInt("Graph Sport"));
    EXPECT_EQ(std::optional<std::string>("Liberation Sans"), store->readString("FontName: Day"));
}

TEST(SettingsFile, aReadOnlyStoreWritesNothing)
{
    writeFile(fileOfThisTest(), "[Windows]\nDefault%20Log=/home/ann/run.dat\n");
    auto store = storeOfThisTest(true);

    store->writeString("Default Log", "/home/ann/other.dat");
    store->writeInt("Graph Type", 3);
    store->sync();

    EXPECT_EQ(std::optional<std::string>("/home/ann/run.dat"), store->readString("Default Log"));
    EXPECT_EQ(std::nullopt, store->readInt("Graph Type"));
    EXPECT_EQ("[Windows]\nDefault%20Log=/home/ann/run.dat\n", fileText(fileOfThisTest()));
}

TEST(SettingsFile, aFirstStartLeavesACompleteSetThatASecondStartReadsUnchanged)
{
    auto first = storeOfThisTest();
    EXPECT_FALSE(first->exists());
    const AppSettings loaded = loadSettings(*first, ScreenRect{0, 0, 1280, 800});
    first.reset();
    const std::string afterFirst = fileText(fileOfThisTest());

    auto second = storeOfThisTest();
    EXPECT_TRUE(second->exists());
    const AppSettings reloaded = loadSettings(*second, ScreenRect{5, 5, 640, 480});
    second.reset();

    EXPECT_EQ(afterFirst, fileText(fileOfThisTest()));
    EXPECT_EQ("0,0,1280,800", reloaded.mainWindow);
    EXPECT_EQ(loaded.sportColors, reloaded.sportColors);
    EXPECT_EQ(loaded.fontNamePrinting, reloaded.fontNamePrinting);
    QSettings file(fileOfThisTest(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Windows"));
    EXPECT_EQ(31, file.childKeys().size());
}

TEST(SettingsFile, writtenSettingsLoadBack)
{
    auto store = storeOfThisTest();
    store->writeInt("WeekView #Weeks", 1);
    AppSettings settings = defaultSettings();
    settings.weekViewWeeks = 4;
    settings.calorieKeyword = "72.5kg";
    settings.calorieFactors = {{"Walking", 0.45f}};
    settings.downloadLog = "/home/ann/Palm/Orvanta/Download.dat";
    writeSettings(*store, settings, ScreenRect{3, 4, 500, 400});
    store.reset();

    auto again = storeOfThisTest();
    const AppSettings read = loadSettings(*again, ScreenRect{0, 0, 800, 600});
    EXPECT_EQ("3,4,500,400", read.mainWindow);
    EXPECT_EQ(4, read.weekViewWeeks);
    EXPECT_EQ(72.5f, read.fixedWeight);
    EXPECT_EQ("Walking", read.calorieFactors.at(0).sport);
    EXPECT_EQ(0.45f, read.calorieFactors.at(0).factor);
    EXPECT_EQ("/home/ann/Palm/Orvanta/Download.dat", read.downloadLog);
}

// ---- the Palm desktop's HotSync folder -----------------------------------

struct HotSyncRow {
    const char* name;
    std::optional<QString> stored;  // "HotSyncPath"; nothing for a missing value
    QString folder;
};

// Failures name the row.
void PrintTo(const HotSyncRow& row, std::ostream* out)
{
    *out << row.name;
}

class HotSyncFolder : public ::testing::TestWithParam<HotSyncRow> {};

TEST_P(HotSyncFolder, isThePathLessItsLastComponent)
{
    QSettings palm(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("U.S. Robotics"),
                   QStringLiteral("Pilot Desktop"));
    palm.remove(QStringLiteral("Core"));
    if (GetParam().stored)
        palm.setValue(QStringLiteral("Core/HotSyncPath"), *GetParam().stored);
    palm.sync();
    EXPECT_EQ(configFolder() + QStringLiteral("/U.S. Robotics/Pilot Desktop.ini"), palm.fileName());

    EXPECT_EQ(GetParam().folder.toStdString(), hotSyncFolder().toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Values, HotSyncFolder,
    ::testing::Values(
        HotSyncRow{"missing", std::nullopt, QString()},
        HotSyncRow{"slashes", QStringLiteral("/opt/palm/HotSync"), QStringLiteral("/opt/palm/")},
        HotSyncRow{"backslashes", QStringLiteral("C:\\Palm\\HotSync.exe"), QStringLiteral("C:\\Palm\\")},
        HotSyncRow{"mixedLastWins", QStringLiteral("/opt/palm\\bin/HotSync"), QStringLiteral("/opt/palm\\bin/")},
        HotSyncRow{"inTheRoot", QStringLiteral("/HotSync"), QStringLiteral("/")},
        HotSyncRow{"noFolder", QStringLiteral("HotSync.exe"), QString()},
        HotSyncRow{"nonLatinKept", QStringLiteral("/home/\u0430\u043d\u044f/Palm/HotSync"),
                   QStringLiteral("/home/\u0430\u043d\u044f/Palm/")},
        HotSyncRow{"longest255", QStringLiteral("/") + QString(249, QLatin1Char('p')) + QStringLiteral("/Sync"),
                   QStringLiteral("/") + QString(249, QLatin1Char('p')) + QStringLiteral("/")},
        HotSyncRow{"tooLong256", QStringLiteral("/") + QString(250, QLatin1Char('p')) + QStringLiteral("/Sync"),
                   QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PalmStore, isReadOnly)
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("U.S. Robotics"),
              QStringLiteral("Pilot Desktop"))
        .remove(QStringLiteral("Core"));
    QtSettingsStore palm(QStringLiteral("U.S. Robotics"), QStringLiteral("Pilot Desktop"), QStringLiteral("Core"),
                         true);
    palm.writeString("HotSyncPath", "/tmp/elsewhere/HotSync");
    palm.sync();
    EXPECT_EQ(std::nullopt, palm.readString("HotSyncPath"));
}

}  // namespace
