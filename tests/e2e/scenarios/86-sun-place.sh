#!/usr/bin/env bash
# Scenarios: the place the sun is worked out for when none is stored, from
# the system's time zone. Sourced by run.sh.

zones_all_placed() {
  local last; last=$(probe zones | tail -n 1)
  [[ $last =~ ^zones\ ([0-9]+)\ missing\ 0\ off\ 0$ ]] && [ "${BASH_REMATCH[1]}" -ge 100 ] ||
    { probe zones | grep -v '^zones ' | head -n 5 | sed 's/^/    /'; echo "    $last"; return 1; }
}
check "every zone of the system's list has a place, near its meridian" zones_all_placed

# Beijing's sunrise and sunset, as published (whattime.city, the 1st of each
# month; vercalendario.info, 1 and 15 July 2026), in minutes after midnight,
# China Standard Time. The arithmetic below is checked against them first,
# then tells where Beijing's sun stands now.
BEIJING_PUBLISHED="01-01 457 1020
02-01 444 1053
03-01 410 1086
04-01 360 1118
05-01 316 1148
06-01 289 1177
07-01 289 1187
07-15 298 1182
08-01 313 1170
09-01 343 1129
10-01 371 1079
11-01 403 1034
12-01 437 1011"

# What the program must show in Beijing now, with the sun's times moved by
# up to 2 minutes either way: "published ok" when the arithmetic agrees with
# every published day within 2 minutes, then one "hidden" or "shown ALPHA"
# line for each moment tried.
beijing_now() {
  python3 - "$BEIJING_PUBLISHED" "$(date +%s)" <<'PY'
import math, sys, time
LAT, LON, ZONE = 39.90, 116.41, 8 * 60

def sun_utc(year, yday, rise):
    """Minutes after 00:00 UTC of that day (NOAA's low-precision formulas)."""
    g = 2 * math.pi / 365 * (yday - 1 + 0.5)
    eqt = 229.18 * (0.000075 + 0.001868 * math.cos(g) - 0.032077 * math.sin(g)
                    - 0.014615 * math.cos(2 * g) - 0.040849 * math.sin(2 * g))
    d = (0.006918 - 0.399912 * math.cos(g) + 0.070257 * math.sin(g) - 0.006758 * math.cos(2 * g)
         + 0.000907 * math.sin(2 * g) - 0.002697 * math.cos(3 * g) + 0.00148 * math.sin(3 * g))
    lat = math.radians(LAT)
    ha = math.degrees(math.acos(math.cos(math.radians(90.833)) / (math.cos(lat) * math.cos(d))
                                - math.tan(lat) * math.tan(d)))
    return 720 - 4 * (LON + (ha if rise else -ha)) - eqt

published, now = sys.argv[1], int(sys.argv[2])
worst = 0
for line in published.splitlines():
    md, rise, set_ = line.split()
    yday = time.strptime(f"2026-{md}", "%Y-%m-%d").tm_yday
    worst = max(worst, abs(sun_utc(2026, yday, True) + ZONE - int(rise)),
                abs(sun_utc(2026, yday, False) + ZONE - int(set_)))
print("published ok" if worst <= 2 else f"published off by {worst:.1f} minutes")

# The changes of the days around now, in seconds since 1970, and the level
# the program fades to: 20 minutes from night-fall up, after sunrise down.
day = now // 86400
changes = []
for d in (day - 1, day, day + 1):
    t = time.gmtime(d * 86400)
    for rise in (True, False):
        changes.append((d * 86400 + sun_utc(t.tm_year, t.tm_yday, rise) * 60, not rise))
changes.sort()
for shift in range(-120, 121, 10):
    last = [c for c in changes if c[0] + shift <= now][-1]
    since = min(now - last[0] - shift, 1200)
    progress = since if last[1] else 1200 - since
    print(f"shown {int(150 * progress // 1200)}" if progress > 0 else "hidden")
PY
}
# The overlay's state as those lines say it: "hidden", or "shown ALPHA".
overlay_state() {
  if overlay_visible; then echo "shown $(alpha_now)"; else echo hidden; fi
}
as_in_beijing() {
  local expected state; expected=$(beijing_now)
  state=$(overlay_state)
  grep -qx "published ok" <<<"$expected" || { echo "    $(head -n 1 <<<"$expected")"; return 1; }
  grep -qx "$state" <<<"$expected" ||
    { echo "    the overlay is $state; in Beijing now: $(tail -n +2 <<<"$expected" | sort -u | tr '\n' ' ')"; return 1; }
}

# Wine finds the Windows zone from the host's TZ when its server starts.
saved_tz=${TZ-}
stop_all
dv_stop_prefix
export TZ=Asia/Shanghai
fresh "the sun by the time zone alone: China Standard Time is Beijing"
probe reg-set Schedule sz sun >/dev/null
start_duskveil
check "after the countdown the overlay is loaded" counted_down
check "the tint is as Beijing's sun has it now" eventually 3 as_in_beijing
stop_all
dv_stop_prefix
if [ -n "$saved_tz" ]; then export TZ=$saved_tz; else unset TZ; fi
