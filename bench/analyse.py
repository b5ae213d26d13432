#!/usr/bin/env python3
"""Turns the benchmark's raw lines into the table and the JSON file."""
import json
import os
import statistics
import sys


def pct(values, p):
    if not values:
        return None
    values = sorted(values)
    k = min(len(values) - 1, max(0, int(round(p / 100 * (len(values) - 1)))))
    return values[k]


def fields(line):
    return dict(kv.split('=', 1) for kv in line.split()[1:] if '=' in kv)


def slider(marks_path):
    """A slider run's marks: each move's time to its alpha, the overlay's
    repaints meanwhile, and each colour confirmed to the repaint it made."""
    marks = [l.split() for l in open(marks_path).read().splitlines() if l.strip()]
    slide_end = next((i for i, m in enumerate(marks) if m[0] == 'slide-done'), len(marks))
    move_alpha, alphas = [], []
    pending = None
    for m in marks[:slide_end]:
        if m[0] == 'move':
            pending = int(m[1])
        elif m[0] == 'alpha' and pending is not None:
            # An alpha long after a move is not its answer (the overlay's own
            # load sets one too).
            if int(m[1]) - pending < 100_000:
                move_alpha.append((int(m[1]) - pending) / 1000)
                alphas.append(int(m[1]))
            pending = None
    # Repaints of the overlay between the first and the last alpha change
    # that a slider move made.
    repaints_on_slide = sum(1 for m in marks[:slide_end] if m[0] == 'overlay-painted'
                            and alphas and alphas[0] <= int(m[1]) <= alphas[-1])
    confirm_paint, pending = [], None
    for m in marks[slide_end + 1:]:
        if m[0] == 'confirm':
            pending = int(m[1])
        elif m[0] == 'overlay-painted' and pending is not None:
            confirm_paint.append((int(m[1]) - pending) / 1000)
            pending = None
    return move_alpha, repaints_on_slide, confirm_paint


def main(raw_path, marks_path, json_path):
    raw = open(raw_path).read().splitlines()
    r = {}
    for line in raw:
        if line.startswith('size_'):
            name, value = line.split()
            r[name] = int(value)
    launches = [fields(l) for l in raw if l.startswith('launch ')]
    splash = [float(f['splash_ms']) for f in launches if float(f['splash_ms']) >= 0]
    overlay = [float(f['overlay_ms']) for f in launches if float(f['overlay_ms']) >= 0]
    r['start_to_splash_ms_median'] = statistics.median(splash) if splash else None
    r['start_to_overlay_ms_median'] = statistics.median(overlay) if overlay else None
    ref = [float(fields(l)['first_ms']) for l in raw if l.startswith('launch-reference ')]
    r['reference_start_to_window_ms_median'] = statistics.median([v for v in ref if v >= 0]) if ref else None
    r['start_ratio'] = (r['start_to_splash_ms_median'] / r['reference_start_to_window_ms_median']
                        if r['start_to_splash_ms_median'] and r['reference_start_to_window_ms_median']
                        else None)
    r['splash_to_overlay_ms_median'] = (statistics.median([o - s for s, o in zip(splash, overlay)])
                                        if splash and overlay else None)
    for name in ('duskveil', 'reference', 'duskveil_paused', 'duskveil_2mon', 'reference_2mon',
                 'duskveil_2mon_own', 'duskveil_aside', 'duskveil_backlight'):
        line = next((l for l in raw if l.startswith(f'idle_{name} ')), None)
        if not line:
            continue
        f = fields(line)
        hz, secs = int(f['hz']), int(f['seconds'])
        r[f'{name}_cpu_percent'] = round(100 * int(f['cpu_ticks']) / hz / secs, 3)
        r[f'{name}_server_cpu_percent'] = round(100 * int(f['server_ticks']) / hz / secs, 3)
        r[f'{name}_peak_rss_kb'] = int(f.get('VmHWM', 0))
        r[f'{name}_private_rss_kb'] = int(f.get('RssAnon', 0))
    # Each run against its reference: idle CPU (the program and the wine
    # server beside it) and private memory.
    def ratios(name, ref, suffix, memory=True):
        if f'{ref}_cpu_percent' not in r or f'{name}_cpu_percent' not in r:
            return
        own_cpu = r[f'{name}_cpu_percent'] + r[f'{name}_server_cpu_percent']
        ref_cpu = r[f'{ref}_cpu_percent'] + r[f'{ref}_server_cpu_percent']
        r[f'idle_cpu_ratio{suffix}'] = round(own_cpu / ref_cpu, 2) if ref_cpu else None
        if memory:
            r[f'private_memory_ratio{suffix}'] = round(
                r[f'{name}_private_rss_kb'] / r[f'{ref}_private_rss_kb'], 2)
    ratios('duskveil', 'reference', '')
    ratios('duskveil_paused', 'reference', '_paused', memory=False)
    ratios('duskveil_2mon', 'reference_2mon', '_2mon')
    ratios('duskveil_2mon_own', 'reference_2mon', '_2mon_own')
    ratios('duskveil_aside', 'reference', '_aside', memory=False)
    ratios('duskveil_backlight', 'reference', '_backlight', memory=False)
    # The writes a dusk fade made to a monitor, and the level it ended at.
    fade = next((l.split() for l in raw if l.startswith('fade_writes ')), None)
    r['fade_writes'] = int(fade[1]) if fade else None
    r['fade_level'] = fade[2].split('=')[1] if fade else None
    # Rounds timed by the probe, one "NAME MS" line each (-1: it never came).
    for name in ('aside', 'command', 'alone', 'hotkey_label0', 'hotkey_label1',
                 'hotkey_label0_done', 'hotkey_label1_done'):
        every = [float(l.split()[1]) for l in raw if l.startswith(name + ' ')]
        came = [v for v in every if v >= 0]
        r[f'{name}_rounds'] = len(came)
        r[f'{name}_timeouts'] = len(every) - len(came)
        r[f'{name}_ms_p50'] = pct(came, 50)
        r[f'{name}_ms_p95'] = pct(came, 95)

    move_alpha, repaints_on_slide, confirm_paint = slider(marks_path)
    backlit = os.path.join(os.path.dirname(marks_path), 'marks-backlight.log')
    if os.path.exists(backlit):
        backlit_alpha, _, _ = slider(backlit)
        r['backlight_slider_moves'] = len(backlit_alpha)
        r['backlight_slider_to_alpha_ms_median'] = (statistics.median(backlit_alpha)
                                                    if backlit_alpha else None)
    r['slider_moves'] = len(move_alpha)
    r['slider_to_alpha_ms_median'] = statistics.median(move_alpha) if move_alpha else None
    r['slider_to_alpha_ms_p95'] = pct(move_alpha, 95)
    r['overlay_repaints_during_slider'] = repaints_on_slide
    r['colour_confirms'] = len(confirm_paint)
    r['colour_to_repaint_ms_median'] = statistics.median(confirm_paint) if confirm_paint else None
    ontop = [float(l.split()[1]) for l in raw if l.startswith('ontop ') and float(l.split()[1]) >= 0]
    r['ontop_rounds'] = len(ontop)
    r['ontop_ms_p50'] = pct(ontop, 50)
    r['ontop_ms_p95'] = pct(ontop, 95)
    r['ontop_ms_max'] = max(ontop) if ontop else None

    rows = [
        ('exe size, i686', r.get('size_win32'), 'bytes', '< 196608'),
        ('exe size, x64', r.get('size_win64'), 'bytes', '< 196608'),
        ('start to splash visible (median of 5)', r['start_to_splash_ms_median'], 'ms', ''),
        ('start to first window, reference (median of 5)', r['reference_start_to_window_ms_median'], 'ms', ''),
        ('start-up ratio, splash to reference window', r['start_ratio'], 'x', '<= 1.3'),
        ('start to overlay shown (median of 5)', r['start_to_overlay_ms_median'], 'ms', ''),
        ('splash to overlay (median of 5)', r['splash_to_overlay_ms_median'], 'ms', '5000 +- 100'),
        ('idle CPU, Duskveil (+ wine server)', f"{r.get('duskveil_cpu_percent')} (+{r.get('duskveil_server_cpu_percent')})", '%', ''),
        ('idle CPU, reference (+ wine server)', f"{r.get('reference_cpu_percent')} (+{r.get('reference_server_cpu_percent')})", '%', ''),
        ('idle CPU ratio', r.get('idle_cpu_ratio'), 'x', '<= 1.2'),
        ('paused: idle CPU, Duskveil (+ wine server)',
         f"{r.get('duskveil_paused_cpu_percent')} (+{r.get('duskveil_paused_server_cpu_percent')})", '%', ''),
        ('paused: idle CPU ratio', r.get('idle_cpu_ratio_paused'), 'x', '<= 0.5'),
        ('peak working set, Duskveil / reference', f"{r.get('duskveil_peak_rss_kb')} / {r.get('reference_peak_rss_kb')}", 'KB', ''),
        ('private memory, Duskveil / reference', f"{r.get('duskveil_private_rss_kb')} / {r.get('reference_private_rss_kb')}", 'KB', ''),
        ('private memory ratio', r.get('private_memory_ratio'), 'x', '<= 1.2'),
        ('two monitors, two layers: idle CPU ratio', r.get('idle_cpu_ratio_2mon'), 'x', '<= 1.3'),
        ('two monitors: private memory, Duskveil / reference',
         f"{r.get('duskveil_2mon_private_rss_kb')} / {r.get('reference_2mon_private_rss_kb')}", 'KB', ''),
        ('two monitors: private memory ratio', r.get('private_memory_ratio_2mon'), 'x', '<= 1.3'),
        ('two monitors, a level each: idle CPU ratio', r.get('idle_cpu_ratio_2mon_own'), 'x', '<= 1.3'),
        ('two monitors, a level each: private memory ratio', r.get('private_memory_ratio_2mon_own'), 'x', '<= 1.3'),
        ('both stepping-aside options on: idle CPU ratio', r.get('idle_cpu_ratio_aside'), 'x', '<= 1.2'),
        (f"listed program in front to layers hidden (p50, {r['aside_rounds']} rounds)", r['aside_ms_p50'], 'ms', ''),
        ('listed program in front to layers hidden (p95)', r['aside_ms_p95'], 'ms', '<= 150'),
        ('  ... rounds where they never hid (2 s)', r['aside_timeouts'], '', '0'),
        (f"command line's process start to the running copy's alpha (p50, {r['command_rounds']} rounds)", r['command_ms_p50'], 'ms', ''),
        ("command line's process start to the running copy's alpha (p95)", r['command_ms_p95'], 'ms', '< 300'),
        ('  ... rounds where it never changed (5 s)', r['command_timeouts'], '', '0'),
        (f"command line with none running: process start to its end (p50, {r['alone_rounds']} rounds)", r['alone_ms_p50'], 'ms', ''),
        ("command line with none running: process start to its end (p95)", r['alone_ms_p95'], 'ms', '< 1000'),
        ('  ... rounds where it ended after the copy it started showed night mode', r['alone_timeouts'], '', '0'),
        (f"hot key to alpha applied, the level not shown (p50, {r['hotkey_label0_rounds']} rounds)", r['hotkey_label0_ms_p50'], 'ms', ''),
        (f"  ... the level shown as it changes (p50, {r['hotkey_label1_rounds']} rounds)", r['hotkey_label1_ms_p50'], 'ms', 'no worse than without'),
        ('hot key handled to the end, the level not shown (p50)', r['hotkey_label0_done_ms_p50'], 'ms', ''),
        ('  ... the level shown (p50)', r['hotkey_label1_done_ms_p50'], 'ms', ''),
        ('  ... rounds where it never changed (5 s)', r['hotkey_label0_timeouts'] + r['hotkey_label1_timeouts'], '', '0'),
        (f"slider move to alpha applied (median, {r['slider_moves']} moves)", r['slider_to_alpha_ms_median'], 'ms', '< 1'),
        (f"  ... with a monitor's own brightness on, the monitor taking 200 ms a call (median, {r.get('backlight_slider_moves')} moves)",
         r.get('backlight_slider_to_alpha_ms_median'), 'ms', 'no worse than without'),
        ('monitor brightness on: idle CPU ratio', r.get('idle_cpu_ratio_backlight'), 'x', '<= 1.2'),
        (f"a dusk fade: writes to the monitor (it ends at {r.get('fade_level')})", r.get('fade_writes'), '', '<= 5'),
        ('slider move to alpha applied (p95)', r['slider_to_alpha_ms_p95'], 'ms', ''),
        ('overlay repaints during slider moves', r['overlay_repaints_during_slider'], '', '0'),
        (f"colour confirmed to overlay repainted (median, {r['colour_confirms']})", r['colour_to_repaint_ms_median'], 'ms', ''),
        (f"back on top after another top-most window (p50, {r['ontop_rounds']} rounds)", r['ontop_ms_p50'], 'ms', ''),
        ('back on top (p95)', r['ontop_ms_p95'], 'ms', '< 40'),
        ('back on top (max)', r['ontop_ms_max'], 'ms', ''),
    ]

    def fmt(v):
        if isinstance(v, float):
            return f'{v:.3f}' if v < 10 else f'{v:.1f}'
        return str(v)

    print('| figure | value | unit | target |')
    print('|---|---|---|---|')
    for name, value, unit, target in rows:
        print(f'| {name} | {fmt(value)} | {unit} | {target} |')
    with open(json_path, 'w') as f:
        json.dump(r, f, indent=2)
    print(f'\nwritten: {json_path}')


if __name__ == '__main__':
    main(*sys.argv[1:4])
