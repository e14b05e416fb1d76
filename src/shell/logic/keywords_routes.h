#pragma once

// The Keyword and Autofill menus of the Data Entry form, free of widgets:
// their items, adding (with the limit of 32 each), deleting after the
// question, the text a keyword puts into the comment, memorizing the form
// as a route and filling the form from one.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "log/log_store.h"
#include "log/user_prompt.h"
#include "shell/logic/entry_form.h"

inline constexpr const char* kAddNewItem = "  Add New";
inline constexpr const char* kMemorizeItem = "  Memorize Info";
inline constexpr const char* kKeywordLimit = "You have reached the limit of 32 keywords";
inline constexpr const char* kRouteLimit = "You have reached the limit of 32 memorized routes";
inline constexpr const char* kNothingToMemorize =
    "Nothing to memorize! Enter data first, THEN select \"Memorize Info\" again.";
inline constexpr const char* kDeleteMemorizedStart =
    "Are you sure you want to delete the memorized information for the ";
inline constexpr const char* kDeleteKeywordEnd =
    " keyword? You will NOT lose any data from your log itself, only the Keyword menu will be modified.";
inline constexpr const char* kDeleteRouteEnd =
    " route? You will NOT lose any data from your log itself, only the Autofill menu will be modified.";

// What the Add Keyword dialog's boxes and the Autofill name box accept.
inline constexpr std::size_t kKeywordAbbreviationLength = 16;
inline constexpr std::size_t kKeywordLabelLength = 32;
inline constexpr std::size_t kRouteNameLength = 32;
// The Autofill menu shows at most this much of a route's name.
inline constexpr std::size_t kRouteMenuTextLength = 63;

// Keyword kinds, as the first field of a keyword keeps them.
enum class KeywordKind { Average = 1, Total = 2, NonNumeric = 3 };

// The menus' items, in order: one per keyword (its label) or route (its
// name), then "  Add New" or "  Memorize Info".
std::vector<std::string> keywordMenuItems(const LogStore& store);
std::vector<std::string> routeMenuItems(const LogStore& store);

// "  Add New" at the limit shows the limit message and gives false.
bool mayAddKeyword(const LogStore& store, UserPrompt& prompt);
// Appends "%d\t%s\t%s"; false (nothing added) when the abbreviation or the
// label is empty or the log holds 32 keywords. Texts are cut to 16 and 32.
bool addKeyword(LogStore& store, KeywordKind kind, std::string_view abbreviation, std::string_view label);

// Asks the question (OK and Cancel, Cancel the default); OK removes the
// keyword or route. Returns whether it was removed.
std::string deleteKeywordQuestion(const LogStore& store, int index);
std::string deleteRouteQuestion(const LogStore& store, int index);
bool deleteKeyword(LogStore& store, int index, UserPrompt& prompt);
bool deleteRoute(LogStore& store, int index, UserPrompt& prompt);

// What choosing a keyword puts at the comment's caret: its abbreviation
// and "=", or a blank for the non-numeric kinds (3 and 7).
std::string keywordInsertion(std::string_view keywordText);

// Memorize Info: at the limit, or with nothing in the form, the message and
// nothing more; otherwise askName gives the route's name (empty: nothing is
// memorized) and the form is appended as a route. The form is not changed.
enum class MemorizeResult { Added, AtLimit, NothingToMemorize, NoName };
MemorizeResult memorizeRoute(LogStore& store, const EntryForm& form, UserPrompt& prompt,
                             const std::function<std::string()>& askName);

// Autofill: the form takes the route's category, sport, distance (its
// unit from the letter), time, pace, route and comment. Returns the field
// that gets the focus: the first empty one of distance, time, pace and
// route, else the comment.
FormField fillFromRoute(EntryForm& form, LogStore& store, std::string_view routeText);
