#!/usr/bin/env python3
"""Reads the PE headers of the shipped exes and checks what a user relies on:
a GUI program, importing only system DLLs, small, with ASLR and DEP, no
section both writable and executable, no path of the build machine inside,
and the version record of the release."""
import os
import struct
import sys

SYSTEM_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'shell32.dll', 'comdlg32.dll',
               'advapi32.dll', 'msvcrt.dll'}
MAX_BYTES = 150 * 1024
failed = 0


def check(what, ok, detail=''):
    global failed
    print(f"  {'ok  ' if ok else 'FAIL'} {what}{'' if ok or not detail else ': ' + detail}")
    if not ok:
        failed += 1


def read_pe(path):
    data = open(path, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    assert data[pe:pe + 4] == b'PE\0\0'
    machine, nsect, _, _, _, optsize, _ = struct.unpack_from('<HHIIIHH', data, pe + 4)
    opt = pe + 24
    magic = struct.unpack_from('<H', data, opt)[0]
    pe32plus = magic == 0x20B
    subsystem, dllchar = struct.unpack_from('<HH', data, opt + 68)
    ndirs_off = opt + (108 if pe32plus else 92)
    dirs = ndirs_off + 4
    imp_rva, _ = struct.unpack_from('<II', data, dirs + 8)
    sects = []
    for i in range(nsect):
        s = opt + optsize + 40 * i
        name = data[s:s + 8].rstrip(b'\0').decode()
        vsize, va, rawsize, rawptr = struct.unpack_from('<IIII', data, s + 8)
        chars = struct.unpack_from('<I', data, s + 36)[0]
        sects.append((name, va, vsize, rawptr, rawsize, chars))

    def off(rva):
        for _, va, vsize, rawptr, rawsize, _ in sects:
            if va <= rva < va + max(vsize, rawsize):
                return rva - va + rawptr
        raise ValueError(rva)

    dlls = []
    p = off(imp_rva)
    while True:
        name_rva = struct.unpack_from('<I', data, p + 12)[0]
        if name_rva == 0:
            break
        n = off(name_rva)
        dlls.append(data[n:data.index(b'\0', n)].decode().lower())
        p += 20
    return data, machine, pe32plus, subsystem, dllchar, sects, dlls


def main(paths):
    for path in paths:
        print(f"{path}:")
        data, machine, pe32plus, subsystem, dllchar, sects, dlls = read_pe(path)
        size = os.path.getsize(path)
        print(f"    size {size} bytes, imports {', '.join(dlls)}")
        check('a Windows GUI program', subsystem == 2)
        check('machine matches the build', machine == (0x8664 if 'win64' in path else 0x14C))
        check(f'at most {MAX_BYTES // 1024} KB', size <= MAX_BYTES, f'{size} bytes')
        check('imports only system DLLs', set(dlls) <= SYSTEM_DLLS, ', '.join(sorted(set(dlls) - SYSTEM_DLLS)))
        check('ASLR (dynamic base)', bool(dllchar & 0x40))
        check('  ... with the relocations it needs', any(s[0] == '.reloc' for s in sects))
        check('DEP (NX compatible)', bool(dllchar & 0x100))
        if pe32plus:
            check('high-entropy ASLR', bool(dllchar & 0x20))
        wx = [s[0] for s in sects if s[5] & 0x80000000 and s[5] & 0x20000000]
        check('no section both writable and executable', not wx, ', '.join(wx))
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        root = os.path.dirname(root)
        leaks = [m for m in (root.encode(), b'/usr/lib/gcc', b'/usr/share/mingw', b'/build/')
                 if m in data]
        check('no path of the build machine inside', not leaks, ', '.join(x.decode() for x in leaks))
        check('restricts DLL loading to the system directory at start',
              b'SetDefaultDllDirectories' in data)
        utf16 = lambda s: s.encode('utf-16-le')
        check('version record: internal name, 4.00, Chinese (PRC) Unicode block',
              utf16('DuskveilV4.0') in data and utf16('4.00') in data and utf16('080404b0') in data)
        check('file and product version 4.0.0.0',
              struct.pack('<IIII', 0x40000, 0, 0x40000, 0) in data)
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
