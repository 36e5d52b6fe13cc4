#!/usr/bin/env python3
"""Mutation testing for Skyvane: how many small planted faults does the test suite catch?

Copies the commit at HEAD into a scratch folder (build-mutants/<commit>/, re-used by later runs
of the same commit), builds it there once and checks that the tests pass. It then plants one
fault at a time in the production code (game/, input/, platform/, drawing/, net/, ui/),
rebuilds incrementally and runs ctest without the tests that need a display server or the
packaging tools, and without the net game's runs over links with delay, of which the run with
none stands for all. A mutant is KILLED when a test fails or times out, SURVIVED when every test passes and
STILLBORN when it does not build; the score is killed out of the mutants that build.

Faults: relational (< <=, > >=, == !=), arithmetic (+ -, * /, % /), logical (&& ||), removing
a unary !, integer literals (n+1, n-1), true/false, compound assignments (+= -=, *= /=), and
deleting an expression statement that calls or assigns inside a function body.

Run from anywhere in the checkout, which is only read:
    python3 tools/mutants.py --n 120 --seed 1
    python3 tools/mutants.py --list --n 20 --files 'game/*.cpp'
The sample depends only on the commit, --files, --n and --seed.
"""

import argparse, fnmatch, json, os, random, re, shutil, signal, subprocess, sys, time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEFAULT_FILES = [f"{d}/*.{e}" for d in ("game", "input", "platform", "drawing", "net", "ui") for e in ("cpp", "h")]

KEYWORDS = set("""alignas alignof asm auto bool break case catch char char8_t char16_t char32_t class
concept const consteval constexpr constinit const_cast continue co_await co_return co_yield decltype
default delete do double dynamic_cast else enum explicit export extern false float for friend goto if
inline int long mutable namespace new noexcept nullptr operator private protected public register
reinterpret_cast requires return short signed sizeof static static_assert static_cast struct switch
template this thread_local throw true try typedef typeid typename union unsigned using virtual void
volatile wchar_t while""".split())

TOKEN = re.compile(r"""
    (?P<ws>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<raw>(?:u8|[uUL])?R"(?P<delim>[^()\\\s]{0,16})\(.*?\)(?P=delim)")
  | (?P<string>(?:u8|[uUL])?"(?:\\.|[^"\\\n])*")
  | (?P<char>(?:u8|[uUL])?'(?:\\.|[^'\\\n])+')
  | (?P<number>\.?\d(?:[eEpP][+-]|'[0-9A-Za-z_]|[0-9A-Za-z_.])*)
  | (?P<ident>[A-Za-z_]\w*)
  | (?P<punct>>>=|<<=|<=>|->\*|\.\.\.|::|->|\+\+|--|<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%&|^]=|\.\*|\S)
""", re.S | re.X)
DIRECTIVE = re.compile(r"[ \t]*#(?:\\\n|[^\n])*")
INTEGER = re.compile(r"(0[xX][0-9a-fA-F']+|0[bB][01']+|[1-9][0-9']*|0)([uUlLzZ]*)")
SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "+": "-", "-": "+",
         "*": "/", "/": "*", "%": "/", "&&": "||", "||": "&&", "+=": "-=", "-=": "+=",
         "*=": "/=", "/=": "*=", "true": "false", "false": "true"}
KINDS = {"<": "relational", "<=": "relational", ">": "relational", ">=": "relational",
         "==": "relational", "!=": "relational", "+": "arithmetic", "-": "arithmetic",
         "*": "arithmetic", "/": "arithmetic", "%": "arithmetic", "&&": "logical", "||": "logical",
         "+=": "compound", "-=": "compound", "*=": "compound", "/=": "compound",
         "true": "boolean", "false": "boolean"}
ASSIGN = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="}


class Tok:
    def __init__(self, kind, text, start, end):
        self.kind, self.text, self.start, self.end = kind, text, start, end


def tokenize(text):
    """Tokens of C++ source without whitespace, comments and preprocessor lines."""
    toks, pos, line_start = [], 0, True
    while pos < len(text):
        if line_start and (d := DIRECTIVE.match(text, pos)):
            pos = d.end()
            continue
        m = TOKEN.match(text, pos)
        kind = m.lastgroup if m.lastgroup != "delim" else "raw"
        if kind == "ws":
            line_start = line_start or "\n" in m.group()
        elif kind != "comment":
            toks.append(Tok(kind, m.group(), m.start(), m.end()))
            line_start = False
        pos = m.end()
    return toks


def find_sites(path, text):
    """Every mutation of one file as (path, start, end, replacement, kind)."""
    toks = tokenize(text)
    match, opened = {}, []
    for i, t in enumerate(toks):
        if t.text in "([{":
            opened.append(i)
        elif t.text in ")]}" and opened:
            match[opened.pop()] = i
    text_at = lambda i: toks[i].text if 0 <= i < len(toks) else ""
    operand_end = lambda t: (t.kind in ("number", "string", "char", "raw") or t.text in (")", "]", "}")
                             or (t.kind == "ident" and (t.text not in KEYWORDS or t.text == "this")))
    spaced = lambda t: text[t.start - 1:t.start].isspace() and text[t.end:t.end + 1].isspace()

    def template_close(i):
        # The > closing a template argument list opened by the < at i, or None for a comparison.
        depth, parens = 1, 0
        for j in range(i + 1, min(i + 40, len(toks))):
            s = toks[j].text
            if s in ("(", "["):
                parens += 1
            elif s in (")", "]"):
                parens -= 1
                if parens < 0:
                    return None
            elif s in (";", "{", "}", "&&", "||", "?", "=", "==", "!=", "<=", ">="):
                return None
            elif s == "<":
                depth += 1
            elif s in (">", ">>"):
                depth -= len(s)
                if depth <= 0:
                    return j
        return None

    def statement_end(i):
        # The ; ending the call or assignment statement starting at i, or None if it is not one.
        t = toks[i]
        if t.kind != "ident" or (t.text in KEYWORDS and t.text != "this"):
            return None
        j, call = i + 1, False
        while j < len(toks):
            s = text_at(j)
            if s in ("::", ".", "->") and j + 1 < len(toks) and toks[j + 1].kind == "ident" \
                    and toks[j + 1].text not in KEYWORDS:
                j, call = j + 2, False
            elif s in ("(", "[") and j in match:
                j, call = match[j] + 1, s == "("
            else:
                break
        if text_at(j) == ";":
            return j if call else None
        if text_at(j) not in ASSIGN:
            return None
        while j < len(toks) and text_at(j) != ";":
            j = match.get(j, j) + 1 if text_at(j) in "([{" else j + 1
        return j if j < len(toks) else None

    sites, stack, template, control, stmt_first = [], [], set(), set(), 0
    for i, t in enumerate(toks):
        prev, s = text_at(i - 1), t.text
        top = stack[-1][1] if stack else "other"
        # Where a statement of a function body starts, try deleting it.
        if top == "code" and (prev in (";", "{", "}", "else", "do") or i - 1 in control
                              or (prev == ":" and text_at(stmt_first) in ("case", "default"))):
            stmt_first = i
            end = statement_end(i)
            if end is not None:
                sites.append((path, t.start, toks[end].end, ";", "statement"))
        if s in ("(", "["):
            stack.append((i, "paren", prev))
            if prev in ("if", "while", "for", "switch") and i in match:
                control.add(match[i])
        elif s == "{":
            code = {")", "}", "]", "const", "override", "noexcept", "mutable"} if top == "other" else \
                   {")", "]", "mutable", "noexcept"} if top in ("paren", "init") else \
                   {")", "]", ";", "{", "}", ":", "else", "do", "try", "mutable", "noexcept"}
            kind = "code" if prev in code else "init" if top != "other" or prev in ("=", "(", ",") else "other"
            stack.append((i, kind, prev))
        elif s in (")", "]", "}") and stack:
            stack.pop()
        if prev == "operator" or any(kw in ("static_assert", "alignas") for _, k, kw in stack if k == "paren"):
            continue
        if s == "<" and toks[i - 1].kind == "ident" and (j := template_close(i)) is not None:
            template.update((i, j))
        if s in ("<", ">") and i in template:
            continue
        # Operator and literal mutations.
        binary = i > 0 and operand_end(toks[i - 1])
        near_string = toks[i - 1].kind in ("string", "raw") or text_at(i + 1).startswith(('"', 'R"'))
        if (s in ("<", "<=", ">", ">=", "==", "!=", "||", "*=", "/=", "true", "false")
                or (s in ("+", "-", "/", "%", "+=", "-=") and (binary or "=" in s) and not near_string)
                or (s in ("*", "&&") and binary and spaced(t))):
            sites.append((path, t.start, t.end, SWAPS[s], KINDS[s]))
        elif s == "!":
            sites.append((path, t.start, t.end, "", "negation"))
        elif t.kind == "number" and (m := INTEGER.fullmatch(s)):
            if s == "0" and prev == "=" and text_at(i + 1) == ";" and text_at(i - 2) in (")", "const", "override"):
                continue  # a pure virtual function
            digits, suffix = m.group(1).replace("'", ""), m.group(2)
            prefix = digits[:2] if digits[:2].lower() in ("0x", "0b") else ""
            form = {"": "d", "0b": "b", "0B": "b", "0X": "X"}.get(prefix, "x" if digits.islower() else "X")
            value = int(digits[len(prefix):], {"d": 10, "b": 2}.get(form, 16))
            for new in sorted({value + 1, value - 1} - {-1}):
                repl = prefix + format(new, form).zfill(len(digits) - len(prefix) if prefix else 1)
                sites.append((path, t.start, t.end, repl + suffix, "literal"))
    return sites


def run(cmd, timeout=None):
    """Runs cmd in its own process group; returns (exit status or None on timeout, output)."""
    p = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                         errors="replace", start_new_session=True)
    try:
        out, _ = p.communicate(timeout=timeout)
        return p.returncode, out
    except subprocess.TimeoutExpired:
        stop(p)
        return None, p.communicate()[0]
    except BaseException:
        stop(p)
        raise


def stop(p):
    # SIGTERM first: make then deletes the object it was writing, which would look up to date.
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(p.pid, sig)
            p.wait(10)
            return
        except ProcessLookupError:
            return
        except subprocess.TimeoutExpired:
            pass


def git(*args):
    return subprocess.run(["git", "-C", str(ROOT), *args], check=True, capture_output=True).stdout


def describe(text, site):
    """(line, column, original, one line for the report) of a mutant."""
    path, start, end, repl, kind = site
    line = text.count("\n", 0, start) + 1
    bol = text.rfind("\n", 0, start) + 1
    eol = text.find("\n", end) % (len(text) + 1)  # the end of the text when there is no newline
    short = lambda s, n: s if len(s) <= n else s[:n - 3] + "..."
    original = " ".join(text[start:end].split())
    # The mutated line, cut around the mutation so that long lines still show it.
    before, after = text[bol:start].lstrip(), text[start + len(text[start:end]):eol].rstrip()
    before = before if len(before) <= 30 else "..." + before[-27:]
    snippet = " ".join((before + repl + short(after, 40)).split())
    report = f"{path}:{line}: {short(original, 50)} -> {repl or '(removed)'}"
    report += f"  | {snippet}" if snippet != repl else ""
    return line, start - bol + 1, original, report


def setup(args, commit, sources):
    """The scratch copy of the commit, built, with its baseline test run passing."""
    copy = Path(args.scratch).resolve() / commit[:12]
    marker = copy / ".mutants-copy"
    if not marker.exists():
        shutil.rmtree(copy, ignore_errors=True)
        copy.mkdir(parents=True)
        print(f"copying {commit[:12]} to {copy}", flush=True)
        archive = subprocess.Popen(["git", "-C", str(ROOT), "archive", commit], stdout=subprocess.PIPE)
        subprocess.run(["tar", "-x", "-C", str(copy)], stdin=archive.stdout, check=True)
        if archive.wait() != 0:
            sys.exit("mutants: git archive failed")
        marker.write_text(commit + "\n")
    for path, original in sources.items():  # undo what an interrupted run may have left
        if (copy / path).read_bytes() != original:
            (copy / path).write_bytes(original)
    build = copy / "build"
    if not (build / "CMakeCache.txt").exists():
        print("configuring", flush=True)
        rc, out = run(["cmake", "-S", str(copy), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                       "-DBUILD_TESTING=ON", "-DSKYVANE_BENCHMARKS=OFF"])
        if rc != 0:
            sys.exit(f"{out[-3000:]}\nmutants: configuring the scratch copy failed")
    print(f"building in {build} (the first build takes minutes)", flush=True)
    begin = time.monotonic()
    rc, out = run(["cmake", "--build", str(build), f"-j{args.jobs}"])
    if rc != 0:
        sys.exit(f"{out[-3000:]}\nmutants: the unmutated copy does not build")
    print(f"built in {time.monotonic() - begin:.0f} s; baseline test run", flush=True)
    begin = time.monotonic()
    rc, out = run(ctest_command(args, build))
    if rc != 0:
        sys.exit(f"{out[-3000:]}\nmutants: the tests fail without any mutant; fix that first")
    print(f"baseline passed in {time.monotonic() - begin:.0f} s", flush=True)
    return copy


def ctest_command(args, build):
    return ["ctest", "--test-dir", str(build), "-E", args.exclude_tests, "--timeout", str(args.test_timeout),
            f"-j{args.jobs}", "--no-tests=error"]


def try_mutant(args, copy, text, original, site):
    """Builds and tests one mutant; returns (status, failed tests, build error). Leaves the file restored."""
    path, start, end, repl, _ = site
    target, build = copy / path, copy / "build"
    try:
        target.write_bytes((text[:start] + repl + text[end:]).encode())
        rc, out = run(["cmake", "--build", str(build), f"-j{args.jobs}"], args.build_timeout)
        if rc is None:
            return "stillborn", [], f"the build took over {args.build_timeout:g} s"
        if rc != 0:
            # A test program that crashes or hangs while its tests are listed fails the build.
            if "Error running test executable" in out:
                return "killed", [], ""
            return "stillborn", [], next((l.strip() for l in out.splitlines() if "error:" in l), out[-200:])
        rc, out = run(ctest_command(args, build))
        failures = out.split("The following tests FAILED:")[-1] if rc else ""
        failed = re.findall(r"^\s*\d+ - (\S+)", failures, re.M)
        return ("survived" if rc == 0 else "killed"), failed, ""
    finally:
        # The original bytes with a new time, so that make rebuilds what the mutant built;
        # an interruption waits until they are back.
        signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM})
        target.write_bytes(original)
        os.utime(target)
        signal.pthread_sigmask(signal.SIG_UNBLOCK, {signal.SIGINT, signal.SIGTERM})


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    option = lambda name, help, **kw: parser.add_argument(name, help=help + " (default: %(default)s)", **kw)
    option("--n", "how many mutants to sample, 0 for all", type=int, default=60)
    option("--seed", "seed of the sample", type=int, default=1)
    parser.add_argument("--files", action="append", metavar="GLOB",
                        help="production files to mutate, repeatable or comma-separated (default: "
                             + ",".join(DEFAULT_FILES) + ")")
    option("--jobs", "parallel build and test jobs", type=int, default=os.cpu_count() or 1)
    option("--build-timeout", "seconds for one incremental build", type=float, default=600)
    option("--test-timeout", "seconds for one test (ctest --timeout)", type=float, default=60)
    option("--exclude-tests", "regular expression of the tests left out (ctest -E)",
           default="xvfb|wayland|packaging|install|rtt60|rtt150")
    option("--scratch", "folder of the scratch copies", default=str(ROOT / "build-mutants"))
    parser.add_argument("--out", metavar="FILE", help="also write every result as JSON to FILE")
    parser.add_argument("--list", action="store_true", help="only print the sampled mutants; build nothing")
    args = parser.parse_args()
    globs = [g for arg in (args.files or DEFAULT_FILES) for g in arg.split(",") if g]

    try:
        commit = git("rev-parse", "HEAD").decode().strip()
        names = git("ls-tree", "-r", "--name-only", commit).decode().splitlines()
    except (subprocess.CalledProcessError, FileNotFoundError) as error:
        sys.exit(f"mutants: {ROOT} is not a git checkout: {error}")
    names = sorted(n for n in names if any(fnmatch.fnmatchcase(n, g) for g in globs))
    if not names:
        sys.exit(f"mutants: no file matches {', '.join(globs)}")
    sources = {n: git("show", f"{commit}:{n}") for n in names}
    texts = {n: data.decode() for n, data in sources.items()}
    sites = sorted(s for n in names for s in find_sites(n, texts[n]))
    sample = random.Random(args.seed).sample(sites, min(args.n, len(sites)) if args.n > 0 else len(sites))
    sample.sort()  # mutants of one file in a row rebuild less
    print(f"{len(sample)} of {len(sites)} mutants in {len(names)} files at {commit[:12]}, seed {args.seed}",
          flush=True)
    if args.list:
        for site in sample:
            print(f"{site[4]:10} {describe(texts[site[0]], site)[3]}")
        return 0

    copy = setup(args, commit, sources)
    results, begin = [], time.monotonic()
    for site in sample:
        started = time.monotonic()
        status, failed, error = try_mutant(args, copy, texts[site[0]], sources[site[0]], site)
        line, column, original, text = describe(texts[site[0]], site)
        print(f"{status.upper():9} {text}", flush=True)
        results.append({"path": site[0], "line": line, "column": column, "operator": site[4],
                        "original": original, "mutated": site[3], "status": status, "failed_tests": failed,
                        "build_error": error, "seconds": round(time.monotonic() - started, 1)})
    changed = [n for n in names if (copy / n).read_bytes() != sources[n]]
    if changed:
        sys.exit(f"mutants: the scratch copy differs from {commit[:12]} in {', '.join(changed)}")
    count = lambda s: sum(r["status"] == s for r in results)
    killed, built = count("killed"), count("killed") + count("survived")
    score = f"{100 * killed / built:.0f} %" if built else "none compiles"
    print(f"{len(results)} mutants in {time.monotonic() - begin:.0f} s")
    print(f"killed {killed} of {built} mutants that compile ({score}); {count('stillborn')} stillborn")
    if args.out:
        summary = {"commit": commit, "seed": args.seed, "n": args.n, "files": globs, "killed": killed,
                   "compiled": built, "stillborn": count("stillborn"), "results": results}
        Path(args.out).write_text(json.dumps(summary, indent=1, ensure_ascii=False) + "\n")
    return 0


def interrupted(signum, frame):
    raise KeyboardInterrupt


if __name__ == "__main__":
    # A termination (timeout(1), kill) unwinds like Ctrl+C: the build stops and the file is restored.
    signal.signal(signal.SIGTERM, interrupted)
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit("mutants: interrupted; the scratch copy holds no mutant")
