#!/usr/bin/env python3
"""Checks a built KovraDouble.ocx as a file, without running it (the 32-bit one cannot run here).

Reads `objdump -p` and `objdump -h` of the MinGW binutils for the file's bitness and checks:
the machine type; the exports, exactly the five entry points by their plain names; the imported
DLLs, system ones only (no libgcc, libstdc++ or winpthread DLL); and the resources: the type
library TYPELIB 1 written for this bitness in locale 0x0409, the toolbox bitmap 30000 (16 x 15,
8 bits per pixel) and the version resource with the file version of base/version.h.

Usage: scripts/check-ocx.py KovraDouble.ocx 32|64
"""
import re
import struct
import subprocess
import sys
from pathlib import Path

root = Path(__file__).resolve().parent.parent

EXPORTS = {"DllCanUnloadNow", "DllGetClassObject", "DllInstall", "DllRegisterServer",
           "DllUnregisterServer"}
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "ole32.dll",
               "oleaut32.dll", "msvcrt.dll", "msimg32.dll", "uxtheme.dll", "shell32.dll",
               "shlwapi.dll", "comctl32.dll", "oleacc.dll"}
RT_BITMAP, RT_VERSION = 2, 16
MACHINE = {64: ("x86_64", "pei-x86-64", 3), 32: ("i686", "pei-i386", 1)}  # syskind 3: SYS_WIN64


def objdump(triple, option, path):
    return subprocess.run([f"{triple}-w64-mingw32-objdump", option, str(path)], check=True,
                          capture_output=True, text=True).stdout


def resources(dump):
    """(type, name) -> (rva, size) from the resource directory that objdump -p prints."""
    found, path = {}, []
    section = dump.split("The .rsrc Resource Directory section:", 1)
    if len(section) < 2:
        return found
    for line in section[1].lstrip("\n").splitlines():
        entry = re.match(r"^[0-9a-f]+(\s+)Entry: (?:ID: (0x[0-9a-f]+)|name: \[[^]]*\]: ([^,\s]+))", line)
        if entry:
            level = (len(entry.group(1)) - 3) // 2
            key = int(entry.group(2), 16) if entry.group(2) else entry.group(3)
            path = path[:level] + [key]
            continue
        leaf = re.search(r"Leaf: Addr: (0x[0-9a-f]+), Size: (0x[0-9a-f]+)", line)
        if leaf and len(path) >= 2:
            found[(path[0], path[1])] = (int(leaf.group(1), 16), int(leaf.group(2), 16))
        if not line.strip():
            break
    return found


def read_rva(path, headers, image_base, rva, size):
    """The bytes at a relative virtual address, through the section table."""
    for match in re.finditer(r"^\s*\d+\s+\S+\s+([0-9a-f]+)\s+([0-9a-f]+)\s+[0-9a-f]+\s+([0-9a-f]+)",
                             headers, re.M):
        length, vma, offset = (int(g, 16) for g in match.groups())
        start = vma - image_base
        if start <= rva < start + length:
            with open(path, "rb") as f:
                f.seek(offset + rva - start)
                return f.read(size)
    return b""


def expected_file_version():
    text = (root / "base" / "version.h").read_text()
    number = {name: int(re.search(rf"{name} = (\d+)", text).group(1))
              for name in ("kMajor", "kMinor", "kRevision")}
    return (number["kMajor"] << 16 | number["kMinor"], number["kRevision"])


def main():
    path, bits = Path(sys.argv[1]), int(sys.argv[2])
    triple, file_format, syskind = MACHINE[bits]
    dump = objdump(triple, "-p", path)
    headers = objdump(triple, "-h", path)
    problems = []

    if f"file format {file_format}" not in dump:
        problems.append(f"not a {file_format} file")

    exports = set(re.findall(r"^\s+\[\s*\d+\] (\S+)$",
                             dump.split("[Ordinal/Name Pointer] Table", 1)[-1], re.M))
    if exports != EXPORTS:
        problems.append(f"exports {sorted(exports)}, expected {sorted(EXPORTS)}")

    for dll in re.findall(r"DLL Name: (\S+)", dump):
        if re.match(r"lib(gcc|stdc\+\+|winpthread)", dll, re.I):
            problems.append(f"imports the compiler's runtime {dll}: link it statically")
        elif dll.lower() not in SYSTEM_DLLS:
            problems.append(f"imports {dll}, not a system DLL")

    image_base = int(re.search(r"^ImageBase\s+([0-9a-f]+)", dump, re.M).group(1), 16)
    found = resources(dump)

    def resource(kind, name):
        if (kind, name) not in found:
            problems.append(f"no resource {kind}/{name}")
            return b""
        return read_rva(path, headers, image_base, *found[(kind, name)])

    library = resource("TYPELIB", 1)
    if library:
        magic, _, _, lcid, _, varflags = struct.unpack_from("<4sIIIII", library)
        if magic != b"MSFT" or lcid != 0x0409 or varflags & 0xF != syskind:
            problems.append(f"TYPELIB 1 is not a {bits}-bit library for locale 0x0409 "
                            f"(magic {magic}, lcid {lcid:#x}, system {varflags & 0xF})")
    toolbox = resource(RT_BITMAP, 30000)
    if toolbox:
        width, height, _, bit_count = struct.unpack_from("<iiHH", toolbox, 4)
        if (width, height, bit_count) != (16, 15, 8):
            problems.append(f"bitmap 30000 is {width} x {height} at {bit_count} bits")
    version = resource(RT_VERSION, 1)
    if version:
        fixed = version.find(struct.pack("<I", 0xFEEF04BD))
        numbers = struct.unpack_from("<II", version, fixed + 8) if fixed >= 0 else None
        if numbers != expected_file_version():
            problems.append(f"file version {numbers}, expected {expected_file_version()}")

    for problem in problems:
        print(f"{path} ({bits}-bit): {problem}")
    if not problems:
        imports = ", ".join(sorted(set(re.findall(r"DLL Name: (\S+)", dump))))
        print(f"{path}: {bits}-bit; exports the five entry points; imports {imports}; "
              "type library, toolbox bitmap and version resource present")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
