#pragma once

#include <QByteArray>

#include "workout_summary.h"

// GPX 1.1: one workout per track; its distance is the great-circle sum over
// the points of each segment, its time runs from the first point's time to
// the last one's; the track's (else the file's) name, its type as the sport,
// its description as notes.
FileSummaries readGpx(const QByteArray& bytes);

// Training Center (TCX): one workout per activity, its sport from the
// activity, its time and distance the sums of its laps' TotalTimeSeconds and
// DistanceMeters, its notes from the activity's Notes.
FileSummaries readTcx(const QByteArray& bytes);

// The root element's name of an XML text: "gpx", "TrainingCenterDatabase";
// empty when the bytes do not start as XML.
QByteArray xmlRootName(const QByteArray& bytes);

// Metres along the great circle between two points given in degrees.
double greatCircleMetres(double lat1, double lon1, double lat2, double lon2);
