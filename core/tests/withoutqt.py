#!/usr/bin/env python3
"""Fails when the core, the programs' forms or their tests are compiled or linked with Qt.

Usage: withoutqt.py BUILD_DIR SOURCE_DIR EXECUTABLE...
"""
import json
import os
import subprocess
import sys

build, source, executables = sys.argv[1], sys.argv[2], sys.argv[3:]
core_folders = [os.path.join(source, name) + os.sep for name in ("core", "sorting", "bank", "lesson")]
failures = []

with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as commands:
    entries = json.load(commands)
checked = 0
for entry in entries:
    if any(entry["file"].startswith(folder) for folder in core_folders):
        checked += 1
        if "qt6" in entry["command"].lower():
            failures.append("compiled with Qt: " + entry["file"])
if checked == 0:
    failures.append("no compile line of the core found")

for executable in executables:
    libraries = subprocess.run(["ldd", executable], capture_output=True, text=True, check=True)
    if "libqt" in libraries.stdout.lower():
        failures.append("linked with Qt: " + executable)

for failure in failures:
    print(failure)
print(f"{checked} compile lines and {len(executables)} executables without Qt"
      if not failures else f"{len(failures)} failures")
sys.exit(1 if failures else 0)
