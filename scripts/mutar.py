#!/usr/bin/env python3
"""Mutants of src/model and src/formats, run through the plain C++
tests one at a time. Called by scripts/mutar.sh, which configures the build
folder and restores the tree should this process be killed outright."""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

CARPETAS = ["src/model", "src/formats"]
# Texts only: mutating them says nothing about the arithmetic or the grammar.
EXCLUIDOS = {"src/model/idioma.cpp", "src/model/idioma.h", "src/model/mensajes.h"}
PROGRAMAS = ["model_tests", "format_tests", "companion_tests"]
# Headers that hold arithmetic and that few files include: sampled as fully
# as a source file.
CABECERAS_DE_FORMULAS = {"src/model/composicion.h"}
OBJETIVOS = PROGRAMAS + ["quillon-table"]

# Mutants known to change nothing a program can observe, skipped so that the
# figure counts faults only. Each is (file, text of the line, operator).
EQUIVALENTES_CONOCIDOS = [
    # The buffer of a number's text is far larger than any number needs.
    ("src/model/formato.cpp", "char buf[64];", "constant"),
    ("src/formats/codificacion.cpp", "char buf[64];", "constant"),
]

# The operators, each a regular expression over the line with its comments,
# strings and characters blanked out, and what the match becomes.
OPERADORES = [
    ("compare", r" < ", " <= "),
    ("compare", r" <= ", " < "),
    ("compare", r" > ", " >= "),
    ("compare", r" >= ", " > "),
    ("compare", r" == ", " != "),
    ("compare", r" != ", " == "),
    ("arith", r" \+ ", " - "),
    ("arith", r" - ", " + "),
    ("arith", r" \* ", " / "),
    ("arith", r" / ", " * "),
    ("logic", r" && ", " || "),
    ("logic", r" \|\| ", " && "),
    ("negation", r"!(?=[\w(])", ""),
    ("unary-minus", r"(?<=[(,=?:] )-(?=[\w(.])|(?<=\()-(?=[\w(.])|(?<=return )-(?=[\w(.])", ""),
    ("abs", r"std::fabs(?=\()", ""),
    ("bool", r"\breturn true;", "return false;"),
    ("bool", r"\breturn false;", "return true;"),
]
NUMERO = re.compile(r"(?<![\w.])(0[xX][0-9A-Fa-f]+|\d+\.\d*|\d*\.\d+|\d+)([eE][-+]?\d+)?(?![\w.])")
CARACTER = re.compile(r"'(\\?.)'")


def cegar(linea, en_comentario):
    """The line with comments, strings and characters turned into blanks, so
    that operators are only looked for in code. Returns it and whether a block
    comment is still open at its end."""
    r = []
    i = 0
    n = len(linea)
    while i < n:
        if en_comentario:
            fin = linea.find("*/", i)
            if fin < 0:
                r.append(" " * (n - i))
                return "".join(r), True
            r.append(" " * (fin + 2 - i))
            i = fin + 2
            en_comentario = False
            continue
        c = linea[i]
        if linea.startswith("//", i):
            r.append(" " * (n - i))
            break
        if linea.startswith("/*", i):
            en_comentario = True
            continue
        if c in "\"'":
            j = i + 1
            while j < n and linea[j] != c:
                j += 2 if linea[j] == "\\" else 1
            r.append(c + " " * (min(j, n) - i - 1) + (c if j < n else ""))
            i = j + 1
            continue
        r.append(c)
        i += 1
    return "".join(r), en_comentario


def cambiar_digito(texto):
    """The constant with its last mantissa digit one up (9 becomes 8)."""
    if texto[:2] in ("0x", "0X"):
        d = int(texto[-1], 16)
        return texto[:-1] + "0123456789ABCDEF"[(d + 1) % 16]
    m = re.match(r"^(.*?)([eE][-+]?\d+)?$", texto)
    mantisa, exponente = m.group(1), m.group(2) or ""
    for k in range(len(mantisa) - 1, -1, -1):
        if mantisa[k].isdigit():
            d = int(mantisa[k])
            nuevo = str(d + 1) if d < 9 else "8"
            return mantisa[:k] + nuevo + mantisa[k + 1:] + exponente
    return None


def candidatos(root, ruta):
    """Every single-point change of one file: (line, column, length, new text,
    operator)."""
    texto = (root / ruta).read_text(encoding="utf-8").split("\n")
    r = []
    en_comentario = False
    for nl, linea in enumerate(texto):
        ciega, en_comentario = cegar(linea, en_comentario)
        if ciega.lstrip().startswith("#"):
            continue
        for nombre, patron, por in OPERADORES:
            # A "+" beside a string literal joins texts: "-" would not compile.
            if nombre == "arith" and '"' in ciega and "+" in patron:
                continue
            for m in re.finditer(patron, ciega):
                r.append((nl, m.start(), m.end() - m.start(), por, nombre))
        # A character the code compares with or writes: the next one instead.
        for m in CARACTER.finditer(linea):
            if ciega[m.start()] == "'" and not m.group(1).startswith("\\"):
                r.append((nl, m.start(), m.end() - m.start(), "'" + chr(ord(m.group(1)) + 1) + "'", "character"))
        for m in NUMERO.finditer(ciega):
            nuevo = cambiar_digito(m.group(0))
            if nuevo and nuevo != m.group(0):
                r.append((nl, m.start(), m.end() - m.start(), nuevo, "constant"))
    return texto, r


def muestra(root, limite_por_archivo):
    """The curated sample: in every file, mutants spread evenly over its
    candidates, known equivalents left out."""
    todos = []
    for carpeta in CARPETAS:
        for ruta in sorted((root / carpeta).glob("*")):
            rel = str(ruta.relative_to(root))
            if ruta.suffix not in (".cpp", ".h") or rel in EXCLUIDOS:
                continue
            lineas, cands = candidatos(root, rel)
            cands = [c for c in cands
                     if not any(rel == a and lineas[c[0]].strip() == l and c[4] == op
                                for a, l, op in EQUIVALENTES_CONOCIDOS)]
            if not cands:
                continue
            # Headers rebuild most of the project: fewer of them.
            completo = ruta.suffix == ".cpp" or rel in CABECERAS_DE_FORMULAS
            tope = limite_por_archivo if completo else max(2, limite_por_archivo // 3)
            paso = max(1.0, len(cands) / tope)
            elegidos = [cands[int(k * paso)] for k in range(min(tope, len(cands)))]
            for c in elegidos:
                todos.append((rel, lineas, c))
    return todos


def describir(rel, lineas, c):
    nl, col, largo, por, nombre = c
    linea = lineas[nl]
    antes = linea[col:col + largo]
    return f"{rel}:{nl + 1}: {nombre}: '{antes.strip() or antes}' -> '{por.strip() or '(removed)'}'  | {linea.strip()}"


def correr(orden, cwd, tope):
    try:
        p = subprocess.run(orden, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=tope)
        return p.returncode
    except subprocess.TimeoutExpired:
        return None


def construir(build, jobs):
    return correr(["cmake", "--build", str(build), "--target", *OBJETIVOS, "-j", str(jobs)], build, 1800) == 0


def probar(build):
    """True when every program passes. A program that hangs (an endless loop
    the fault made) counts as a failure."""
    for p in PROGRAMAS:
        r = correr([str(build / "tests" / p), "--gtest_brief=1"], build, 300)
        if r != 0:
            return False
    return True


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--build", required=True)
    ap.add_argument("--respaldo", required=True)
    ap.add_argument("--list", action="store_true")
    ap.add_argument("--only", default="")
    ap.add_argument("--limit", type=int, default=0)
    ap.add_argument("--per-file", type=int, default=8)
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    a = ap.parse_args()
    root, build, respaldo = Path(a.root), Path(a.build), Path(a.respaldo)

    mutantes = [m for m in muestra(root, a.per_file) if a.only in m[0]]
    if a.limit:
        mutantes = mutantes[:a.limit]
    if a.list:
        for rel, lineas, c in mutantes:
            print(describir(rel, lineas, c))
        print(f"{len(mutantes)} mutants")
        return 0

    actual = {"ruta": None, "original": None}

    def restaurar():
        if actual["ruta"] is not None:
            actual["ruta"].write_bytes(actual["original"])
            copia = respaldo / actual["ruta"].relative_to(root)
            if copia.exists():
                copia.unlink()
            actual["ruta"] = None

    def al_senal(num, _frame):
        restaurar()
        print(f"\ninterrupted (signal {num}); the tree is restored", file=sys.stderr)
        os._exit(128 + num)

    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, al_senal)

    print("building the unmutated tree ...", flush=True)
    if not construir(build, a.jobs) or not probar(build):
        print("the unmutated tree does not build or its tests fail: nothing to measure", file=sys.stderr)
        return 2

    muertos, vivos, sin_compilar = [], [], []
    inicio = time.time()
    try:
        for n, (rel, lineas, c) in enumerate(mutantes, 1):
            nl, col, largo, por, _ = c
            ruta = root / rel
            original = ruta.read_bytes()
            copia = respaldo / rel
            copia.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ruta, copia)
            actual["ruta"], actual["original"] = ruta, original
            mutada = list(lineas)
            mutada[nl] = lineas[nl][:col] + por + lineas[nl][col + largo:]
            ruta.write_text("\n".join(mutada), encoding="utf-8")
            try:
                d = describir(rel, lineas, c)
                if not construir(build, a.jobs):
                    sin_compilar.append(d)
                    estado = "does not compile"
                elif probar(build):
                    vivos.append(d)
                    estado = "SURVIVED"
                else:
                    muertos.append(d)
                    estado = "killed"
            finally:
                restaurar()
            print(f"[{n}/{len(mutantes)}] {estado}: {d}", flush=True)
    finally:
        restaurar()
        construir(build, a.jobs)  # leave the build folder matching the tree

    total = len(muertos) + len(vivos)
    print()
    print(f"killed {len(muertos)} / {total} mutants"
          + (f" ({100.0 * len(muertos) / total:.1f} %)" if total else "")
          + f"; {len(sin_compilar)} did not compile; {time.time() - inicio:.0f} s")
    if vivos:
        print("survivors:")
        for d in vivos:
            print("  " + d)
    return 0


if __name__ == "__main__":
    sys.exit(main())
