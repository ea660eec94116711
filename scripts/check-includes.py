#!/usr/bin/env python3
"""Fails when a file includes one of a floor above its own, or when includes go in a circle.

The floors are data (scripts/floors.txt): each folder with the folders it may include. Only
includes in double quotes are the project's own; angle-bracket includes are the system's.
"""
import re
import subprocess
import sys
from pathlib import Path

root = Path(__file__).resolve().parent.parent
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def read_floors():
    floors = {}
    for line in (root / "scripts" / "floors.txt").read_text().splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        folder, _, allowed = line.partition(":")
        floors[folder.strip()] = allowed.split()
    return floors


def floor_of(path, floors):
    best = None
    for folder in floors:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def floors_in_a_circle(floors):
    """The floors' own allowances must point one way."""
    state = {}

    def visit(folder, trail):
        if state.get(folder) == "done":
            return None
        if state.get(folder) == "open":
            return trail[trail.index(folder):] + [folder]
        state[folder] = "open"
        for below in floors.get(folder, []):
            if below != "*":
                circle = visit(below, trail + [folder])
                if circle:
                    return circle
        state[folder] = "done"
        return None

    for folder in floors:
        circle = visit(folder, [])
        if circle:
            return circle
    return None


def main():
    floors = read_floors()
    problems = []
    circle = floors_in_a_circle(floors)
    if circle:
        problems.append("floors.txt: the floors go in a circle: " + " -> ".join(circle))

    files = subprocess.run(["git", "ls-files", "*.h", "*.cpp", "*.h.in", "*.cpp.in"], cwd=root,
                           capture_output=True, text=True, check=True).stdout.split()
    graph = {}
    for name in files:
        own = floor_of(name, floors)
        if own is None:
            problems.append(f"{name}: in no floor of scripts/floors.txt")
            continue
        allowed = floors[own]
        graph[name] = []
        for target in include.findall((root / name).read_text(errors="replace")):
            graph[name].append(target)
            target_floor = floor_of(target, floors)
            if "*" in allowed or target_floor == own or target_floor in allowed:
                continue
            problems.append(f"{name}: includes {target} ({target_floor or 'no floor'}), "
                            f"above or beside {own}")

    # Circles between files, whatever their floors.
    state = {}

    def visit(name, trail):
        if state.get(name) == "done" or name not in graph:
            return
        if state.get(name) == "open":
            problems.append("circular includes: " + " -> ".join(trail[trail.index(name):] + [name]))
            return
        state[name] = "open"
        for target in graph[name]:
            visit(target, trail + [name])
        state[name] = "done"

    for name in graph:
        visit(name, [])

    for problem in problems:
        print(problem)
    if problems:
        print(f"check-includes: {len(problems)} problem(s)")
        return 1
    print(f"check-includes: {len(graph)} files, every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
