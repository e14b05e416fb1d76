#include "usage.h"

#include "cli_selection.h"

namespace {

struct CommandHelp {
    const char* name;
    const char* synopsis;
    const char* description;
    bool selects = false;  // takes the selection options
};

constexpr const char* kNotInThisBuild = "This build does not have this command yet.\n";

constexpr CommandHelp kCommands[] = {
    {"list", "orvanta list LOG [selection options]",
     "Reads LOG as File > Open does and prints each selected entry, in log order, as\n"
     "the line Save writes for it (seven tab-separated fields).\n",
     true},
    {"export",
     "orvanta export LOG OUT --format complete|entries|append|html|training|csv\n"
     "               [--from D] [--to D] [selection options]",
     "Writes the selected entries of LOG (dated from --from to --to, both included;\n"
     "all entries by default) to OUT as File > Save Selected As does in that format.\n"
     "A name without a point gets \".dat\" (\".htm\" for html). LOG is not changed.\n"
     "csv writes a spreadsheet (UTF-8, CR LF) with the header row\n"
     "date,sport,category,distance,unit,metres,time,seconds,pace,route,comment.\n",
     true},
    {"totals", "orvanta totals LOG [--period week|month|year] [selection options]",
     "Reads LOG and prints the lines of the Totals report over the selected entries\n"
     "as the Totals page lists them, one per line, trailing blanks kept: a block per\n"
     "week (the default), month or year and a summary per calendar year. Month\n"
     "names follow the locale (LC_TIME).\n",
     true},
    {"add",
     "orvanta add LOG [--date D] [--sport NAME] [--category Training|Intervals|Race]\n"
     "            [--distance TEXT] [--units none|miles|km|yards|meters] [--time TEXT]\n"
     "            [--pace TEXT] [--route TEXT] [--comment TEXT]",
     "Fills the Data Entry form (by default: today, the log's first sport, Training,\n"
     "the sport's units), tidies each given field as leaving it does, fills in the\n"
     "missing one of time, distance and pace, stores the entry as Save does (date\n"
     "order, the log's distance conversion, the Download Log of the settings) and\n"
     "saves LOG. Prints the stored entry's line as list does. Distance, time and\n"
     "pace are cut to 9 characters, route and comment to 511. Dates run from\n"
     "1950-01-01 to 2049-12-31.\n"},
    {"merge", "orvanta merge LOG FILE [--plan-start D | --plan-end D]",
     "Adds the entries of FILE (a log, an entries-only file or a training program)\n"
     "to LOG as File > Merge does, each in date order after the entries of its\n"
     "date, and saves LOG when entries were added. A training program's days are\n"
     "placed by its first day (--plan-start) or its last day (--plan-end); without\n"
     "either nothing is merged.\n"},
    {"archive", "orvanta archive LOG OUT --from D --to D [--keep]",
     "Writes the entries of LOG dated from --from to --to (both included) to OUT as\n"
     "a complete log, as File > Archive does, and takes them out of LOG unless\n"
     "--keep is given; LOG is saved only when entries left it. OUT may not be LOG.\n"},
    {"graph",
     "orvanta graph LOG [--type T] [--sport NAME|all] [--period P] [--first D]\n"
     "              [selection options]",
     "Prints the Graph page's picture as numbers, the selected entries of LOG\n"
     "counted (a sport named by --sport is the selection's sport too): for\n"
     "each period shown its first day and its value as the bar uses it (time in\n"
     "hours, distance in the sport's units, pace, workouts, calories in thousands\n"
     "of kilocalories, keyword sums or averages), with all sports each sport's\n"
     "value after it; then the line \"axis\" with the base, the span, the vertical\n"
     "caption and the five tick labels (\"axis\" alone when there is no scale).\n"
     "T: time (default), distance, pace, workouts, calories, a type list text or\n"
     "a keyword's label. --sport: a sport's name or all (the default); distance\n"
     "and pace need one sport. P: 13w (default), 27w, 55w, 111w, 12m, 25m, 38m,\n"
     "51m. --first D: the period holding D is the first shown; without it the\n"
     "last entry's period is the last shown. Calories use the calorie settings.\n",
     true},
    {"import", "orvanta import LOG FILE... [--sport-map NAME=SPORT ...] [--dry-run]",
     "Adds the workouts of the FILEs (FIT, GPX, TCX or CSV, told apart by what they\n"
     "hold) to LOG as entries in date order, skipping a workout LOG already holds\n"
     "(same date, sport, distance and time), and saves LOG when any were added.\n"
     "A workout goes to the sport whose name equals its sport, case aside;\n"
     "--sport-map running=Jogging sends others (it may be given again). Prints\n"
     "each added entry as list does; --dry-run prints them and saves nothing.\n"
     "Exit status 3: some files could not be read, the others were imported.\n"},
    {"print",
     "orvanta print LOG OUT.pdf --page log|day|week|totals|graph [--pages N-M]\n"
     "            [--paper letter|a4] [--period week|month|year] [--from D]\n"
     "            [--type T] [--sport NAME|all] [--period P] [--first D] [selection options]",
     "Prints into the PDF file OUT what File > Print prints for that page, at 600\n"
     "dots per inch on letter (default) or A4 paper, with no display: log the log\n"
     "table, day a card per entry, week the week sheet, totals the totals table,\n"
     "graph the graph, each of the selected entries only. --pages N-M prints only\n"
     "those pages (for day: entries N to M; by default from the first selected\n"
     "on). totals takes --period week (default), month or year; graph takes the\n"
     "options of orvanta graph. week prints the week of --from (by default the\n"
     "last entry's, as the last of four in the four-week sheet). Fonts, colours\n"
     "and the one- or four-week sheet come from the settings.\n",
     true},
};

constexpr const char* kGeneralRules =
    "Options are \"--name value\" and may stand before, between or after the\n"
    "arguments; dates are YYYY-MM-DD. Paths are taken from the current folder.\n"
    "Messages go to standard error as \"CAPTION: TEXT\".\n"
    "Exit status: 0 done (also after a warning), 1 refused or failed, 2 usage error,\n"
    "3 (import) some files could not be read and the others were imported.\n";

}  // namespace

std::string generalUsage()
{
    std::string text =
        "Usage: orvanta COMMAND [options] ARGS\n"
        "       orvanta COMMAND --help\n\nCommands:\n";
    for (const CommandHelp& command : kCommands) {
        text += "  ";
        text += command.synopsis;
        text += command.description != nullptr ? "\n" : "\n      (not in this build yet)\n";
    }
    return text + "\n" + kSelectionHelp + "\n" + kGeneralRules;
}

std::string commandUsage(std::string_view command)
{
    for (const CommandHelp& help : kCommands) {
        if (command != help.name)
            continue;
        std::string text = std::string("Usage: ") + help.synopsis + "\n\n";
        text += help.description != nullptr ? help.description : kNotInThisBuild;
        if (help.selects)
            text += std::string("\n") + kSelectionHelp;
        return text + "\n" + kGeneralRules;
    }
    return {};
}
