#!/usr/bin/python3
"""Prints the accessibility tree of one program as a screen reader reads it over
AT-SPI, as JSON: {"found": bool, "windows": [node, ...]}, where a node is
{"role", "name", "states", "children"}. Argument: the program's process id.
The session bus and its accessibility bus come from the environment."""
import json
import sys

import pyatspi


def node(accessible, depth=0):
    states = accessible.getState()
    children = []
    if depth < 12:
        for index in range(accessible.childCount):
            try:
                child = accessible.getChildAtIndex(index)
                if child is not None:
                    children.append(node(child, depth + 1))
            except Exception:  # a window that went away while it was read
                continue
    return {
        "role": accessible.getRoleName(),
        "name": accessible.name or "",
        "states": [pyatspi.stateToString(s) for s in states.getStates()],
        "children": children,
    }


def main():
    pid = int(sys.argv[1])
    result = {"found": False, "windows": []}
    for application in pyatspi.Registry.getDesktop(0):
        try:
            if application is None or application.get_process_id() != pid:
                continue
            result["found"] = True
            result["windows"] = node(application)["children"]
        except Exception:
            continue
    print(json.dumps(result, ensure_ascii=False))


if __name__ == "__main__":
    main()
