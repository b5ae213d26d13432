#!/usr/bin/python3
"""Reads the PE headers of the shipped exes and checks what a user relies on:
a GUI program for the oldest Windows it names, importing only system DLLs and
only functions that Windows has, small, with ASLR and DEP, no section both
writable and executable, no path of the build machine inside, and the version
record of the release. Usage: check_exe.py VERSION EXE..."""
import os
import sys

import pefile

SYSTEM_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'shell32.dll', 'comdlg32.dll',
               'advapi32.dll', 'msvcrt.dll'}
MAX_BYTES = 192 * 1024
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
failed = 0


def check(what, ok, detail=''):
    global failed
    print(f"  {'ok  ' if ok else 'FAIL'} {what}{'' if ok or not detail else ': ' + detail}")
    if not ok:
        failed += 1


def oldest_windows():
    """The oldest Windows the exes are built for, and every function it has
    that they may import, from tests/e2e/oldest-windows.txt."""
    version, known = None, set()
    for line in open(os.path.join(HERE, 'oldest-windows.txt'), encoding='utf-8'):
        line = line.split('#')[0].strip()
        if not line:
            continue
        if line.startswith('version '):
            major, minor = line.split()[1].split('.')
            version = (int(major), int(minor))
        else:
            dll, names = line.split(':')
            known |= {(dll.strip().lower(), n) for n in names.split()}
    return version, known


def version_strings(pe):
    out = {}
    for info in getattr(pe, 'FileInfo', []):
        for entry in info:
            for table in getattr(entry, 'StringTable', []):
                out['block'] = table.LangID.decode()
                out.update({k.decode(): v.decode() for k, v in table.entries.items()})
    return out


def main(release, paths):
    (major, minor), known = oldest_windows()
    parts = [int(p) for p in release.split('.')] + [0]
    for path in paths:
        print(f"{path}:")
        pe = pefile.PE(path)
        opt = pe.OPTIONAL_HEADER
        size = os.path.getsize(path)
        imports = [(e.dll.decode().lower(), (i.name or b'').decode())
                   for e in pe.DIRECTORY_ENTRY_IMPORT for i in e.imports]
        dlls = sorted({d for d, _ in imports})
        print(f"    size {size} bytes, imports {', '.join(dlls)}")
        check('a Windows GUI program', opt.Subsystem == 2)
        check('machine matches the build',
              pe.FILE_HEADER.Machine == (0x8664 if 'win64' in path else 0x14C))
        check(f'declares Windows {major}.{minor} as the oldest it runs on',
              (opt.MajorSubsystemVersion, opt.MinorSubsystemVersion) == (major, minor) and
              (opt.MajorOperatingSystemVersion, opt.MinorOperatingSystemVersion) == (major, minor))
        unknown = sorted(f'{d}!{n}' for d, n in imports if (d, n) not in known)
        check(f'imports only what Windows {major}.{minor} has', not unknown, ', '.join(unknown))
        check(f'at most {MAX_BYTES // 1024} KB', size <= MAX_BYTES, f'{size} bytes')
        check('imports only system DLLs', set(dlls) <= SYSTEM_DLLS,
              ', '.join(sorted(set(dlls) - SYSTEM_DLLS)))
        # A bare LoadLibraryW looks in the exe's folder first, where anything
        # may lie beside an unzipped exe: every load names the system folder.
        # (The i686 runtime's LoadLibraryA only holds a module already loaded.)
        check('loads DLLs from the system folder only',
              ('kernel32.dll', 'LoadLibraryW') not in imports)
        chars = opt.DllCharacteristics
        check('ASLR (dynamic base)', bool(chars & 0x40))
        check('  ... with the relocations it needs',
              any(s.Name.rstrip(b'\0') == b'.reloc' for s in pe.sections))
        check('DEP (NX compatible)', bool(chars & 0x100))
        if opt.Magic == 0x20B:
            check('high-entropy ASLR', bool(chars & 0x20))
        wx = [s.Name.rstrip(b'\0').decode() for s in pe.sections
              if s.Characteristics & 0x80000000 and s.Characteristics & 0x20000000]
        check('no section both writable and executable', not wx, ', '.join(wx))
        check('no link time stamp', pe.FILE_HEADER.TimeDateStamp == 0)
        data = open(path, 'rb').read()
        leaks = [m for m in (ROOT.encode(), b'/usr/lib/gcc', b'/usr/share/mingw', b'/build/')
                 if m in data]
        check('no path of the build machine inside', not leaks,
              ', '.join(x.decode() for x in leaks))
        strings = version_strings(pe)
        short = f'{parts[0]}.{parts[1]:02d}'
        check(f'version record: {short}, internal name, Chinese (PRC) Unicode block',
              strings.get('FileVersion') == short and strings.get('ProductVersion') == short and
              strings.get('InternalName') == f'DuskveilV{parts[0]}.{parts[1]}' and
              strings.get('block', '').lower() == '080404b0')
        fixed = pe.VS_FIXEDFILEINFO[0]
        check(f'file and product version {".".join(map(str, parts[:4]))}',
              (fixed.FileVersionMS, fixed.FileVersionLS) == ((parts[0] << 16) | parts[1],
                                                             (parts[2] << 16) | parts[3]) and
              (fixed.ProductVersionMS, fixed.ProductVersionLS) == (fixed.FileVersionMS,
                                                                   fixed.FileVersionLS))
        check('copyright: the Duskveil contributors, MIT licence',
              'the Duskveil contributors' in strings.get('LegalCopyright', '') and
              'MIT' in strings.get('LegalCopyright', ''))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2:]))
