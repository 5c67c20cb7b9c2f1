#!/usr/bin/env python3
"""The release executable runs on the Pentium and the AMD K6: its code holds
no instruction those CPUs lack, which would fault with an invalid opcode the
first time its path runs. Checked on the disassembly (objdump -d) of every
code section: the Pentium Pro's CMOV, FCMOV, FCOMI and FUCOMI, SSE, MMX (the
first Pentium has none) and 3DNow! (no Pentium and not the first K6).
No direct call or jump may land in the import section either: that is a
function imported as data, whose address the processor would run as code."""
import collections
import re
import subprocess
import sys

objdump, exe = sys.argv[1], sys.argv[2]

PENTIUM_PRO = re.compile(r"(cmov|fcmov|fu?comip?$)")
WITHOUT_REGISTERS = {"emms", "femms", "ldmxcsr", "stmxcsr", "sfence",
                     "lfence", "mfence", "prefetchnta", "prefetcht0",
                     "prefetcht1", "prefetcht2", "movnti", "clflush",
                     "fxsave", "fxrstor"}
VECTOR_REGISTER = re.compile(r"%(x|y|z)?mm\d")


def section(name):
    """The first and the last address of the named section."""
    for line in subprocess.run([objdump, "-h", exe], check=True,
                               capture_output=True, text=True).stdout.splitlines():
        columns = line.split()
        if len(columns) > 3 and columns[1] == name:
            start = int(columns[3], 16)
            return start, start + int(columns[2], 16)
    sys.exit(f"no {name} section")


imports_start, imports_end = section(".idata")
DIRECT_TARGET = re.compile(r"^0x([0-9a-f]+)$")

found = collections.Counter()
examples = []
disassembly = subprocess.run([objdump, "-d", exe], check=True,
                             capture_output=True, text=True).stdout
for line in disassembly.splitlines():
    # "  401000:\t0f 44 cb             \tcmove  %ebx,%ecx"
    columns = line.split("\t")
    if len(columns) < 3 or not columns[2].strip():
        continue
    mnemonic, _, operands = columns[2].strip().partition(" ")
    target = DIRECT_TARGET.match(operands.strip().split(" ")[0])
    if (mnemonic in ("call", "jmp") or mnemonic.startswith("j")) and target \
            and imports_start <= int(target.group(1), 16) < imports_end:
        found[f"{mnemonic} into the import section"] += 1
        if len(examples) < 10:
            examples.append(line.strip())
        continue
    if (PENTIUM_PRO.match(mnemonic) or mnemonic in WITHOUT_REGISTERS
            or VECTOR_REGISTER.search(operands)):
        found[mnemonic] += 1
        if len(examples) < 10:
            examples.append(line.strip())

for line in examples:
    print(line)
for mnemonic, count in sorted(found.items()):
    print(f"{count:6} {mnemonic}")
total = sum(found.values())
print(f"{total} instructions that the Pentium or the AMD K6 lacks or that "
      "run the import section")
sys.exit(1 if total else 0)
