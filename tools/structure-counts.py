#!/usr/bin/env python3
"""Prints the figures of the code's structure, so that each reader sees where it stands:

  - include back-edges: project includes from a lower layer to a higher one, by the layer table
    of tests/layers (read from there, so the two never differ), and how many of them the
    allow-list holds;
  - library cycles: groups of CMake libraries of the product folders that depend on each other
    round a circle (DEPS of vr_library and target_link_libraries);
  - Engine::Get() calls per product folder (a subfolder with a layer of its own, such as the
    navigation core ai/nav, counted apart from its parent and always printed);
  - uses of the global slots LogicServices::Get() and AgentRoster::Get() per product folder.

    tools/structure-counts.py [SOURCE_ROOT]     (the checkout holding this script unless said)
"""
import os
import re
import sys
from collections import Counter, defaultdict

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp")
GLOBALS = ("Engine::Get()", "LogicServices::Get()", "AgentRoster::Get()")


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read()


def layer_table():
    text = read(os.path.join(ROOT, "tests/layers/SourceTree.cpp"))
    return {folder: int(layer) for folder, layer in re.findall(r'\{"([a-z/]+)",\s*(\d+)\}', text)}


def folder_of(path, layers):
    """The folder of the layer table holding a path: "ai/nav/X.h" is in ai/nav, "ai/agents/Y.h" in ai."""
    parts = path.split("/")
    return "/".join(parts[:2]) if len(parts) > 2 and "/".join(parts[:2]) in layers else parts[0]


def source_files(folder, layers):
    for dirpath, _, files in os.walk(os.path.join(ROOT, folder)):
        for name in sorted(files):
            path = os.path.relpath(os.path.join(dirpath, name), ROOT)
            if name.endswith(SOURCE_SUFFIXES) and folder_of(path, layers) == folder:
                yield path, read(os.path.join(ROOT, path))


def include_back_edges(layers):
    include = re.compile(r'^\s*#\s*include\s+"([a-z]+/[^"]+)"', re.M)
    edges = []
    for folder in layers:
        for path, text in source_files(folder, layers):
            for m in include.finditer(text):
                target = folder_of(m.group(1), layers)
                if target in layers and layers[target] > layers[folder]:
                    edges.append((path, m.group(1)))
    return edges


def allow_list():
    allowed = set()
    for line in read(os.path.join(ROOT, "tests/layers/allowed_back_edges.txt")).splitlines():
        line = line.strip()
        if line and not line.startswith("#") and "->" in line:
            file, included = (part.strip() for part in line.split("->", 1))
            allowed.add((file, included))
    return allowed


def cmake_words(text):
    text = re.sub(r"#[^\n]*", " ", text)
    return re.findall(r"[()]|[^\s()]+", text)


def library_graph(layers):
    """Each product library and the product libraries it depends on."""
    deps = defaultdict(set)
    lists = [os.path.join(ROOT, f, "CMakeLists.txt") for f in layers if f != "platform"]
    for path in lists:
        if not os.path.exists(path):
            continue
        words = cmake_words(read(path))
        for i in range(len(words) - 2):
            command = words[i]
            if words[i + 1] != "(" or command not in ("vr_library", "target_link_libraries"):
                continue
            target, listing = words[i + 2], command == "target_link_libraries"
            deps.setdefault(target, set())
            for w in words[i + 3:]:
                if w == ")":
                    break
                if w == "DEPS":
                    listing = True
                elif w == "SOURCES":
                    listing = False
                elif listing and w.startswith("vr_"):
                    deps[target].add(w)
    return deps


def cycles(graph):
    """The strongly connected groups of more than one library (Tarjan)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return sorted(groups)


def global_uses(layers):
    uses = {name: Counter() for name in GLOBALS}
    for folder in layers:
        for _, text in source_files(folder, layers):
            for name in GLOBALS:
                uses[name][folder] += text.count(name)
    return uses


def main():
    layers = layer_table()
    if not layers:
        sys.exit("no layer table found in tests/layers/SourceTree.cpp")
    folders = sorted(layers, key=lambda f: (layers[f], f))

    edges = include_back_edges(layers)
    allowed = allow_list()
    print(f"Include back-edges: {len(edges)} ({sum(e in allowed for e in edges)} on the allow-list)")
    for (src, dst), n in sorted(Counter((folder_of(p, layers), folder_of(i, layers)) for p, i in edges).items()):
        print(f"  {src} -> {dst}: {n}")

    groups = cycles(library_graph(layers))
    print(f"Library cycles: {len(groups)}")
    for group in groups:
        print("  {" + ", ".join(group) + "}")

    uses = global_uses(layers)
    for name, per_folder in uses.items():
        print(f"{name}: {sum(per_folder.values())}")
        for folder in folders:
            if per_folder[folder] or "/" in folder:
                print(f"  {folder}: {per_folder[folder]}")
    game = uses["Engine::Get()"]
    print("Engine::Get() in logic, player, entities, ai and ai/nav: "
          f"{sum(game[f] for f in ('logic', 'player', 'entities', 'ai', 'ai/nav'))}")


if __name__ == "__main__":
    main()
