#!/usr/bin/env python3
"""The program's folders stand in layers, each including only its own and
those below it, and no header includes itself round a circle. Prints one
line for each include that runs up, and each circle; exits 1 on any."""
import re
import subprocess
import sys

# Bottom first. The Windows backend sees only the platform's interface; the
# entry point, which builds the program, sees everything.
LAYERS = ['platform', 'resources', 'settings', 'overlay', 'forms', 'startup', 'app']


def layer(path):
    top = path.split('/', 1)[0]
    return LAYERS.index(top) if top in LAYERS else None


def main():
    files = subprocess.run(['git', 'ls-files', '*.cpp', '*.h'], capture_output=True, text=True,
                           check=True).stdout.split()
    includes = {}
    faults = []
    for f in files:
        here = layer(f)
        if here is None:
            continue
        text = open(f, encoding='utf-8').read()
        includes[f] = re.findall(r'^#include "([^"]+)"', text, re.M)
        for target in includes[f]:
            there = layer(target)
            if there is not None and there > here:
                faults.append(f'up: {f} includes {target}')
            if target.startswith('platform/win32/') and not f.startswith(('platform/win32/', 'app/')):
                faults.append(f'backend: {f} includes {target}')
    # Circles, by a depth-first walk over the includes.
    state = {}

    def walk(f, trail):
        state[f] = 'open'
        for target in includes.get(f, []):
            if state.get(target) == 'open':
                faults.append('circle: ' + ' -> '.join(trail[trail.index(target):] + [target]))
            elif target in includes and target not in state:
                walk(target, trail + [target])
        state[f] = 'done'

    for f in includes:
        if f not in state:
            walk(f, [f])
    for line in faults:
        print(line)
    print(f'layers: {len(includes)} files, {len(faults)} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
