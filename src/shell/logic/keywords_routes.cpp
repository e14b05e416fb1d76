#include "shell/logic/keywords_routes.h"

#include <array>
#include <cstdio>

#include "log/messages.h"
#include "shell/logic/page_layout.h"
#include "values/tab_fields.h"

namespace {

int leadingNumber(std::string_view text)
{
    int value = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool confirmDelete(UserPrompt& prompt, const std::string& question)
{
    return prompt.message(msg::kCaption, question, UserPrompt::Icon::None, UserPrompt::Buttons::OkCancel,
                          UserPrompt::Answer::Cancel) == UserPrompt::Answer::Ok;
}

template <class Record, std::size_t N>
void removeRecord(Record (&records)[N], std::uint16_t& count, int index)
{
    for (int i = index; i + 1 < count; ++i)
        records[i] = records[i + 1];
    --count;
}

}  // namespace

std::vector<std::string> keywordMenuItems(const LogStore& store)
{
    std::vector<std::string> items;
    for (int i = 0; i < store.keywordCount; ++i)
        items.push_back(keywordLabel(store.keywords[i].text.view()));
    items.emplace_back(kAddNewItem);
    return items;
}

std::vector<std::string> routeMenuItems(const LogStore& store)
{
    std::vector<std::string> items;
    for (int i = 0; i < store.routeCount; ++i)
        items.push_back(routeName(store.routes[i].text.view()));
    items.emplace_back(kMemorizeItem);
    return items;
}

bool mayAddKeyword(const LogStore& store, UserPrompt& prompt)
{
    if (store.keywordCount < LogStore::kMaxKeywords)
        return true;
    prompt.message(msg::kCaption, kKeywordLimit, UserPrompt::Icon::None);
    return false;
}

bool addKeyword(LogStore& store, KeywordKind kind, std::string_view abbreviation, std::string_view label)
{
    abbreviation = abbreviation.substr(0, kKeywordAbbreviationLength);
    label = label.substr(0, kKeywordLabelLength);
    if (abbreviation.empty() || label.empty() || store.keywordCount >= LogStore::kMaxKeywords)
        return false;
    char text[80];
    std::snprintf(text, sizeof text, "%d\t%.*s\t%.*s", static_cast<int>(kind), static_cast<int>(abbreviation.size()),
                  abbreviation.data(), static_cast<int>(label.size()), label.data());
    store.keywords[store.keywordCount++].text = text;
    store.modified = true;
    return true;
}

std::string deleteKeywordQuestion(const LogStore& store, int index)
{
    return std::string(kDeleteMemorizedStart) + '"' + keywordLabel(store.keywords[index].text.view()) + '"' +
           kDeleteKeywordEnd;
}

std::string deleteRouteQuestion(const LogStore& store, int index)
{
    return std::string(kDeleteMemorizedStart) + '"' + routeName(store.routes[index].text.view()) + '"' +
           kDeleteRouteEnd;
}

bool deleteKeyword(LogStore& store, int index, UserPrompt& prompt)
{
    if (index < 0 || index >= store.keywordCount || !confirmDelete(prompt, deleteKeywordQuestion(store, index)))
        return false;
    removeRecord(store.keywords, store.keywordCount, index);
    store.modified = true;
    return true;
}

bool deleteRoute(LogStore& store, int index, UserPrompt& prompt)
{
    if (index < 0 || index >= store.routeCount || !confirmDelete(prompt, deleteRouteQuestion(store, index)))
        return false;
    removeRecord(store.routes, store.routeCount, index);
    store.modified = true;
    return true;
}

std::string keywordInsertion(std::string_view keywordText)
{
    const auto fields = fieldsOf<3>(keywordText.substr(0, 63));
    const int kind = leadingNumber(fields[0]);
    const bool nonNumeric = kind == 3 || kind == 7;
    return std::string(fields[1]) + (nonNumeric ? ' ' : '=');
}

MemorizeResult memorizeRoute(LogStore& store, const EntryForm& form, UserPrompt& prompt,
                             const std::function<std::string()>& askName)
{
    if (store.routeCount >= LogStore::kMaxRoutes) {
        prompt.message(msg::kCaption, kRouteLimit, UserPrompt::Icon::None);
        return MemorizeResult::AtLimit;
    }
    LogEntry entry;
    if (!buildEntry(form, store, entry)) {
        prompt.message(msg::kCaption, kNothingToMemorize, UserPrompt::Icon::None);
        return MemorizeResult::NothingToMemorize;
    }
    const std::string name = askName ? askName().substr(0, kRouteNameLength) : std::string();
    if (name.empty())
        return MemorizeResult::NoName;
    std::string record;
    for (std::string_view field :
         {std::string_view(name), entry.kindSport.view(), entry.distanceText.view(), entry.timeText.view(),
          entry.paceText.view(), entry.routeText.view(), entry.commentText.view()}) {
        record += field;
        record += '\t';
    }
    store.routes[store.routeCount++].text = record;
    store.modified = true;
    return MemorizeResult::Added;
}

FormField fillFromRoute(EntryForm& form, LogStore& store, std::string_view routeText)
{
    const auto fields = fieldsOf<7>(routeText);
    const std::string_view letters = fields[1];
    const char kind = letters.empty() ? '\0' : letters[0];
    form.category = kind == 'R' ? 2 : kind == 'I' ? 1 : 0;
    if (letters.size() < 2)
        store.currentSport = 0;
    else
        store.resolveSportByLetter(letters[1]);
    applySport(form, store, store.currentSport);
    if (fields[2].empty()) {
        form.distance.clear();
    } else {
        SplitDistance distance = splitDistance(fields[2]);
        form.distance = std::move(distance.number);
        form.units = distance.units;
    }
    form.time = fields[3];
    form.pace = fields[4];
    form.route = fields[5];
    form.comment = fields[6];
    if (form.distance.empty())
        return FormField::Distance;
    if (form.time.empty())
        return FormField::Time;
    if (form.pace.empty())
        return FormField::Pace;
    if (form.route.empty())
        return FormField::Route;
    return FormField::Comment;
}
