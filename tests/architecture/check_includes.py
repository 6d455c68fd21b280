#!/usr/bin/env python3
"""Checks every #include "..." under src/ against the layer table of ARCHITECTURE.md.

The table (the one after the marker comment "layer table") gives each layer its
folders under src/ (a folder, or a file pattern such as link/frame.*), its libraries
and the layers it may include. A file may include its own layer and the layers its
row names. The check also finds include cycles between files, and checks that each
library in CMakeLists.txt builds exactly the folders its row names.

Prints one line per finding (file:line: what and why) and exits 1 when there is any.
Usage: check_includes.py SOURCE_DIR
"""
import fnmatch
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
CODE = re.compile(r'`([^`]+)`')


def read_layer_table(architecture):
    lines = open(architecture, encoding='utf-8').read().split('\n')
    start = next(i for i, line in enumerate(lines) if 'layer table' in line)
    rows = [line for line in lines[start + 1:] if line.startswith('|')]
    layers = []
    for row in rows[2:]:
        cells = [cell.strip() for cell in row.strip().strip('|').split('|')]
        name, folders, libraries, may = cells
        layers.append({
            'name': name,
            'patterns': CODE.findall(folders),
            'libraries': CODE.findall(libraries),
            'may': {word.strip() for word in may.split(',') if word.strip()},
        })
    return layers


def layer_of(path, layers):
    """The layer of a path relative to src/: a file pattern wins over a folder."""
    best, best_len = None, -1
    for layer in layers:
        for pattern in layer['patterns']:
            if '*' in pattern or '.' in os.path.basename(pattern):
                if fnmatch.fnmatch(path, pattern) and len(pattern) > best_len:
                    best, best_len = layer, len(pattern) + 1000
            elif path.startswith(pattern.rstrip('/') + '/') and len(pattern) > best_len:
                best, best_len = layer, len(pattern)
    return best


def source_files(src):
    for folder, _, names in sorted(os.walk(src)):
        for name in sorted(names):
            if name.endswith(('.h', '.cpp')):
                yield os.path.relpath(os.path.join(folder, name), src)


def resolve(src, including, included):
    """The included file relative to src/, or None for a file outside src/."""
    beside = os.path.normpath(os.path.join(os.path.dirname(including), included))
    if os.path.isfile(os.path.join(src, beside)):
        return beside
    if os.path.isfile(os.path.join(src, included)):
        return os.path.normpath(included)
    return None


def check_directions(src, layers):
    findings, graph = [], {}
    for path in source_files(src):
        own = layer_of(path, layers)
        graph[path] = []
        if own is None:
            findings.append('src/%s: in no layer of the table' % path)
            continue
        for number, line in enumerate(open(os.path.join(src, path), encoding='utf-8'), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = resolve(src, path, match.group(1))
            if target is None:
                continue
            graph[path].append((target, number))
            other = layer_of(target, layers)
            if other is None or other is own or other['name'] in own['may']:
                continue
            findings.append('src/%s:%d: includes "%s" of layer %s, which layer %s may not include' %
                            (path, number, match.group(1), other['name'], own['name']))
    return findings, graph


def find_cycles(graph):
    findings, state, stack = [], {}, []

    def visit(node):
        state[node] = 'open'
        stack.append(node)
        for target, number in graph.get(node, []):
            if state.get(target) == 'open':
                circle = stack[stack.index(target):] + [target]
                findings.append('src/%s:%d: include cycle: %s' % (node, number, ' -> '.join(circle)))
            elif target not in state:
                visit(target)
        stack.pop()
        state[node] = 'done'

    for node in sorted(graph):
        if node not in state:
            visit(node)
    return findings


def check_libraries(cmake, layers):
    """Each chromix_layer(LIB DIRS ...) builds the folders the table gives LIB's row."""
    text = open(cmake, encoding='utf-8').read()
    findings = []
    for match in re.finditer(r'chromix_layer\((\w+)\s+DIRS\s+([^)]*?)(?:\s+(?:EXCLUDE|PUBLIC_LIBS|QT)\b|\))',
                             text, re.S):
        library, dirs = match.group(1), set(match.group(2).split())
        row = next((layer for layer in layers if library in layer['libraries']), None)
        if row is None:
            findings.append('CMakeLists.txt: library %s is in no row of the layer table' % library)
            continue
        folders = {p.rstrip('/') for p in row['patterns'] if '*' not in p and '.' not in os.path.basename(p)}
        if not dirs <= folders:
            findings.append('CMakeLists.txt: library %s builds %s, which the table gives no row of %s' %
                            (library, ', '.join(sorted(dirs - folders)), row['name']))
    return findings


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
    layers = read_layer_table(os.path.join(root, 'ARCHITECTURE.md'))
    findings, graph = check_directions(os.path.join(root, 'src'), layers)
    findings += find_cycles(graph)
    findings += check_libraries(os.path.join(root, 'CMakeLists.txt'), layers)
    for finding in findings:
        print(finding)
    print('%d files, %d layers, %d findings' % (len(graph), len(layers), len(findings)))
    return 1 if findings else 0


if __name__ == '__main__':
    sys.exit(main())
