#!/usr/bin/env python3
"""Fails unless every function that can be on the stack when a press
suspends is in the list of those made able to unwind (suspending.txt).

  check_suspending.py WASM_DIS WASM SUSPENDING IMPORTS

WASM is the page's code built at -O0 with its names, where nothing is
inlined, and without asyncify's changes, read as text by WASM_DIS (binaryen);
IMPORTS lists the imports that suspend, a line each. A function must be listed if it calls an
import that suspends (a message, a breath), or a listed function that can
lead to one: one that calls such an import or function itself, or makes an
indirect call, whose targets the list names by hand (a handler, a virtual
function). Calls are direct ones and those through emscripten's invoke_*
(a call that may throw) whose target is a constant of the function. So a
new caller of a message, a breath or a dot is found wherever it is; a new
kind of indirect call that leads to one is left to the list, and to the
-O0 page's assertions in the browser tests."""
import collections
import fnmatch
import re
import subprocess
import sys
import tempfile

NAME = r"\$((?:[^\s()\\]|\\.)+)"


def unescape(name):
    return re.sub(r"\\([0-9a-f]{2})", lambda m: chr(int(m.group(1), 16)), name)


def read(wasm_dis, wasm):
    types = {}  # type name: (params, results)
    signature = {}  # function: (params, results)
    # function: what it calls: names, ("type", signature) for an indirect
    # call, ("invoke", name, local or constant) for a call through invoke_*
    calls = collections.defaultdict(set)
    sets = collections.defaultdict(set)  # (function, local): what is set into it
    table = []
    current = None
    with tempfile.NamedTemporaryFile(suffix=".wat") as wat:
        subprocess.run([wasm_dis, wasm, "-o", wat.name], check=True)
        lines = open(wat.name, encoding="utf-8").read().split("\n")
    for number, line in enumerate(lines):
        if line.startswith(" (type "):
            m = re.match(r" \(type " + NAME + r" \(func(.*)\)\)$", line)
            params = re.findall(r"\(param ([^)]*)\)", m.group(2))
            results = re.findall(r"\(result ([^)]*)\)", m.group(2))
            types[m.group(1)] = (" ".join(params).split(), " ".join(results).split())
        elif line.startswith(" (func ") or line.startswith(" (import "):
            m = re.search(r"\(func " + NAME + r"(.*)$", line)
            current = unescape(m.group(1))
            rest = m.group(2)
            params = [p.split()[-1] for p in re.findall(r"\(param ([^)]*)\)", rest)]
            results = re.findall(r"\(result ([^)]*)\)", rest)
            signature[current] = (params, results)
            if line.startswith(" (import "):
                current = None
        elif line.startswith(" (elem "):
            table = [unescape(n) for n in re.findall(NAME, line)]
        elif current:
            operand = lines[number + 1].strip() if number + 1 < len(lines) else ""
            m = re.match(r"\s*\(local\.(?:set|tee) \$(\d+)$", line)
            if m:
                source = re.match(r"\((i32\.const|local\.get) \$?(-?\d+)\)$", operand)
                sets[(current, m.group(1))].add((source.group(1), source.group(2)) if source else ("other",))
            m = re.match(r"\s*\(call \$(invoke_\w+)$", line)
            if m:
                source = re.match(r"\((i32\.const|local\.get) \$?(-?\d+)\)$", operand)
                calls[current].add(("invoke", m.group(1)) + ((source.group(1), source.group(2)) if source else ("other",)))
            for m in re.finditer(r"\(call " + NAME, line):
                calls[current].add(unescape(m.group(1)))
            for m in re.finditer(r"\(call_indirect (?:\$\S+ )?\(type " + NAME + r"\)", line):
                calls[current].add(("type", tuple(map(tuple, types[m.group(1)]))))
    return signature, calls, sets, table


def constants(function, source, sets, seen=()):
    """The table indexes a value can be: a set of them, or None if unknown."""
    if source[0] == "i32.const":
        return {int(source[1])}
    if source[0] != "local.get" or (function, source[1]) in seen:
        return None if source[0] != "local.get" else set()
    found = set()
    for each in sets.get((function, source[1]), {("other",)}):
        more = constants(function, each, sets, seen + ((function, source[1]),))
        if more is None:
            return None
        found |= more
    return found


def callees(function, calls, sets, table):
    """What the function calls directly or through invoke_* with a constant
    target, and whether it makes any other (indirect) call."""
    found, indirect = set(), False
    for callee in calls.get(function, ()):
        if isinstance(callee, tuple) and callee[0] == "type":
            indirect = True
        elif isinstance(callee, tuple):  # invoke_<signature>(index, ...)
            indexes = constants(function, callee[2:], sets)
            if indexes is None:
                indirect = True
            else:  # the table's entries start at index 1
                found |= {table[i - 1] for i in indexes if 0 < i <= len(table)}
        else:
            found.add(callee)
    return found, indirect


def main(wasm_dis, wasm, suspending, imports_file):
    imports = open(imports_file, encoding="utf-8").read().split()
    signature, calls, sets, table = read(wasm_dis, wasm)
    patterns = [p.strip() for p in open(suspending, encoding="utf-8") if p.strip()]
    listed = {f for f in signature if any(fnmatch.fnmatchcase(f, p) for p in patterns)}
    graph = {f: callees(f, calls, sets, table) for f in signature}
    callers = collections.defaultdict(set)
    for caller, (found, _) in graph.items():
        for callee in found:
            callers[callee].add(caller)
    # Listed functions that lead to a suspension by a path the list names
    # by hand: their callers must be listed in turn.
    suspends = set(imports) | {f for f in listed if graph[f][1]}
    todo = list(suspends)
    while todo:
        for caller in callers[todo.pop()]:
            if caller not in suspends:
                suspends.add(caller)
                todo.append(caller)
    missing = sorted(suspends - listed - set(imports))
    for function in missing:
        print("not listed: %s, which calls %s" % (
            function, ", ".join(sorted(graph[function][0] & suspends))))
    print("%d functions can suspend a press; %d are not in %s"
          % (len(suspends - set(imports)), len(missing), suspending))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
