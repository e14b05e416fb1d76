#include "import_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "csv_reader.h"
#include "fit_reader.h"
#include "import_messages.h"
#include "xml_readers.h"

namespace {

const unsigned char* bytesOf(std::string_view text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

// Skips a byte order mark and white space: where an XML text starts.
bool startsAsXml(std::string_view bytes)
{
    std::size_t at = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
        ++at;
    return at < bytes.size() && bytes[at] == '<';
}

std::string withNumber(const char* format, int number)
{
    char text[256];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

}  // namespace

WorkoutFormat workoutFormatOf(std::string_view bytes)
{
    if (looksLikeFit(bytesOf(bytes), bytes.size()))
        return WorkoutFormat::Fit;
    if (startsAsXml(bytes)) {
        const QByteArray root =
            xmlRootName(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
        if (root == "gpx")
            return WorkoutFormat::Gpx;
        if (root == "TrainingCenterDatabase")
            return WorkoutFormat::Tcx;
        return WorkoutFormat::Unknown;
    }
    return looksLikeCsv(bytes) ? WorkoutFormat::Csv : WorkoutFormat::Unknown;
}

FileSummaries readWorkoutBytes(std::string_view bytes)
{
    const QByteArray xml = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    switch (workoutFormatOf(bytes)) {
        case WorkoutFormat::Fit:
            return readFit(bytesOf(bytes), bytes.size());
        case WorkoutFormat::Gpx:
            return readGpx(xml);
        case WorkoutFormat::Tcx:
            return readTcx(xml);
        case WorkoutFormat::Csv:
            return readCsv(bytes);
        case WorkoutFormat::Unknown:
            break;
    }
    FileSummaries unknown;
    unknown.error = importmsg::kUnknownFormat;
    return unknown;
}

FileSummaries readWorkoutFile(const std::string& path)
{
    FileSummaries result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = fd < 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : errno;
        if (fd >= 0)
            ::close(fd);
        result.error = withNumber(importmsg::kCantOpen, error);
        return result;
    }
    if (info.st_size > kMaxWorkoutFileBytes) {
        ::close(fd);
        result.error = importmsg::kTooLarge;
        return result;
    }
    // Left unfilled: the read fills what is used.
    const auto size = static_cast<std::size_t>(info.st_size);
    std::unique_ptr<char[]> bytes(new char[size == 0 ? 1 : size]);
    std::size_t have = 0;
    while (have < size) {
        const ssize_t got = ::read(fd, bytes.get() + have, size - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            result.error = withNumber(importmsg::kCantOpen, error);
            return result;
        }
        if (got == 0)
            break;
        have += static_cast<std::size_t>(got);
    }
    ::close(fd);
    result = readWorkoutBytes(std::string_view(bytes.get(), have));
    for (WorkoutSummary& workout : result.workouts)
        if (!workout.hasStart())
            workout.utcStart = static_cast<std::int64_t>(info.st_mtime);
    return result;
}
