#pragma once

// The entry being modified in the form is LogStore::editingIndex.
// The shell's own state beside the log store and the settings: which page is
// shown and where each view stands.
enum class PageIndex : int { DataEntry = 0, Log = 1, Day = 2, Week = 3, Totals = 4, Graph = 5, Select = 6 };
inline constexpr int kPageCount = 7;

struct ShellState {
    int currentPage = 0;
    int returnPage = 1;        // where the Select page goes back to
    int dayEntry = -1;         // entry shown by the day view
    int formSport = -1;        // sport chosen in the form
    int weekFirst = -1;        // first week shown by the week view
    int graphFirstWeek = -1;   // first week the graph shows
    int graphFirstMonth = -1;  // first month the graph shows
    int revealEntry = -1;      // an entry just saved, for the Log list to bring into view

    void clearPositions()
    {
        dayEntry = -1;
        formSport = -1;
        weekFirst = -1;
        graphFirstWeek = -1;
        graphFirstMonth = -1;
        revealEntry = -1;
    }
};
