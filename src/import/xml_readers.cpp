#include "xml_readers.h"

#include <QXmlStreamReader>
#include <cmath>
#include <cstdio>

#include "civil_time.h"
#include "csv_reader.h"
#include "import_messages.h"

namespace {

constexpr double kEarthRadiusMetres = 6371008.8;

std::string utf8(const QString& text)
{
    return text.trimmed().toStdString();
}

// Sets the start from an XML time text; returns whether it could be read.
bool setStart(WorkoutSummary& workout, const QString& text)
{
    const std::optional<DateRead> date = readDateText(text.trimmed().toStdString());
    if (!date)
        return false;
    if (date->offsetSeconds) {
        workout.utcStart = unixSecondsOf(date->time) - *date->offsetSeconds;
        workout.localStart.reset();
    } else {
        workout.localStart = date->time;
        workout.utcStart.reset();
    }
    return true;
}

std::optional<std::int64_t> instantOf(const QString& text)
{
    const std::optional<DateRead> date = readDateText(text.trimmed().toStdString());
    if (!date)
        return std::nullopt;
    return unixSecondsOf(date->time) - date->offsetSeconds.value_or(0);
}

std::string xmlError(const QXmlStreamReader& xml)
{
    char text[512];
    std::snprintf(text, sizeof text, importmsg::kXmlBroken, static_cast<long long>(xml.lineNumber()),
                  xml.errorString().toStdString().c_str());
    return text;
}

// A file's workouts once its reading has ended: none when the XML was
// broken, and a reason when it held none.
FileSummaries finished(const QXmlStreamReader& xml, FileSummaries result)
{
    if (xml.hasError()) {
        result.workouts.clear();
        result.error = xmlError(xml);
    } else if (result.workouts.empty()) {
        result.error = importmsg::kNoWorkout;
    }
    return result;
}

// One track of a GPX file while it is read.
struct Track {
    WorkoutSummary workout;
    std::optional<std::int64_t> firstTime;
    std::optional<std::int64_t> lastTime;
    bool firstTimeText = false;
    bool havePoint = false;
    double lat = 0.0;
    double lon = 0.0;
};

void readTrackPoint(QXmlStreamReader& xml, Track& track)
{
    bool okLat = false;
    bool okLon = false;
    const double lat = xml.attributes().value(QLatin1String("lat")).toDouble(&okLat);
    const double lon = xml.attributes().value(QLatin1String("lon")).toDouble(&okLon);
    if (okLat && okLon) {
        if (track.havePoint) {
            track.workout.distanceKind = DistanceKind::Metres;
            track.workout.distance += greatCircleMetres(track.lat, track.lon, lat, lon);
        }
        track.havePoint = true;
        track.lat = lat;
        track.lon = lon;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("time")) {
            const QString text = xml.readElementText();
            if (const std::optional<std::int64_t> at = instantOf(text)) {
                if (!track.firstTime) {
                    track.firstTime = at;
                    setStart(track.workout, text);
                }
                track.lastTime = at;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

void readTrack(QXmlStreamReader& xml, Track& track)
{
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            track.workout.name = utf8(xml.readElementText());
        } else if (name == QLatin1String("desc") || name == QLatin1String("cmt")) {
            const std::string text = utf8(xml.readElementText());
            if (track.workout.notes.empty())
                track.workout.notes = text;
        } else if (name == QLatin1String("type")) {
            track.workout.sport = utf8(xml.readElementText());
        } else if (name == QLatin1String("trkseg")) {
            // Each segment is a stretch of its own: no distance across gaps.
            track.havePoint = false;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("trkpt"))
                    readTrackPoint(xml, track);
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

}  // namespace

double greatCircleMetres(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double kRadians = 3.14159265358979323846 / 180.0;
    const double dLat = (lat2 - lat1) * kRadians;
    const double dLon = (lon2 - lon1) * kRadians;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1 * kRadians) * std::cos(lat2 * kRadians) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2.0 * kEarthRadiusMetres * std::atan2(std::sqrt(a), std::sqrt(1.0 - a));
}

QByteArray xmlRootName(const QByteArray& bytes)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement)
            return xml.name().toLatin1();
        if (token == QXmlStreamReader::Invalid)
            return {};
    }
    return {};
}

FileSummaries readGpx(const QByteArray& bytes)
{
    FileSummaries result;
    QXmlStreamReader xml(bytes);
    std::string fileName;
    QString fileTime;
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            const QStringView name = xml.name();
            if (name == QLatin1String("metadata")) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("name"))
                        fileName = utf8(xml.readElementText());
                    else if (xml.name() == QLatin1String("time"))
                        fileTime = xml.readElementText();
                    else
                        xml.skipCurrentElement();
                }
            } else if (name == QLatin1String("trk")) {
                Track track;
                readTrack(xml, track);
                if (track.workout.name.empty())
                    track.workout.name = fileName;
                if (!track.workout.hasStart() && !fileTime.isEmpty())
                    setStart(track.workout, fileTime);
                if (track.firstTime && track.lastTime)
                    track.workout.seconds = static_cast<double>(*track.lastTime - *track.firstTime);
                if (track.havePoint || track.workout.distanceKind != DistanceKind::None || track.firstTime)
                    result.workouts.push_back(std::move(track.workout));
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    return finished(xml, std::move(result));
}

namespace {

void readLap(QXmlStreamReader& xml, WorkoutSummary& workout)
{
    if (!workout.hasStart())
        setStart(workout, xml.attributes().value(QLatin1String("StartTime")).toString());
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("TotalTimeSeconds")) {
            workout.seconds += xml.readElementText().trimmed().toDouble();
        } else if (name == QLatin1String("DistanceMeters")) {
            bool ok = false;
            const double metres = xml.readElementText().trimmed().toDouble(&ok);
            if (ok && std::isfinite(metres) && metres >= 0.0) {
                workout.distanceKind = DistanceKind::Metres;
                workout.distance += metres;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

WorkoutSummary readActivity(QXmlStreamReader& xml)
{
    WorkoutSummary workout;
    workout.sport = utf8(xml.attributes().value(QLatin1String("Sport")).toString());
    QString id;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("Id"))
            id = xml.readElementText();
        else if (name == QLatin1String("Lap"))
            readLap(xml, workout);
        else if (name == QLatin1String("Notes"))
            workout.notes = utf8(xml.readElementText());
        else
            xml.skipCurrentElement();
    }
    // The activity's Id is its start time; the first lap's is the fallback.
    WorkoutSummary byId = workout;
    if (setStart(byId, id))
        return byId;
    return workout;
}

}  // namespace

FileSummaries readTcx(const QByteArray& bytes)
{
    FileSummaries result;
    QXmlStreamReader xml(bytes);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Activities")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("Activity")) {
                    WorkoutSummary workout = readActivity(xml);
                    if (workout.hasStart())
                        result.workouts.push_back(std::move(workout));
                } else {
                    xml.skipCurrentElement();
                }
            }
        }
    }
    return finished(xml, std::move(result));
}
