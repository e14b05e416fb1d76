#pragma once

class QEvent;
class QObject;

// Dates typed as people type them, into every date picker: "03/21/10".
// A picker moves on to its next part by itself once a part can take no
// more digits; a separator typed right after that would move it on once
// more and put the next number into the wrong part. Such a separator is
// taken as already done.
namespace DateTyping {

// For an application-wide event filter: true when the event was a
// separator to be dropped.
bool filter(QObject* watched, QEvent* event);

}  // namespace DateTyping
