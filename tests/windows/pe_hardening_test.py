#!/usr/bin/python3
"""Reads Velmora.exe's PE headers as Windows' loader and binary checkers (BinSkim, winchecksec)
read them, and checks that it is hardened as far as mingw-w64 allows: ASLR with its relocations
kept, NX, no section both writable and executable, page alignment; for x86_64 high-entropy
ASLR, large addresses and an image base above 4 GB; for i686 NO_SEH, and no code that
registers an SEH handler; and GCC's stack protector linked in.
Usage: pe_hardening_test.py EXE OBJDUMP PROCESSOR"""
import re
import subprocess
import sys

import pefile

exe, objdump, processor = sys.argv[1:4]
pe = pefile.PE(exe)
dll = pe.OPTIONAL_HEADER.DllCharacteristics
characteristics = pe.FILE_HEADER.Characteristics
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def dll_flag(name):
    return bool(dll & pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_" + name])


def file_flag(name):
    return bool(characteristics & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_" + name])


relocations = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]]
check(dll_flag("DYNAMIC_BASE"), "no dynamic base (ASLR)")
check(relocations.Size > 0 and not file_flag("RELOCS_STRIPPED"),
      "its relocations are stripped: Windows cannot move it")
check(dll_flag("NX_COMPAT"), "not NX compatible (DEP)")
for section in pe.sections:
    writable = section.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_WRITE"]
    executable = section.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]
    check(not (writable and executable),
          "section %s is both writable and executable" % section.Name.rstrip(b"\0").decode())
check(pe.OPTIONAL_HEADER.SectionAlignment >= 4096,
      "sections aligned to %d bytes, not to pages" % pe.OPTIONAL_HEADER.SectionAlignment)

if processor == "x86_64":
    check(dll_flag("HIGH_ENTROPY_VA"), "no high-entropy ASLR")
    check(file_flag("LARGE_ADDRESS_AWARE"), "not large-address-aware")
    check(pe.OPTIONAL_HEADER.ImageBase > 0xFFFFFFFF,
          "image base 0x%x, below 4 GB" % pe.OPTIONAL_HEADER.ImageBase)
else:
    check(dll_flag("NO_SEH"), "no NO_SEH flag")
    # A 32-bit SEH handler is registered by linking it into the chain at fs:0.
    code = subprocess.run([objdump, "-d", exe], capture_output=True, text=True, check=True).stdout
    registering = [line for line in code.splitlines() if re.search(r"%fs:0x0\b", line)]
    check(not registering, "code that registers an SEH handler: %s" % registering[:3])

# GCC's stack protector: its check fails into __stack_chk_fail, which says this.
with open(exe, "rb") as f:
    check(b"*** stack smashing detected ***" in f.read(), "no stack protector linked in")

for failure in failures:
    print("FAIL: %s" % failure, file=sys.stderr)
if failures:
    sys.exit(1)
print("%s (%s): ASLR, NX, W^X, page-aligned, %s, stack protector"
      % (exe, processor, "high-entropy ASLR above 4 GB" if processor == "x86_64" else "NO_SEH"))
