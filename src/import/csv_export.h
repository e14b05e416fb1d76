#pragma once

#include <string>

#include "log/log_store.h"

// The log's selected entries as a spreadsheet reads them: UTF-8, RFC 4180
// quoting, CR LF line ends, the header row
// date,sport,category,distance,unit,metres,time,seconds,pace,route,comment
// then one row per selected entry in log order. The importer reads it back.
std::string csvExportText(const LogStore& store);

inline constexpr const char* kCsvHeader = "date,sport,category,distance,unit,metres,time,seconds,pace,route,comment";
