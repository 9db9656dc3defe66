#!/usr/bin/env python3
"""What the built module needs to load, against what the README says it needs.

    module_libraries_test.py MODULE README SDK_HEADERS

The README's "Installing into X-Plane" section lists every library of the
module's closure in a table: carried beside the module (`lin_x64/`) or the
system's, with the newest symbol version it must have of each kind. The test
reads the module's and the carried libraries' needed libraries and symbol
versions (readelf), and fails when one needs a library the table does not
list, a carried library is missing from the module's folder or not found
there through the module's run path, or a system library must have a newer
symbol version than the table says. It also fails when the module calls an
SDK function of a level (the `XPLMnnn` condition around its declaration in
SDK_HEADERS, our own declarations) that the oldest X-Plane the README names
does not have.
"""
import os
import re
import subprocess
import sys

SECTION = "## Installing into X-Plane"


def readme_table(path):
    """{soname: (carried, {kind: version tuple})} from the section's table."""
    text = open(path, encoding="utf-8").read()
    start = text.find(SECTION)
    if start < 0:
        sys.exit(f"{path}: no section {SECTION!r}")
    end = text.find("\n## ", start + len(SECTION))
    section = text[start:end if end >= 0 else len(text)]
    table = {}
    for line in section.splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) < 2 or not re.fullmatch(r"`lib[^`]+\.so[^`]*`", cells[0]):
            continue
        versions = {}
        for name in re.findall(r"`([A-Za-z0-9_]+_[0-9][0-9.]*)`", " ".join(cells[2:])):
            kind, number = split_version(name)
            versions[kind] = number
        table[cells[0].strip("`")] = ("`lin_x64/`" in cells[1], versions)
    if not table:
        sys.exit(f"{path}: the section {SECTION!r} has no table of libraries")
    return table


def split_version(name):
    kind, _, number = name.rpartition("_")
    return kind, tuple(int(part) for part in number.split("."))


def show(kind, number):
    return kind + "_" + ".".join(str(part) for part in number)


def readelf(args, path):
    return subprocess.run(["readelf", *args, path], check=True, capture_output=True,
                          text=True).stdout


def needed_libraries(path):
    return re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]", readelf(["-d"], path))


def needed_versions(path):
    """{soname: [version names]} from the version-needs section."""
    versions = {}
    current = None
    for line in readelf(["-V", "--wide"], path).splitlines():
        file_match = re.search(r"File: (\S+)", line)
        if file_match:
            current = file_match.group(1)
            versions.setdefault(current, [])
            continue
        name_match = re.search(r"Name: (\S+)", line)
        if name_match and current:
            versions[current].append(name_match.group(1))
    return versions


def resolved_paths(module):
    """{soname: path} as the dynamic loader finds the module's closure."""
    output = subprocess.run(["ldd", module], check=True, capture_output=True,
                            text=True).stdout
    return dict(re.findall(r"^\s*(\S+) => (\S+)", output, re.MULTILINE))


# The X-Plane version that brought each SDK level.
XPLANE_OF_LEVEL = {200: (9, 0), 210: (10, 0), 300: (11, 10), 301: (11, 20)}
OLDEST_XPLANE = re.compile(r"oldest X-Plane it runs in is (\d+)\.(\d+)")


def sdk_levels(folder):
    """{function: level} from the headers: the highest XPLMnnn condition
    around each XPLM_API declaration (0 for none)."""
    levels = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".h"):
            continue
        conditions = []
        for line in open(os.path.join(folder, name), encoding="utf-8"):
            directive = line.strip()
            if directive.startswith("#if"):
                level = re.fullmatch(r"#if\s+defined\(XPLM(\d+)\)", directive)
                conditions.append(int(level.group(1)) if level else 0)
            elif directive.startswith("#el"):
                conditions[-1] = 0  # the branch where that level is missing
            elif directive.startswith("#endif"):
                conditions.pop()
            declared = re.match(r"\s*XPLM_API\b.*?\b(XPLM\w+)\s*\(", line)
            if declared:
                levels[declared.group(1)] = max(conditions, default=0)
    return levels


def imported_sdk_functions(module):
    symbols = readelf(["--dyn-syms", "--wide"], module)
    return sorted(set(re.findall(r"\sUND\s+(XPLM\w+)", symbols)))


def oldest_xplane_faults(module, readme, headers):
    stated = OLDEST_XPLANE.search(open(readme, encoding="utf-8").read())
    if not stated:
        return [f"{readme} does not say which X-Plane is the oldest it runs in"]
    stated = (int(stated.group(1)), int(stated.group(2)))
    levels = sdk_levels(headers)
    faults = []
    for function in imported_sdk_functions(module):
        if function not in levels:
            faults.append(f"the module calls {function}, which {headers} does not declare")
            continue
        level = levels[function]
        if level and level not in XPLANE_OF_LEVEL:
            faults.append(f"{function} is of the SDK level XPLM{level}, whose X-Plane this "
                          "test does not know")
        elif level and XPLANE_OF_LEVEL[level] > stated:
            brought = "%d.%02d" % XPLANE_OF_LEVEL[level]
            faults.append(f"the module calls {function} of the SDK level XPLM{level}, which "
                          f"X-Plane {brought} brought; the README names "
                          f"{stated[0]}.{stated[1]:02d} as the oldest X-Plane")
    return faults


def main():
    module, readme, headers = sys.argv[1], sys.argv[2], sys.argv[3]
    folder = os.path.dirname(os.path.realpath(module))
    table = readme_table(readme)
    faults = []

    dynamic = readelf(["-d"], module)
    if not re.search(r"\(RPATH\)\s+Library rpath: \[\$ORIGIN\]", dynamic):
        faults.append("the module's run path is not an RPATH of $ORIGIN, which the "
                      "carried libraries' own needs are found through")

    # The closure: the module and every carried library it reaches.
    newest = {}  # (system soname, kind) -> (version, who needs it)
    seen = set()
    todo = [module]
    while todo:
        path = todo.pop()
        name = os.path.basename(path)
        for soname in needed_libraries(path):
            if soname not in table:
                faults.append(f"{name} needs {soname}, which the README does not list")
            elif table[soname][0]:
                carried = os.path.join(folder, soname)
                if not os.path.isfile(carried):
                    faults.append(f"{name} needs {soname}, which is not carried in {folder}")
                elif carried not in seen:
                    seen.add(carried)
                    todo.append(carried)
        for soname, names in needed_versions(path).items():
            if soname not in table or table[soname][0]:
                continue
            for version in names:
                try:
                    kind, number = split_version(version)
                except ValueError:
                    faults.append(f"{name} needs {version} of {soname}, which the README "
                                  "cannot state as a version")
                    continue
                best = newest.get((soname, kind))
                if best is None or number > best[0]:
                    newest[(soname, kind)] = (number, name)

    for (soname, kind), (number, name) in sorted(newest.items()):
        stated = table[soname][1].get(kind)
        if stated is None or stated < number:
            said = show(kind, stated) if stated else "nothing"
            faults.append(f"{name} needs {show(kind, number)} of {soname}; the README "
                          f"says {said}")

    listed = {soname for soname, (carried, _) in table.items() if carried}
    present = {entry for entry in os.listdir(folder) if ".so" in entry}
    for soname in sorted(present - listed):
        faults.append(f"{soname} is carried in {folder} but not listed in the README")
    for soname in sorted(listed - present):
        faults.append(f"the README lists {soname} as carried, but {folder} lacks it")

    # The loader finds every carried library beside the module, not elsewhere.
    for soname, path in sorted(resolved_paths(module).items()):
        if path == "not":
            faults.append(f"{soname} is not found when the module loads")
        elif soname in listed and os.path.dirname(os.path.realpath(path)) != folder:
            faults.append(f"{soname} is loaded from {path}, not from {folder}")

    faults += oldest_xplane_faults(module, readme, headers)

    for fault in faults:
        print(f"module_libraries: {fault}")
    if faults:
        return 1
    print("module_libraries: every library and symbol version the module needs, and the "
          "oldest X-Plane it runs in, are in the README")
    return 0


if __name__ == "__main__":
    sys.exit(main())
