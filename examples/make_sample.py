#!/usr/bin/env python3
"""Writes the sample Stew Perry log and the score and report expected of it.

  sample.adi         one contest night of a station in FN42, in ADIF (ADI)
  sample-score.txt   what `sptdc-host score sample.adi` prints (LF line ends)
  sample-report.txt  the rejection report the plug-in writes (CR LF)

The expected files are computed here, from the scoring rules, without the
plug-in: distance by the spherical law of cosines between locator square
centres on a sphere of 6378.16 km, rounded to whole km, points
floor(km / 500) + 1; dupes by call, band and mode; rates over the last 60
and 10 minutes before the last stored QSO. The log is the same on every run
(fixed seed); run it from anywhere: python3 examples/make_sample.py
"""

import math
import os
import random

OWN_CALL = "K1ZZT"
OWN_GRID6 = "FN42hn"
OWN_GRID = OWN_GRID6[:4]
RUN_DATE = (2024, 12, 28)

# Real grid squares by call-sign prefix: the US call areas, Canada, Europe.
NORTH_AMERICA = [
    ("W1", ["FN42", "FN31", "FN43", "FN44", "FN41", "FN32"]),
    ("K2", ["FN20", "FN30", "FN21", "FN12", "FN13"]),
    ("N3", ["FM29", "FN10", "FN00", "FM19"]),
    ("W4", ["EM73", "FM05", "EL96", "EM66", "FM17", "EL87", "EM85"]),
    ("K5", ["EM12", "EM35", "EM40", "EM13", "DM65"]),
    ("W6", ["CM87", "DM04", "DM13", "CM97", "DM12"]),
    ("K7", ["DN31", "CN87", "DM42", "CN85", "DN40"]),
    ("W8", ["EN80", "EN91", "EM79", "EN82", "EM89"]),
    ("K9", ["EN52", "EN61", "EM69", "EN53", "EN50"]),
    ("W0", ["EN34", "EM48", "DM79", "EN10", "EM29", "EN35"]),
    ("VE3", ["FN03", "EN82", "FN14", "EN58"]),
    ("VE2", ["FN35", "FN46", "FN36"]),
    ("VE1", ["FN74", "FN85", "FN65"]),
    ("VE7", ["CN89", "CO70"]),
    ("VE6", ["DO21", "DO33"]),
    ("VE4", ["EN19"]),
    ("VO1", ["GN37"]),
]
EUROPE = [
    ("G", ["IO91", "IO92", "IO83", "IO81", "IO93", "JO01"]),
    ("GM", ["IO75", "IO77", "IO85"]),
    ("EI", ["IO63", "IO52", "IO51"]),
    ("F", ["JN18", "IN88", "JN03", "JN25", "IN94"]),
    ("ON", ["JO20", "JO21", "JO10"]),
    ("PA", ["JO22", "JO21", "JO32", "JO33"]),
    ("DL", ["JO31", "JO62", "JN48", "JN58", "JO50", "JO43", "JO40"]),
    ("OK", ["JN79", "JO70", "JN89"]),
    ("HA", ["JN97", "KN07"]),
    ("SP", ["JO91", "KO02", "JO82"]),
    ("OH", ["KP20", "KP11", "KP32"]),
    ("SM", ["JO89", "JP80", "JO77"]),
    ("LA", ["JO59", "JP53"]),
    ("OZ", ["JO55", "JO65"]),
    ("S5", ["JN76"]),
    ("9A", ["JN75", "JN95"]),
    ("I", ["JN45", "JN61", "JM78"]),
    ("EA", ["IN80", "IM98", "JN11"]),
    ("CT", ["IM58", "IN51"]),
    ("LY", ["KO24"]),
    ("ES", ["KO29"]),
]

LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


def ole_date(year, month, day, second_of_day):
    """The plug-in's date-time value: days since 30 Dec 1899, time as fraction."""
    import datetime
    days = (datetime.date(year, month, day) - datetime.date(1899, 12, 30)).days
    return days + second_of_day / 86400.0


def locator_centre(text):
    """Longitude and latitude of a 4- or 6-character locator's centre, or None."""
    t = text + "MM" if len(text) == 4 else text
    offset = len(text) != 4
    t = t.upper()
    if len(t) != 6:
        return None
    flon, flat = ord(t[0]) - 65, ord(t[1]) - 65
    dlon, dlat = ord(t[2]) - 48, ord(t[3]) - 48
    slon, slat = ord(t[4]) - 65, ord(t[5]) - 65
    if not (0 <= flon <= 17 and 0 <= flat <= 17 and 0 <= slon <= 23 and 0 <= slat <= 23):
        return None
    a = (10 * flon + dlon) + slon / 24.0
    b = (10 * flat + dlat) + slat / 24.0
    if offset:
        a += 1 / 48
        b += 1 / 48
    return (a + a) - 180.0, b - 90.0


def distance_km(a, b):
    pa, pb = locator_centre(a), locator_centre(b)
    if pa is None or pb is None:
        return -1.0
    rad = lambda deg: (deg * 3.141592653589793) / 180.0
    phi1, phi2 = rad(pa[1]), rad(pb[1])
    delta = rad(pa[0] - pb[0])
    c = (math.cos(phi1) * math.cos(phi2)) * math.cos(delta)
    s = math.sin(phi1) * math.sin(phi2)
    return float(math.floor(math.acos(s + c) * 6378.16 + 0.5))


def points(km):
    return 1 if km < 500.0 else int(km / 500.0 + 1.0)


def valid_locator(text):
    """A 2-, 4- or 6-character locator that the QSO acceptance takes."""
    t = text.upper()
    if len(t) not in (2, 4, 6):
        return False
    ok = "A" <= t[0] <= "R" and "A" <= t[1] <= "R"
    if len(t) >= 4:
        ok = ok and t[2].isdigit() and t[3].isdigit()
    if len(t) == 6:
        ok = ok and "A" <= t[4] <= "X" and "A" <= t[5] <= "X"
    return ok


def make_log(rng):
    """The QSOs of the night, in log order, as dicts of ADIF fields."""
    used = {OWN_CALL}

    def new_call(prefix):
        while True:
            digit = prefix[-1] if prefix[-1].isdigit() else str(rng.randrange(10))
            head = prefix if prefix[-1].isdigit() else prefix + digit
            call = head + "".join(rng.choice(LETTERS) for _ in range(rng.choice((2, 3, 3))))
            if call not in used:
                used.add(call)
                return call

    qsos = []
    second = 21 * 3600 + 30 * 60 + 12  # 21:30:12 UTC on the run date
    while second < (24 + 11) * 3600 + 45 * 60:
        hour = (second // 3600) % 24
        europe_open = 23 <= (second // 3600) <= 24 + 7
        table = EUROPE if europe_open and rng.random() < 0.45 else NORTH_AMERICA
        prefix, grids = rng.choice(table)
        grid = rng.choice(grids)
        qsos.append({"call": new_call(prefix), "grid": grid, "second": second,
                     "khz": rng.randrange(1815, 1845) + rng.randrange(20) * 0.05})
        # Busy at dusk and before dawn, slow in the small hours.
        gap = rng.randrange(60, 200) if hour in (21, 22, 23, 10, 11) else rng.randrange(90, 330)
        second += gap
    # A few stations worked twice: the second contact is a dupe.
    for index, earlier in ((60, 12), (131, 88), (202, 150), (240, 7)):
        qsos[index]["call"] = qsos[earlier]["call"]
        qsos[index]["grid"] = qsos[earlier]["grid"]
    # Exchanges copied wrong: not locators.
    qsos[45]["grid"] = "FN4"
    qsos[117]["grid"] = "EM7Z"
    qsos[188]["grid"] = "SS42"
    # One QSO on 80 m and one in SSB: neither counts.
    qsos[99]["khz"], qsos[99]["band"] = 3525.4, "80m"
    qsos[160]["khz"], qsos[160]["mode"] = 1843.0, "SSB"
    return qsos


def adif_field(name, value):
    return "<%s:%d>%s" % (name, len(value.encode("latin-1")), value)


def adif_record(q, rng):
    day_offset, second = divmod(q["second"], 86400)
    day = RUN_DATE[2] + day_offset
    typed_later = rng.random() < 0.06  # entered by hand after the contest
    fields = [
        ("CALL", q["call"]),
        ("QSO_DATE", "%04d%02d%02d" % (RUN_DATE[0], RUN_DATE[1], day)),
        ("TIME_ON", "%02d%02d" % (second // 3600, second // 60 % 60) if typed_later else
         "%02d%02d%02d" % (second // 3600, second // 60 % 60, second % 60)),
        ("FREQ", "%.6f" % (q["khz"] / 1000.0)),
        ("MODE", q.get("mode", "CW")),
        ("RST_SENT", "599" if q.get("mode", "CW") == "CW" else "59"),
        ("RST_RCVD", rng.choice(("599", "599", "579", "559")) if q.get("mode", "CW") == "CW" else "57"),
        ("STX_STRING", OWN_GRID),
    ]
    if "band" in q or rng.random() < 0.92:  # some positions leave BAND to the frequency
        fields.insert(3, ("BAND", q.get("band", "160m")))
    if typed_later and valid_locator(q["grid"]):
        fields.append(("GRIDSQUARE", q["grid"] + rng.choice(LETTERS[:24]).lower() +
                       rng.choice(LETTERS[:24]).lower()))
    else:
        fields.append(("SRX_STRING", q["grid"]))
        if valid_locator(q["grid"]):
            fields.append(("GRIDSQUARE", q["grid"]))
    fields += [("MY_GRIDSQUARE", OWN_GRID6), ("STATION_CALLSIGN", OWN_CALL), ("OPERATOR", OWN_CALL)]
    if rng.random() < 0.03:
        fields.append(("COMMENT", "weak <S1, QSB"))
    q["time"] = "%04d-%02d-%02d %02d%02d" % (RUN_DATE[0], RUN_DATE[1], day, second // 3600,
                                              second // 60 % 60)
    q["when"] = ole_date(RUN_DATE[0], RUN_DATE[1], day, second - second % 60 if typed_later else second)
    q["fields"] = dict(fields)
    return " ".join(adif_field(n, v) for n, v in fields) + " <EOR>\n"


def expected(qsos):
    """Score text and rejection report, as the rules give them."""
    report = ["Stew Perry Topband Distance Challenge TEST UBN file "]
    stored = []
    seen_bands = []
    for q in qsos:
        f = q["fields"]
        band = f.get("BAND", "160m")
        if band not in seen_bands:
            seen_bands.append(band)
        received = f.get("SRX_STRING", f.get("GRIDSQUARE", "")[:4])
        megahertz, fraction = f["FREQ"].split(".")
        khz = (int(megahertz) * 1000000 + int((fraction + "000000")[:6])) // 1000
        line = "QSO:  %d  %s  %s  %s  %s  %s  %s  %s  %s" % (
            khz, f["MODE"], q["time"], OWN_CALL, f["RST_SENT"],
            f["STX_STRING"], f["CALL"], f["RST_RCVD"], received)
        if not valid_locator(received):
            report.append(line + "   INCORRECT RECIEVED LOCATOR !!!")
        elif band.lower() != "160m":
            report.append(line + "   NO CONTEST BAND !!!")
        elif f["MODE"].upper() != "CW":
            report.append(line + "   NO CONTEST MODE !!!")
        else:
            repeats = [s for s in stored if (s["call"], s["band"], s["mode"]) ==
                       (f["CALL"], band, f["MODE"])]
            report += [line + "   DUPE !!!"] * len(repeats)
            stored.append({"call": f["CALL"], "band": band, "mode": f["MODE"], "dupe": bool(repeats),
                           "points": points(distance_km(f["STX_STRING"], received)),
                           "when": q["when"]})
    reference = stored[-1]["when"]
    counted = [s for s in stored if not s["dupe"]]
    rate = {60: [0, 0], 10: [0, 0]}
    for s in counted:
        d = reference - s["when"]
        minutes = int((d + (0.5 / 86400 if d >= 0 else -0.5 / 86400)) * 1440.0)
        for window in rate:
            if minutes < window:
                rate[window][0] += 1
                rate[window][1] += s["points"]
    total = sum(s["points"] for s in counted)
    score = ("SPTDC TEST Contest %02d.%02d.%04d\n\tContestant: %s \nBand\tQSOs\tPoints\n"
             % (RUN_DATE[2], RUN_DATE[1], RUN_DATE[0], OWN_CALL))
    # Rows by band, the longest wavelength first: names compared zero-padded
    # to 20 characters, in descending order.
    for band in sorted(seen_bands, key=lambda b: b.rjust(20, "0"), reverse=True):
        in_band = [s for s in counted if s["band"] == band]
        score += "%s\t %i\t  %i\n" % (band, len(in_band), sum(s["points"] for s in in_band))
    score += "Total\t %i\t  %i\n" % (len(counted), total)
    score += ("\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\nHourly (10min) pts rate: %5i (%i) "
              "points/hour\n\nLast QSO: %i points\n" % (rate[60][0], rate[10][0] * 6, rate[60][1],
                                                        rate[10][1] * 6, stored[-1]["points"]))
    return score, "".join(line + "\r\n" for line in report), len(stored)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    rng = random.Random(20241228)
    qsos = make_log(rng)
    header = ("Stew Perry Topband Distance Challenge, 28-29 December 2024, %s in %s\n"
              "%s\n%s\n%s\n<EOH>\n" % (OWN_CALL, OWN_GRID6, adif_field("ADIF_VER", "3.1.4"),
                                      adif_field("PROGRAMID", "make_sample.py"),
                                      adif_field("CREATED_TIMESTAMP", "20241229 160000")))
    log = header + "".join(adif_record(q, rng) for q in qsos)
    score, report, stored = expected(qsos)
    with open(os.path.join(here, "sample.adi"), "w", newline="\n", encoding="latin-1") as out:
        out.write(log)
    with open(os.path.join(here, "sample-score.txt"), "w", newline="\n") as out:
        out.write(score)
    with open(os.path.join(here, "sample-report.txt"), "w", newline="") as out:
        out.write(report)
    print("%d QSOs, %d stored, %d rejected" % (len(qsos), stored, len(qsos) - stored))


if __name__ == "__main__":
    main()
