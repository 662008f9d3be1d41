#!/usr/bin/env bash
# Puts plausible faults (tests/mutants/faults.txt) into a copy of the tree one
# at a time, rebuilds that copy incrementally, runs the suite until the first
# failure, and prints how many faults the tests caught, per area and overall.
#   scripts/mutants.sh              every fault
#   scripts/mutants.sh WORD...      only the faults of these areas, or whose
#                                   names hold one of the words; the score
#                                   counts every fault's last verdict
#   scripts/mutants.sh --list       the faults and whether their text is found
# The copy lives in build-mutants/tree and builds in its build/; the working
# tree and its build/ are never touched. Not part of CI: it takes a while.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build-mutants
tree=$work/tree
faults=$root/tests/mutants/faults.txt

# The faults' table, the copy of the tree and the score, in Python.
read -r -d '' helper <<'PY' || true
import os, re, shutil, subprocess, sys

def faults(path):
    out, cur = [], None
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        m = re.match(r"\[(\S+)\]\s+(.*)", line)
        if m:
            cur = {"area": m[1], "name": m[2], "file": "", "from": None, "to": None, "tests": ""}
            out.append(cur)
            continue
        key, _, text = line.partition(" ")
        text = text.lstrip(" ")
        if cur is None or key not in ("file", "from", "to", "tests"):
            sys.exit(f"faults: cannot read {line!r}")
        cur[key] = text.replace("\\n", "\n").replace("\\t", "\t") if key in ("from", "to") else text
    for f in out:
        if not f["file"] or f["from"] is None or f["to"] is None:
            sys.exit(f"faults: {f['name']} needs file, from and to")
    return out

def found(f, tree):
    try:
        return open(os.path.join(tree, f["file"]), encoding="utf-8").read().count(f["from"])
    except OSError:
        return 0

def sync(src, dst):
    listed = subprocess.run(["git", "-C", src, "ls-files", "-co", "--exclude-standard", "-z"],
                            check=True, capture_output=True).stdout.decode().split("\0")
    keep = set()
    for rel in filter(None, listed):
        a, b = os.path.join(src, rel), os.path.join(dst, rel)
        if not os.path.isfile(a):
            continue
        keep.add(rel)
        data = open(a, "rb").read()
        if not os.path.exists(b) or open(b, "rb").read() != data:
            os.makedirs(os.path.dirname(b), exist_ok=True)
            open(b, "wb").write(data)
        shutil.copymode(a, b)
    for base, dirs, names in os.walk(dst):
        # The copy's own build folder, inside it so that ccache sees the
        # same relative paths as in the working tree's build.
        if base == dst:
            dirs[:] = [d for d in dirs if not d.startswith("build")]
        for n in names:
            rel = os.path.relpath(os.path.join(base, n), dst)
            if rel not in keep:
                os.remove(os.path.join(dst, rel))

def saved(tree):
    return os.path.join(os.path.dirname(tree), "original")

cmd, args = sys.argv[1], sys.argv[2:]
if cmd == "sync":
    sync(args[0], args[1])
elif cmd == "list":
    for i, f in enumerate(faults(args[0])):
        n = found(f, args[1])
        state = "ok" if n == 1 else ("stale" if n == 0 else "ambiguous")
        print(f"{i:3} {state:9} [{f['area']}] {f['name']}")
elif cmd == "count":
    print(len(faults(args[0])))
elif cmd in ("area", "name", "tests"):
    print(faults(args[0])[int(args[1])][cmd])
elif cmd == "apply":
    f, tree = faults(args[0])[int(args[1])], args[2]
    if found(f, tree) != 1:
        sys.exit(1)
    path = os.path.join(tree, f["file"])
    text = open(path, encoding="utf-8").read()
    with open(saved(tree), "w", encoding="utf-8") as out:
        out.write(f["file"] + "\n" + text)
    open(path, "w", encoding="utf-8").write(text.replace(f["from"], f["to"], 1))
elif cmd == "restore":
    tree = args[0]
    if os.path.exists(saved(tree)):
        rel, _, text = open(saved(tree), encoding="utf-8").read().partition("\n")
        # Written anew, so that the build notices the file changed back.
        open(os.path.join(tree, rel), "w", encoding="utf-8").write(text)
        os.remove(saved(tree))
elif cmd == "chosen":
    area, name, wanted = args[0], args[1], args[2:]
    sys.exit(0 if any(w == area or w in name for w in wanted) else 1)
elif cmd == "record":
    path, table, verdict, name, by = args
    kept = {}
    for line in open(path, encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        kept[fields[2]] = fields
    area = next(f["area"] for f in faults(table) if f["name"] == name)
    kept[name] = [verdict, area, name, by]
    print("\t".join(kept[name]))
    names = [f["name"] for f in faults(table)]
    with open(path, "w", encoding="utf-8") as out:
        for n in names:
            if n in kept:
                out.write("\t".join(kept[n]) + "\n")
elif cmd == "score":
    kept = {}
    for line in open(args[0], encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        kept[fields[2]] = fields[0]
    areas = {}
    for f in faults(args[1]):
        a = areas.setdefault(f["area"], {"caught": 0, "survived": 0, "stale": 0, "unbuildable": 0, "not run": 0})
        a[kept.get(f["name"], "not run")] += 1
    total = [0, 0]
    print("\narea          caught / counted   (stale, unbuildable, not run)")
    for area, a in areas.items():
        counted = a["caught"] + a["survived"]
        total[0] += a["caught"]
        total[1] += counted
        share = f"{100 * a['caught'] / counted:5.1f} %" if counted else "    -  "
        print(f"{area:13} {a['caught']:3} / {counted:<3} {share}   ({a['stale']}, {a['unbuildable']}, {a['not run']})")
    if total[1]:
        print(f"{'overall':13} {total[0]:3} / {total[1]:<3} {100 * total[0] / total[1]:5.1f} %")
PY
tool() { python3 -c "$helper" "$@"; }

if [[ ${1:-} == --list ]]; then
  tool list "$faults" "$root"
  exit 0
fi

mkdir -p "$work"
# The table as it was at the start: it may be edited while the faults run.
cp "$faults" "$work/faults.txt"
faults=$work/faults.txt
# The copy matches the working tree (tracked and new files); files whose
# bytes did not change keep their times, so the rebuild stays incremental.
tool sync "$root" "$tree"

export CCACHE_DIR=${CCACHE_DIR:-/var/tmp/gxa-ccache}
export CCACHE_BASEDIR=$tree CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-8G}
build() {
  cmake -S "$tree" -B "$tree/build" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null &&
    cmake --build "$tree/build" -j2 >"$work/build.log" 2>&1
}
echo "mutants: building the unchanged copy"
if ! build; then
  echo "mutants: the unchanged tree does not build; see $work/build.log" >&2
  exit 2
fi
if ! ctest --test-dir "$tree/build" -j2 --stop-on-failure >"$work/ctest.log" 2>&1; then
  echo "mutants: the unchanged tree fails its tests; see $work/ctest.log" >&2
  exit 2
fi

# Whatever happens, the copy gets its original file back.
restore() { tool restore "$tree"; }
trap restore EXIT
trap 'restore; exit 130' INT TERM

# The last verdict of every fault, kept across runs, so that a run of a few
# faults still scores the whole table.
results=$work/results.txt
touch "$results"
count=$(tool count "$faults")
for ((i = 0; i < count; i++)); do
  area=$(tool area "$faults" "$i")
  name=$(tool name "$faults" "$i")
  if (($# > 0)) && ! tool chosen "$area" "$name" "$@"; then continue; fi
  if ! tool apply "$faults" "$i" "$tree"; then
    tool record "$results" "$faults" stale "$name" ""
    continue
  fi
  verdict=survived
  if ! build; then
    verdict=unbuildable
  else
    hint=$(tool tests "$faults" "$i")
    # The tests named for the fault first, then everything.
    if [[ -n $hint ]] && ! timeout 900 ctest --test-dir "$tree/build" -j2 -R "$hint" --stop-on-failure >"$work/ctest.log" 2>&1; then
      verdict=caught
    elif ! timeout 1800 ctest --test-dir "$tree/build" -j2 --stop-on-failure >"$work/ctest.log" 2>&1; then
      verdict=caught
    fi
  fi
  restore
  # The first test that failed, as the last column.
  by=""
  [[ $verdict == caught ]] && by=$(sed -n '/tests FAILED:/{n;s/.* - \([^ ]*\).*/\1/p;q}' "$work/ctest.log")
  tool record "$results" "$faults" "$verdict" "$name" "$by"
done
trap - EXIT INT TERM
# Back to the unchanged build, so that the next run starts from it.
build || true
tool score "$results" "$faults"
