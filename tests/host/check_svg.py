#!/usr/bin/env python3
"""Checks a map that sptdc-host wrote: an SVG 1.1 document that parses as XML,
holds everything it shows (no script, no link to another file) and draws
one circle per counted QSO in its group "qsos".

  check_svg.py FILE DOTS     exit 0 when it holds, else 1 with the reasons
"""

import sys
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"


def faults(path, dots):
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as e:
        return ["not XML: %s" % e]
    found = []
    if root.tag != SVG + "svg" or root.get("version") != "1.1":
        found.append("the root is %s version %s, not svg 1.1" % (root.tag, root.get("version")))
    for element in root.iter():
        if element.tag == SVG + "script" or element.tag == SVG + "image":
            found.append("a %s element" % element.tag)
        for name in element.attrib:
            if name.endswith("href"):
                found.append("a link to %s" % element.get(name))
    groups = [g for g in root.iter(SVG + "g") if g.get("id") == "qsos"]
    circles = sum(1 for g in groups for _ in g.iter(SVG + "circle"))
    if circles != dots:
        found.append("%d QSO circles, expected %d" % (circles, dots))
    return found


if __name__ == "__main__":
    problems = faults(sys.argv[1], int(sys.argv[2]))
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)
