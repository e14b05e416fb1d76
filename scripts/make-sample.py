#!/usr/bin/env python3
"""Writes examples/Sample.dat: the log a new user opens first.

A year (2026) of one person's training: running through a spring half
marathon and an autumn marathon, cycling in the summer, swimming in the
winter, strength work all year. The file is in the log format exactly as the
program writes it (CR LF line ends, tab-separated fields, times in their
normalised h:mm:ss form, paces as the program computes them from time and
distance), so opening and saving it changes no byte.

Standard library only; the fixed seed makes every run write the same bytes.

    python3 scripts/make-sample.py [OUTPUT]     (default: examples/Sample.dat)
"""

import datetime
import math
import os
import random
import struct
import sys

SEED = 2026
YEAR = 2026

SPORTS = [
    # name, letter, unit suffix, pace unit name
    ("Running", "R", "M", "mpm"),
    ("Cycling", "B", "K", "kph"),
    ("Swimming", "S", "m", "   "),
    ("Strength", "W", " ", "   "),
]

# Month first dates, automatic save, .bak copies, conversion in summaries
# only, weeks starting on Monday.
PREFERENCES = [1, 1, 1, 1, 1, 1, 0]

KEYWORDS = [
    (1, "HR", "Average heart rate"),
    (1, "Wt", "Body weight"),
    (2, "Elev", "Elevation gain (ft)"),
    (3, "Shoe", "Shoes worn"),
    (3, "PR", "Personal record"),
]

# name, kindSport, distance, time, pace, route, comment
ROUTES = [
    ("River loop", "TR", "5.2M", "", "", "River loop: boathouse, both bridges, back on the towpath", ""),
    ("Hill repeats", "IR", "5M", "", "", "Oak Street hill, 6 x 90 s up, jog down", ""),
    ("Track 6 x 800", "IR", "5.5M", "", "", "Track: 6 x 800 m at 5K pace, 400 m jog", ""),
    ("Lake ride", "TB", "42K", "", "", "Lake loop via Millbrook and the dam road", ""),
    ("Masters swim", "TS", "2000m", "", "", "Masters pool, 25 m lanes", ""),
    ("Gym circuit", "TW", "", "45:00", "", "Circuit: squats, deadlifts, rows, push-ups, planks", ""),
]

SHOES = ["Pegasus", "Clifton", "Pegasus", "Endorphin"]


def f32(x):
    """x rounded to a 32-bit float, as the program keeps every number."""
    return struct.unpack("<f", struct.pack("<f", x))[0]


def format_time(minutes):
    """The program's duration text: 1:05:12, 45:30, 8:05.5 (tenths only when not .0)."""
    minutes = f32(minutes)
    hours = int(minutes / 60)
    text = f"{hours}:" if hours > 0 else ""
    fraction = f32(minutes - math.floor(minutes))
    seconds = math.floor(f32(f32(fraction * 60) * 10) + 0.5) / 10
    mins = int(f32(minutes - hours * 60))
    if seconds >= 60:
        mins += 1
        seconds -= 60
    if mins > 0 or text:
        if mins < 10 and text:
            text += "0"
        text += f"{mins}:"
    if seconds < 10:
        text += "0"
    text += "%.1f" % seconds
    cut = text.find(".0")
    return text if cut < 0 else text[:cut]


def time_text(seconds):
    """Whole seconds as the normalised time text."""
    seconds = int(round(seconds))
    h, rest = divmod(seconds, 3600)
    m, s = divmod(rest, 60)
    return f"{h}:{m:02d}:{s:02d}" if h else f"{m}:{s:02d}"


def minutes_of(seconds):
    seconds = int(round(seconds))
    h, rest = divmod(seconds, 3600)
    m, s = divmod(rest, 60)
    return f32(f32(f32(h * 60) + m) + f32(s / 60))


def to_miles(x, suffix):
    factor = {"K": 1.609344, "m": 1609.344, "Y": 1760.0}.get(suffix)
    return f32(x) if factor is None else f32(f32(x) / factor)


def pace_text(sport_letter, seconds, distance, suffix):
    """The pace the program fills in from the time and the distance."""
    p = f32(minutes_of(seconds) / to_miles(distance, suffix))
    if sport_letter == "R":
        return format_time(p)
    if sport_letter == "B":
        return "%0.1f" % f32(96.56064 / p)
    return ""


def number_text(x):
    """A distance as a person types it: 5, 5.2, 13.1."""
    return f"{x:.0f}" if abs(x - round(x)) < 1e-9 else f"{x:.1f}"


class Log:
    def __init__(self, rng):
        self.rng = rng
        self.entries = []  # (date, fields)

    def add(self, day, kind, letter, distance="", time="", pace="", route="", comment=""):
        self.entries.append((day, [day.strftime("%m/%d/%y"), kind + letter, distance, time, pace, route, comment]))

    def run(self, day, kind, miles, pace_s, route, comment="", suffix="M", shown=None):
        """A run of miles at pace_s seconds per mile; shown is the distance as typed."""
        distance_in_unit = miles if suffix == "M" else miles * 1.609344
        seconds = round(miles * pace_s * self.rng.uniform(0.985, 1.015))
        typed = shown if shown is not None else number_text(round(distance_in_unit, 1))
        number = float(typed)
        self.add(day, kind, "R", typed + suffix, time_text(seconds), pace_text("R", seconds, number, suffix), route,
                 comment)
        return seconds

    def ride(self, day, kind, km, kph, route, comment=""):
        km = round(km, 1)
        seconds = round(km / kph * 3600)
        typed = number_text(km)
        self.add(day, kind, "B", typed + "K", time_text(seconds), pace_text("B", seconds, float(typed), "K"), route,
                 comment)

    def swim(self, day, meters, per100_s, route, comment=""):
        seconds = round(meters / 100 * per100_s)
        self.add(day, "T", "S", f"{meters}m", time_text(seconds), "", route, comment)

    def lift(self, day, minutes, route, comment=""):
        self.add(day, "T", "W", "", time_text(minutes * 60), "", route, comment)


def keyword_comment(rng, words, hr=None, weight=None, shoe=None, elev=None):
    parts = []
    if words:
        parts.append(words)
    if hr is not None:
        parts.append(f"HR={hr}")
    if elev is not None:
        parts.append(f"Elev={elev}")
    if weight is not None:
        parts.append(f"Wt={weight:.1f}")
    if shoe is not None:
        parts.append(f"Shoe {shoe}")
    return " ".join(parts)


EASY_ROUTES = [
    "River loop",
    "River loop",
    "Neighborhood: Elm, Park Ave, Cedar Hill",
    "Greenway out and back",
    "Greenway out and back",
    "Cemetery hills",
    "Treadmill at the gym",
]
EASY_WORDS = [
    "Easy.",
    "Easy, legs heavy from the weekend.",
    "Felt good.",
    "Windy on the bridge.",
    "Ran with Dana, chatted the whole way.",
    "Slow start, better after two miles.",
    "Recovery pace, kept it honest.",
    "",
    "",
    "Rain the whole way. Great.",
    "Nice sunrise over the river.",
    "Left calf a bit tight.",
]
WINTER_WORDS = ["Cold! Gloves and hat.", "Icy patches on the towpath.", "Dark already at 5."]
SUMMER_WORDS = ["Hot and humid.", "Out at 6 to beat the heat.", "Thunderstorm on the way home."]
LONG_WORDS = [
    "Long run, steady.",
    "Long run with the Saturday group.",
    "Gel at 6 and 10 miles.",
    "Last 3 miles at goal pace.",
    "Bonked a little at the end - eat breakfast next time!",
    "Negative split.",
]
RIDE_ROUTES = [
    "Lake loop via Millbrook and the dam road",
    "Rail trail to Fairview and back",
    "Hills west of town: Ridge Rd, Quarry Rd",
    "Commute to work and back",
    "Club ride from the bike shop",
]
RIDE_WORDS = [
    "Tailwind out, headwind home, of course.",
    "Group ride, 24 riders.",
    "Flat on Quarry Rd, 10 minutes to fix.",
    "Beautiful evening.",
    "Legs empty on the climbs.",
    "",
    "Coffee at the caf\u00e9 in Fairview.",
]
SWIM_WORDS = [
    "Drills: catch-up, fingertip drag.",
    "Main set 10 x 100 on 2:00.",
    "Crowded lanes.",
    "Pull buoy set, shoulders tired.",
    "",
    "Kick sets. Ugh.",
    "Worked on bilateral breathing.",
]
LIFT_ROUTES = [
    "Circuit: squats, deadlifts, rows, push-ups, planks",
    "Core and hips: bridges, clamshells, side planks",
    "Upper body: bench, pull-ups, shoulder press",
]
LIFT_WORDS = ["", "", "Added 10 lb to the squat.", "Short session, busy day.", "Physio exercises for the calf."]


def seasonal(rng, words, month):
    """A comment from words, or now and then one that fits the season."""
    if rng.random() < 0.25:
        if month in (1, 2, 3, 11, 12):
            return rng.choice(WINTER_WORDS)
        if month in (6, 7, 8):
            return rng.choice(SUMMER_WORDS)
    return rng.choice(words)


def build(rng):
    log = Log(rng)
    weight = 162.4
    shoe_index = 0
    start = datetime.date(YEAR, 1, 1)
    day = start
    sick = {datetime.date(YEAR, 2, d) for d in range(9, 14)}
    vacation = {datetime.date(YEAR, 8, d) for d in range(10, 17)}
    races = {
        datetime.date(YEAR, 1, 1): ("5K", 3.107, 7 * 60 + 35, "Resolution Run 5K", "New year, new log. Frosty start."),
        datetime.date(YEAR, 3, 15): ("5K", 3.107, 7 * 60 + 12, "St. Patrick's Day 5K", "PR 4th in age group!"),
        datetime.date(YEAR, 4, 19): ("10K", 6.214, 7 * 60 + 25, "Riverfront 10K", "Even splits."),
        datetime.date(YEAR, 5, 17): ("13.1", 13.1, 7 * 60 + 48, "Spring Half Marathon", "PR Goal was sub-1:43."),
        datetime.date(YEAR, 10, 18): ("26.2", 26.2, 8 * 60 + 21, "Harbor City Marathon",
                                      "First marathon! Walked two water stops after mile 22. Never again. Maybe."),
        datetime.date(YEAR, 11, 26): ("5K", 3.107, 7 * 60 + 20, "Turkey Trot 5K", "In a turkey hat."),
    }
    while day.year == YEAR:
        month = day.month
        weekday = day.weekday()  # Monday 0
        skip = rng.random() < 0.12
        if day in sick:
            day += datetime.timedelta(days=1)
            continue
        if day in vacation:
            if weekday in (1, 4):
                log.run(day, "T", rng.choice([3, 4, 5]), rng.randint(560, 600), "Beach road, Cape Allen",
                        "Vacation run, sea breeze.")
            day += datetime.timedelta(days=1)
            continue
        weight += rng.uniform(-0.25, 0.2) if month < 11 else rng.uniform(-0.1, 0.3)
        shoe = SHOES[shoe_index % len(SHOES)]
        if rng.random() < 0.03:
            shoe_index += 1

        summer = month in (6, 7, 8)
        marathon_build = month in (8, 9, 10) and day < datetime.date(YEAR, 10, 18)
        half_build = month in (3, 4, 5) and day < datetime.date(YEAR, 5, 17)

        if day in races:
            shown, miles, pace_s, name, words = races[day]
            suffix = "K" if shown.endswith("K") else "M"
            typed = shown[:-1] if suffix == "K" else shown
            log.run(day, "R", miles, pace_s, name, keyword_comment(rng, words, hr=rng.randint(168, 176), shoe=shoe),
                    suffix=suffix, shown=typed)
        elif month == 7 and day.day == 12:
            log.ride(day, "R", 100.0, 27.6, "Gran Fondo of the Hills, 100 km route",
                     keyword_comment(rng, "Gran fondo with the club. Cramped at 85 km.", hr=151, elev=4210))
        elif skip:
            pass
        elif day == max(sick) + datetime.timedelta(days=2):
            log.run(day, "T", 3, 640, "River loop", "First run after the flu. Slow, but out the door.")
        elif weekday == 0:  # Monday: swim, or rest in summer
            if not summer:
                meters = rng.choice([1500, 1800, 2000, 2000, 2200])
                log.swim(day, meters, rng.randint(118, 128), "Masters pool, 25 m lanes", rng.choice(SWIM_WORDS))
            elif rng.random() < 0.5:
                meters = rng.choice([1000, 1200, 1500])
                log.swim(day, meters, rng.randint(125, 140), "Lake swim, Sandy Point to the buoys",
                         "Open water, wetsuit.")
        elif weekday == 1:  # Tuesday: intervals
            if half_build or marathon_build or (summer and rng.random() < 0.5):
                if rng.random() < 0.5:
                    reps = rng.choice([5, 6, 6, 8])
                    route = f"Track: {reps} x 800 m at 5K pace, 400 m jog"
                    miles = round(1.5 + reps * 0.75, 1)
                else:
                    reps = rng.choice([6, 8])
                    route = f"Oak Street hill, {reps} x 90 s up, jog down"
                    miles = round(2.5 + reps * 0.35, 1)
                log.run(day, "I", miles, rng.randint(505, 540), route,
                        keyword_comment(rng, rng.choice(["", "Last rep fastest.", "Windy on the back straight."]),
                                        hr=rng.randint(150, 162)))
            else:
                log.run(day, "T", rng.choice([4, 4.5, 5]), rng.randint(550, 585), rng.choice(EASY_ROUTES),
                        keyword_comment(rng, seasonal(rng, EASY_WORDS, month), hr=rng.randint(138, 148)))
        elif weekday == 2:  # Wednesday: ride in summer, swim otherwise
            if summer or month in (5, 9):
                log.ride(day, "T", rng.uniform(28, 45), rng.uniform(24.0, 29.0), rng.choice(RIDE_ROUTES),
                         keyword_comment(rng, rng.choice(RIDE_WORDS), elev=rng.randint(300, 1400)))
            else:
                meters = rng.choice([1500, 2000, 2000, 2500])
                log.swim(day, meters, rng.randint(116, 126), "Masters pool, 25 m lanes", rng.choice(SWIM_WORDS))
        elif weekday == 3:  # Thursday: tempo in a build, easy otherwise
            if half_build or marathon_build:
                miles = rng.choice([5, 6, 6.5, 7])
                log.run(day, "T", miles, rng.randint(470, 490), "Greenway out and back",
                        keyword_comment(rng, f"Tempo, {int(miles) - 2} miles at threshold.", hr=rng.randint(155, 163)))
            else:
                log.run(day, "T", rng.choice([4, 5, 5.2]), rng.randint(550, 590), rng.choice(EASY_ROUTES),
                        keyword_comment(rng, seasonal(rng, EASY_WORDS, month), hr=rng.randint(136, 147)))
        elif weekday == 4:  # Friday: strength
            log.lift(day, rng.choice([30, 40, 45, 45, 50]), rng.choice(LIFT_ROUTES), rng.choice(LIFT_WORDS))
        elif weekday == 5:  # Saturday: the long one
            if summer and not marathon_build:
                log.ride(day, "T", rng.uniform(60, 95), rng.uniform(25.0, 29.0), rng.choice(RIDE_ROUTES[:3]),
                         keyword_comment(rng, rng.choice(RIDE_WORDS), hr=rng.randint(132, 145),
                                         elev=rng.randint(900, 3600)))
            else:
                weeks_in = (day - start).days // 7
                if marathon_build:
                    miles = min(20, 12 + (day - datetime.date(YEAR, 8, 1)).days // 7)
                elif half_build:
                    miles = min(12, 8 + (day - datetime.date(YEAR, 3, 1)).days // 10)
                else:
                    miles = 7 + weeks_in % 3
                log.run(day, "T", miles, rng.randint(555, 590), "Long route: river, greenway, Cedar Hill",
                        keyword_comment(rng, seasonal(rng, LONG_WORDS, month), hr=rng.randint(140, 150), shoe=shoe))
        elif weekday == 6:  # Sunday: recovery run, weigh-in
            if rng.random() < 0.15:
                # A treadmill run typed as time and pace: the distance is the program's.
                minutes = rng.choice([30, 35, 40])
                pace_s = rng.choice([570, 580, 590])
                pace = time_text(pace_s)
                miles = minutes * 60 / pace_s
                log.add(day, "T", "R", f"~{miles:0.1f}M", time_text(minutes * 60), pace, "Treadmill at the gym",
                        keyword_comment(rng, "Too icy outside." if month in (1, 2, 12) else "Rain, gym instead.",
                                        weight=weight))
            else:
                log.run(day, "T", rng.choice([3, 4, 4, 5]), rng.randint(570, 610), rng.choice(EASY_ROUTES),
                        keyword_comment(rng, seasonal(rng, EASY_WORDS, month), weight=weight))
        # A second workout some days: core work after a run.
        if weekday in (1, 3) and rng.random() < 0.1 and not skip and day not in races:
            log.lift(day, 20, "Core and hips: bridges, clamshells, side planks", "")
        day += datetime.timedelta(days=1)
    return log


def write(path):
    rng = random.Random(SEED)
    log = build(rng)
    lines = [f"Sports List: {len(SPORTS)}"]
    lines += [f"{name}\t{letter}{suffix}{pace}" for name, letter, suffix, pace in SPORTS]
    lines.append("Preferences: " + "  ".join(str(v) for v in PREFERENCES))
    lines.append(f"Routes: {len(ROUTES)}")
    lines += ["".join(field + "\t" for field in route) for route in ROUTES]
    lines.append(f"Keywords: {len(KEYWORDS)}")
    lines += [f"{kind}\t{abbreviation}\t{label}" for kind, abbreviation, label in KEYWORDS]
    for _, fields in log.entries:
        assert all("\t" not in f and "\r" not in f and "\n" not in f for f in fields)
        lines.append("\t".join(fields))
    data = "".join(line + "\r\n" for line in lines).encode("latin-1")
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)
    return len(log.entries)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "examples",
                                                              "Sample.dat")
    count = write(path)
    print(f"{os.path.normpath(path)}: {count} entries")


if __name__ == "__main__":
    main()
