#!/usr/bin/env python3
"""Every import of the release executable exists on both Windows 95 and
NT 4.0, by the export lists in the compat folder; imports that are stubs on
Windows 9x are reported as warnings. The DLLs the program loads itself and
the functions it looks up there by name are read from the executable's
strings: each such DLL needs an export list here, each function found in
one is reported, and no string may name a function that both systems
lack."""
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



def export_list(dll):
    """The path of the DLL's export list, None when there is none."""
    lists = [os.path.join(baseline, f"{dll}.txt"),
             os.path.join(baseline, f"{dll}-SUPERSET.txt")]
    return next((p for p in lists if os.path.exists(p)), None)


problems = [] if imports else ["no imports read: not a program that runs"]
for dll, functions in sorted(imports.items()):
    if not functions:
        problems.append(f"{dll}: no import rows read")
        continue
    known = export_list(dll)
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

# Loaded at run time: a DLL named in the executable's strings, and the
# functions of its export list that the strings name too.
strings = set(re.findall(rb"[A-Za-z0-9_.]{4,}", open(exe, "rb").read()))
strings = {t.decode() for t in strings}
not_loaded = names(os.path.join(compat, "named-not-loaded.txt"))
for dll in sorted({t.lower().removesuffix(".dll") for t in strings
                   if t.lower().endswith(".dll")} - set(imports) - not_loaded):
    known = export_list(dll)
    if known is None:
        problems.append(f"{dll}: loaded at run time, no export list for it")
        continue
    found = sorted(strings & names(known))
    print(f"{dll}, loaded at run time: {', '.join(found) or 'no function'}")
for entry in sorted(denied):
    if entry.split("!")[-1] in strings:
        problems.append(f"{entry}: named in the executable, missing from "
                        "Windows 95 and NT 4.0")

for p in problems:
    print(p)
count = sum(len(v) for v in imports.values())
print(f"{count} imports from {len(imports)} DLLs, {len(problems)} problems")
sys.exit(1 if problems else 0)
