#!/usr/bin/env python3
"""The release executable is a Windows GUI program for subsystem 4.0."""
import subprocess
import sys

objdump, exe = sys.argv[1], sys.argv[2]
header = {}
for line in subprocess.run([objdump, "-p", exe], check=True, capture_output=True,
                           text=True).stdout.splitlines():
    parts = line.split()
    if len(parts) >= 2:
        header.setdefault(parts[0], parts[1])

expected = {
    "Magic": "010b",  # PE32: a 32-bit image
    "Subsystem": "00000002",  # Windows GUI
    "MajorSubsystemVersion": "4",
    "MinorSubsystemVersion": "0",
    "MajorOSystemVersion": "4",
    "MinorOSystemVersion": "0",
}
wrong = [f"{k}: {header.get(k)} (want {v})" for k, v in expected.items()
         if header.get(k) != v]
for line in wrong:
    print(line)
print("PE header " + ("wrong" if wrong else "ok: Windows GUI, subsystem 4.0"))
sys.exit(1 if wrong else 0)
