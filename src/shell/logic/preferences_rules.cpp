#include "preferences_rules.h"

EditablePreferences editablePreferences(const LogStore& store)
{
    const Preferences& p = store.preferences;
    return {p.closeAction(), p.backupCopy(), p.distanceConversion(), p.dateFormatValue(), p.weekStart()};
}

PreferenceChoices choicesOf(const EditablePreferences& values)
{
    PreferenceChoices choices;
    const std::array<int, 4> pairs{values.closeAction, values.backupCopy, values.distanceConversion, values.dateFormat};
    for (std::size_t k = 0; k < pairs.size(); ++k)
        choices.twoWay[k] = pairs[k] == 1 ? 0 : 1;
    // A week start from a damaged file matches no button; then none is checked
    // and confirming the dialog gives Sunday.
    choices.week = values.weekStart >= 1 && values.weekStart <= 3 ? values.weekStart - 1 : -1;
    return choices;
}

EditablePreferences preferencesFrom(const PreferenceChoices& choices)
{
    auto pick = [&](std::size_t k) { return choices.twoWay[k] == 0 ? 1 : 2; };
    EditablePreferences values;
    values.closeAction = pick(0);
    values.backupCopy = pick(1);
    values.distanceConversion = pick(2);
    values.dateFormat = pick(3);
    values.weekStart = choices.week == 0 ? 1 : choices.week == 1 ? 2 : 3;
    return values;
}

PreferenceChanges applyPreferences(LogStore& store, const EditablePreferences& values, UserPrompt& prompt)
{
    PreferenceChanges changes;
    changes.dateFormatChanged = values.dateFormat != store.preferences.dateFormatValue();
    changes.weekStartChanged = values.weekStart != store.preferences.weekStart();

    store.preferences.values[0] = values.closeAction;
    store.preferences.values[1] = values.backupCopy;
    store.preferences.values[2] = values.distanceConversion;
    // The preferences travel with the log, so confirming always counts as a change.
    store.modified = true;

    // The date format goes first: the week numbers below are read back from
    // the date texts, which must already be in the new order.
    if (changes.dateFormatChanged) {
        prompt.message(kDateFormatWarningCaption, kDateFormatWarning, UserPrompt::Icon::None);
        store.setDateFormat(values.dateFormat);
    }
    if (changes.weekStartChanged)
        store.setWeekStart(values.weekStart);
    return changes;
}
