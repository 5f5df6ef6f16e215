#!/usr/bin/env python3
"""Plants faults in the code one at a time and shows that the test suite fails
on each: a wrong constant, an off-by-one, a changed format or message, a
reader that stops early, a save that is not atomic, and so on.

    scripts/plant-faults.py [BUILD_DIR] [--only NAME]

For every fault: the text is replaced (it must stand exactly once in its
file), the test programs are rebuilt, CTest runs, and the file is put back
whatever happens. The table at the end names the tests that caught each
fault (BUILD_DIR/plant-faults.log lists all of them). Exit status 1 when a
fault was not caught or could not be planted.
Run it on a clean work tree with a configured build (scripts/test.sh or
cmake -S . -B build -G Ninja); it takes about a minute a fault on two cores.
"""

import os
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# (name, file, old text, new text)
FAULTS = [
    ("circle constant of the surface speed", "src/core/platform/units.h",
     "kSurfaceSpeedPi = 3.14157;", "kSurfaceSpeedPi = 3.14159;"),
    ("cutting time: seconds per minute", "src/core/document/timestudy.cpp",
     "cutLength / ipm * 60.0", "cutLength / ipm * 6.0"),
    ("sync renumbering on insert, off by one", "src/core/document/timestudy.cpp",
     "if (v > 1 && v >= at)", "if (v > 1 && v > at)"),
    ("sync renumbering on delete, off by one", "src/core/document/timestudy.cpp",
     "if (v > n) v = static_cast<std::int16_t>(v - 1);", "if (v >= n) v = static_cast<std::int16_t>(v - 1);"),
    ("time format picture", "src/core/engine/itemtextcache.h",
     'kTimeFormat[] = u"##0.00;;0.00";', 'kTimeFormat[] = u"##0.0;;0.00";'),
    ("message text: sync limit", "src/core/document/syncedit.cpp",
     '"The max number of syncs is 30 !"', '"The max number of syncs is 30!"'),
    ("reader stops one operation early", "src/core/document/rvxfile.cpp",
     "for (int i = 1; i <= count && !in.AtEnd(); ++i) {", "for (int i = 1; i < count && !in.AtEnd(); ++i) {"),
    ("save that is not atomic (old file cut before the write)", "src/core/platform/textfile.cpp",
     "bool WriteTextFileAtomically(const QString& path, const QString& text, FileError* error) {\n",
     "bool WriteTextFileAtomically(const QString& path, const QString& text, FileError* error) {\n"
     "  QFile::resize(path, 0);\n"),
    ("a tie between B and C goes to C", "src/core/engine/comparison.cpp",
     "if (b > 0 && b >= c) {", "if (b > 0 && b > c) {"),
    ("setup time of the second main post", "src/core/engine/comparison.cpp",
     "{machine.MainTools2List, kMainSpindle, ms.ToolSetTime2}", "{machine.MainTools2List, kMainSpindle, ms.ToolSetTime1}"),
    ("rounding halves up, not to even", "src/core/platform/numtext.cpp",
     "return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1;", "return lower + 1;"),
    ("Windows-1252 euro sign", "src/core/platform/textfile.cpp",
     "0x20AC, 0x0081,", "0x0080, 0x0081,"),
    ("profile names compared with case", "src/core/platform/profilefile.cpp",
     "QString Folded(const QString& name) { return name.toCaseFolded(); }",
     "QString Folded(const QString& name) { return name; }"),
    ("metric machine lengths", "src/core/machine/machinefile.cpp",
     "metric ? kMillimetresPerInch : 1.0", "metric ? 25.0 : 1.0"),
    ("list line: one blank before the tool", "src/core/mainwindow/mainwindowform.cpp",
     'QStringLiteral("  ") + op.ToolNo', 'QStringLiteral(" ") + op.ToolNo'),
    ("closing ends the program though the save failed", "src/core/mainwindow/mainwindowform.cpp",
     "return SaveStudy(ws_, prompter_, store_) == SaveOutcome::Saved;",
     "SaveStudy(ws_, prompter_, store_);\n  return true;"),
    ("recent files keep a path twice", "src/core/session/recentfiles.cpp",
     "if (entry != path && !entry.isEmpty()) list << entry;", "if (!entry.isEmpty()) list << entry;"),
    ("message text: replacing a file", "src/core/session/filedialogs.cpp",
     '"Do you want to replace the existing file \'"', '"Do you want to overwrite the existing file \'"'),
    ("header preview text", "src/core/session/filedialogs.cpp",
     'QStringLiteral("Cust=")', 'QStringLiteral("Customer=")'),
    ("a change does not set Dirty", "src/core/document/studychanges.cpp",
     "  if (!edit(study)) return false;\n  study.Dirty = true;\n", "  if (!edit(study)) return false;\n"),
    ("formula error mark", "src/core/expr/expressionevaluator.cpp",
     "expression.prepend(u'%');", "expression.prepend(u'#');"),
    ("message text: calculator division by zero", "src/core/shop/calculator.h",
     'kDivideByZero = QStringLiteral("Can\'t divide by zero");', 'kDivideByZero = QStringLiteral("Cannot divide by zero");'),
    ("production table without the bar load", "src/core/report/composereport.cpp",
     "f.CycleTotal / (row.Efficiency * 0.01) + f.BarLoadPerPart;", "f.CycleTotal / (row.Efficiency * 0.01);"),
    ("message text: parts catcher question", "src/core/engine/printchecks.cpp",
     'u"Do you want me to add it for you?";', 'u"Shall I add it for you?";'),
    ("unit conversion keeps three decimals", "src/core/cutting/unitconversion.cpp",
     'kind, direction), u"#.####");', 'kind, direction), u"#.###");'),
    ("cutting conditions: a typed surface speed above 2000 is not capped", "src/core/cutting/cuttingconditions.cpp",
     "if (S > kMaxSurfaceSpeed) S = kMaxSurfaceSpeed;", ""),
    ("Auto Set: the drill runs .05 past the hole", "src/core/autoset/autosetform.cpp",
     "Value(F::DR(4)) * pecks + 0.04));", "Value(F::DR(4)) * pecks + 0.05));"),
    ("header form stores the part name as the customer", "src/core/mainwindow/headerform.cpp",
     "h.Customer = texts_[kCustomer];", "h.Customer = texts_[kPartName];"),
    ("undo does not restore the syncs", "src/core/document/studyhistory.cpp",
     "  study.Syncs = state.Syncs;\n", ""),
    ("report line: setup time without its blank", "src/core/report/composereport.cpp",
     'QStringLiteral("Approximate Setup Time: ")', 'QStringLiteral("Approximate Setup Time:")'),
    ("roll tap factor", "src/core/shop/tapdrillform.cpp",
     "percent * 0.0068 * pitch", "percent * 0.0065 * pitch"),
    ("message text: CSV line rejected", "src/core/cutting/cutdatacsv.cpp",
     'QStringLiteral("wrong column count: ")', 'QStringLiteral("wrong number of columns: ")'),
    ("default bar length of a machine", "src/core/machine/machinefile.cpp",
     'QStringLiteral("BarLengthInch"), QStringLiteral("144")', 'QStringLiteral("BarLengthInch"), QStringLiteral("12")'),
    ("a main speed step of exactly 3000 is no change", "src/core/engine/rangetimes.cpp",
     "if (post < 20 && !livePrev && rpmDiff >= 3000) ++c[4];", "if (post < 20 && !livePrev && rpmDiff > 3000) ++c[4];"),
    ("recent files keep ten", "src/core/session/recentfiles.h",
     "kMaxRecentFiles = 9;", "kMaxRecentFiles = 10;"),
    ("timeline: a spindle waits from the start of the group", "src/core/report/timeline.cpp",
     "at + own, at + slot});", "at, at + slot});"),
    ("cutting data editor: after a delete the row before is current", "src/core/cutting/cutdataforms.cpp",
     "  MoveTo(at);\n  return true;", "  MoveTo(at - 1);\n  return true;"),
    ("print preview: a page number with blanks is refused", "src/core/report/printpreviewform.cpp",
     "text->trimmed().toInt(&whole)", "text->toInt(&whole)"),
    ("text files written with LF line ends", "src/core/platform/textfile.cpp",
     'text += QStringLiteral("\\r\\n");', 'text += QStringLiteral("\\n");'),
    ("time-study writer stops one sync early", "src/core/document/rvxfile.cpp",
     "for (; k <= kMaxSyncs && study.Sync(side, k) != 0; ++k)", "for (; k < kMaxSyncs && study.Sync(side, k) != 0; ++k)"),
]

TEST_DIRS = [d for d in (ROOT / "tests" / "core").iterdir() if d.is_dir()] + [ROOT / "tests" / "cli", ROOT / "tests" / "gui"]


def test_targets():
    names = []
    for d in TEST_DIRS:
        if any(d.rglob("*.cpp")):
            names.append("test_" + d.name)
    return names


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=ROOT, text=True, capture_output=True, **kw)


def main():
    args = sys.argv[1:]
    only = None
    if "--only" in args:
        i = args.index("--only")
        only = args[i + 1]
        del args[i:i + 2]
    build = args[0] if args else "build"
    if not (ROOT / build / "build.ninja").exists():
        print(f"no configured build in {build}; run cmake -S . -B {build} -G Ninja first", file=sys.stderr)
        return 2
    targets = test_targets()
    build_cmd = ["cmake", "--build", build, "-j", str(os.cpu_count() or 2), "--target", *targets]
    if run(build_cmd).returncode != 0:
        print("the unchanged tree does not build", file=sys.stderr)
        return 2
    (ROOT / build / "plant-faults.log").write_text("", encoding="utf-8")
    results = []

    def note(*result):
        results.append(result)
        print(f"{result[1]:>11}  {result[0]}  {result[2]}", flush=True)

    for name, file, old, new in FAULTS:
        if only and only not in name:
            continue
        path = ROOT / file
        original = path.read_text(encoding="utf-8")
        if original.count(old) != 1:
            note(name, "NOT PLANTED", f"the text stands {original.count(old)} times in {file}")
            continue
        try:
            path.write_text(original.replace(old, new), encoding="utf-8")
            built = run(build_cmd)
            if built.returncode != 0:
                note(name, "caught", "by the compiler")
                continue
            tests = run(["ctest", "--test-dir", build, "-j", str(os.cpu_count() or 2), "--timeout", "300"])
            # A crash or a timeout catches a fault as well as a failed check.
            failed = re.findall(r"^\s*\d+ - (\S+) \((?:Failed|SEGFAULT|Subprocess aborted|Timeout|"
                                r"Exception|Child aborted|ILLEGAL|BUS|Not Run)", tests.stdout, re.M)
            if tests.returncode == 0 or not failed:
                note(name, "NOT CAUGHT", "")
            else:
                shown = ", ".join(failed[:3]) + (f" and {len(failed) - 3} more" if len(failed) > 3 else "")
                note(name, "caught", f"by {len(failed)}: {shown}")
                with open(ROOT / build / "plant-faults.log", "a", encoding="utf-8") as log:
                    log.write(f"{name}: {' '.join(failed)}\n")
        finally:
            path.write_text(original, encoding="utf-8")
    run(build_cmd)
    print()
    print(f"{'':>11}  {len(results)} faults planted, "
          f"{sum(1 for r in results if r[1] == 'caught')} caught")
    return 0 if all(r[1] == "caught" for r in results) else 1


if __name__ == "__main__":
    sys.exit(main())
