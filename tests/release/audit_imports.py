#!/usr/bin/env python3
"""Every import of the release executable exists on both Windows 95 and
NT 4.0, by the export lists in the compat folder; imports that are stubs on
Windows 9x are reported as warnings."""
import os
import re
import subprocess
import sys

objdump, exe, compat = sys.argv[1], sys.argv[2], sys.argv[3]


def names(path):
    with open(path, encoding="utf-8") as f:
        return {l.strip() for l in f if l.strip() and not l.startswith("#")}


imports = {}
dll = None
for line in subprocess.run([objdump, "-p", exe], check=True, capture_output=True,
                           text=True).stdout.splitlines():
    m = re.match(r"\s*DLL Name: (\S+)", line)
    if m:
        dll = m.group(1).lower().removesuffix(".dll")
        imports[dll] = set()
        continue
    # binutils prints "vma hint name" or "vma <none> hint name"
    m = re.match(r"\s+[0-9a-f]+\s+(?:<none>\s+)?[0-9a-f]+\s+(\S+)$", line)
    if dll and m:
        imports[dll].add(m.group(1))
    elif not line.strip():
        dll = None if dll and imports[dll] else dll

baseline = os.path.join(compat, "baseline")
denied = names(os.path.join(compat, "deny-not-in-win95-or-nt40.txt"))
caveats = {}
with open(os.path.join(compat, "win9x-caveats.tsv"), encoding="utf-8") as f:
    for line in f:
        if line.strip() and not line.startswith("#"):
            cols = line.rstrip("\n").split("\t")
            caveats[(cols[0].lower().removesuffix(".dll"), cols[1])] = cols[2]

problems = []
for dll, functions in sorted(imports.items()):
    if not functions:
        problems.append(f"{dll}: no import rows read")
        continue
    lists = [os.path.join(baseline, f"{dll}.txt"),
             os.path.join(baseline, f"{dll}-SUPERSET.txt")]
    known = next((p for p in lists if os.path.exists(p)), None)
    if known is None:
        problems.append(f"{dll}: no export list for this DLL")
        continue
    exports = names(known)
    for fn in sorted(functions):
        if fn not in exports:
            problems.append(f"{dll}!{fn}: not exported by Windows 95 and NT 4.0")
        if f"{dll}.dll!{fn}" in denied:
            problems.append(f"{dll}!{fn}: missing from Windows 95 and NT 4.0")
        if (dll, fn) in caveats:
            print(f"warning: {dll}!{fn}: {caveats[(dll, fn)]} on Windows 9x")

for p in problems:
    print(p)
count = sum(len(v) for v in imports.values())
print(f"{count} imports from {len(imports)} DLLs, {len(problems)} problems")
sys.exit(1 if problems else 0)
