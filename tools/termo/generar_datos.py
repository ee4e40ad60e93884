#!/usr/bin/env python3
"""Writes src/model/termo_datos.cpp from the tables of data/thermo/.

Run by hand after the data change:  python3 tools/termo/generar_datos.py
Only what the program needs goes into the source: the compounds with their
Antoine constants, handbook boiling point, program names and UNIFAC groups;
the subgroups they use; the interaction parameters among their main groups;
the critical constants, melting points and enthalpies of vaporization, each
row with the sources of its numbers beside it. Numbers are copied as written
in the tables, never reformatted.
"""

import pathlib
import re
import sys
import textwrap
import unicodedata

RAIZ = pathlib.Path(__file__).resolve().parents[2]
DATOS = RAIZ / "data" / "thermo"
SALIDA = RAIZ / "src" / "model" / "termo_datos.cpp"
MAX_GRUPOS = 3

# The sources, one line each: the comment block of the generated file and the
# text of fuentesTermo() (the About box, the manual).
FUENTES = [
    "Vapour pressures (Antoine): Poling, Prausnitz & O'Connell, The Properties of Gases and Liquids, "
    "5th ed., McGraw-Hill 2000, Appendix A.",
    "Antoine constants of ethylene glycol, formic acid, styrene and acetonitrile: Landolt-B\u00f6rnstein IV/20.",
    "Normal boiling points: CRC Handbook of Chemistry and Physics, 95th ed.",
    "UNIFAC parameters and groups: Hansen et al., Ind. Eng. Chem. Res. 30 (1991) 2352; "
    "Wittig et al., Ind. Eng. Chem. Res. 42 (2003) 183.",
    "UNIFAC model: Fredenslund, Jones & Prausnitz, AIChE J. 21 (1975) 1086.",
    "Critical temperatures and pressures: IUPAC series Vapor-Liquid Critical Properties of Elements and "
    "Compounds, J. Chem. Eng. Data, parts 2-5, 7, 9 and 10 (1995-2007); styrene: CRC Handbook, 95th ed.; "
    "water: IAPWS-95 (Wagner & Pru\u00df, J. Phys. Chem. Ref. Data 31 (2002) 387); critical pressure of "
    "formic acid: PSRK revision IV (Horstmann et al., Fluid Phase Equilib. 227 (2005) 157).",
    "Melting points and enthalpies of vaporization at the normal boiling point: CRC Handbook of Chemistry "
    "and Physics, 95th ed. (2014).",
    "Numbers as stored in github.com/CalebBell/chemicals (commit 82faef900dcf2b48537c31bcf1ab56c35bb79a1e) "
    "and github.com/CalebBell/thermo (commit 2bb466e98439c2395a004e7095d07f9b97a5a0f0), MIT licence.",
]


def leer_tsv(nombre):
    """The rows of a table as dictionaries keyed by the header."""
    lineas = [l for l in (DATOS / nombre).read_text(encoding="utf-8").splitlines()
              if l and not l.startswith("#")]
    cabecera = lineas[0].split("\t")
    return [dict(zip(cabecera, l.split("\t"))) for l in lineas[1:]]


def normalizar(nombre):
    """As the program normalises a typed name: trimmed, lower case, no accents."""
    plano = unicodedata.normalize("NFD", nombre.strip().lower())
    return "".join(c for c in plano if unicodedata.category(c) != "Mn")


def cadena(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def literal(texto, sangria):
    """A long string as adjacent literals, one per line."""
    trozos = textwrap.wrap(texto, 88, drop_whitespace=False, break_on_hyphens=False)
    return "\n".join(sangria + cadena(t) for t in trozos)


def grupos_de(texto):
    pares = [tuple(int(v) for v in p.split(":")) for p in texto.split()]
    if len(pares) > MAX_GRUPOS:
        sys.exit(f"more than {MAX_GRUPOS} subgroups: {texto}")
    return pares


def constantes_de(antoine):
    """The rows of the critical constants, in the compounds' order, each after a
    comment that cites its numbers; and the numbered list of those sources."""
    filas = leer_tsv("critical.tsv")
    if [(f["name"], f["cas"]) for f in filas] != [(f["name"], f["CAS"]) for f in antoine]:
        sys.exit("critical.tsv does not list the compounds of antoine.tsv in their order")
    fuentes, lineas = [], []

    def cita(fuente):
        if fuente not in fuentes:
            fuentes.append(fuente)
        return f"[{fuentes.index(fuente) + 1}]"

    for f in filas:
        entalpia = re.fullmatch(r"(.*), dvapH at Tb=([0-9.]+) K", f["source_dHvap"])
        if entalpia is None:
            sys.exit(f"no boiling temperature in the enthalpy source of {f['name']}")
        lineas.append(f"    // {f['name']}: Tc {cita(f['source_Tc'])}, Pc {cita(f['source_Pc'])}, "
                      f"Tm {cita(f['source_Tm'])}, dHvap {cita(entalpia.group(1))}")
        lineas.append(f"    {{{f['Tc_K']}, {f['Pc_kPa']}, {f['Tm_K']}, {f['dHvap_Tb_kJmol']}, {entalpia.group(2)}}},")
    citas = []
    for i, fuente in enumerate(fuentes):
        citas += textwrap.wrap(fuente, 96, initial_indent=f"// [{i + 1}] ", subsequent_indent="//     ",
                               break_on_hyphens=False)
    return citas, lineas


def main():
    antoine = leer_tsv("antoine.tsv")
    grupos = {f["CAS"]: f for f in leer_tsv("unifac-groups.tsv")}
    subgrupos = {int(f["subgroup"]): f for f in leer_tsv("unifac-subgroups.tsv")}

    compuestos, nombres, usados = [], [], set()
    for i, f in enumerate(antoine):
        g = grupos.get(f["CAS"])
        if g is None or g["name"] != f["name"]:
            sys.exit(f"no UNIFAC groups for {f['name']} ({f['CAS']})")
        pares = grupos_de(g["subgroup_ids(id:count)"])
        usados.update(s for s, _ in pares)
        pares += [(0, 0)] * (MAX_GRUPOS - len(pares))
        texto_grupos = ", ".join(f"{{{s}, {c}}}" for s, c in pares)
        compuestos.append(
            f"    {{{cadena(f['name'])}, {cadena(f['CAS'])}, "
            f"{{{f['A']}, {f['B']}, {f['C']}, {f['Tmin_K']}, {f['Tmax_K']}}}, {f['Tb_ref_K']}, "
            f"{{{{{texto_grupos}}}}}}},")
        nombres.append("    " + " ".join(f"{{{cadena(normalizar(n))}, {i}}}," for n in f["program_names"].split(";")))

    principales = {int(subgrupos[s]["main_group"]) for s in usados}
    filas_sub = [f"    {{{s}, {subgrupos[s]['main_group']}, {subgrupos[s]['R']}, {subgrupos[s]['Q']}}},"
                 for s in sorted(usados)]
    interacciones = sorted((int(f["m"]), int(f["n"]), f["a_mn_K"]) for f in leer_tsv("unifac-interactions.tsv")
                           if int(f["m"]) in principales and int(f["n"]) in principales)
    por_linea = 6
    filas_int = ["    " + " ".join(f"{{{m}, {n}, {a}}}," for m, n, a in interacciones[i:i + por_linea])
                 for i in range(0, len(interacciones), por_linea)]

    citas, constantes = constantes_de(antoine)

    cabecera = ["// GENERATED by tools/termo/generar_datos.py from data/thermo/: do not edit.", "//", "// Sources:"]
    for f in FUENTES:
        cabecera += textwrap.wrap(f, 96, initial_indent="// - ", subsequent_indent="//   ",
                                  break_on_hyphens=False)
    partes = [
        *cabecera, "",
        '#include "model/termo.h"\n#include "model/termo_datos.h"\n',
        "namespace quillon::termo {\n",
        "std::span<const std::string_view> fuentesTermo()\n{",
        "    static constexpr std::string_view kFuentes[] = {",
        *[literal(f, "        ") + "," for f in FUENTES],
        "    };\n    return kFuentes;\n}\n",
        "}  // namespace quillon::termo\n",
        "namespace quillon::termo::datos {\nnamespace {\n",
        "// name, CAS, {A, B, C, Tmin, Tmax}, handbook Tb, {subgroup, count}",
        "constexpr CompuestoTermo kCompuestos[] = {", *compuestos, "};\n",
        "constexpr NombrePrograma kNombres[] = {", *nombres, "};\n",
        "// number, main group, R, Q",
        "constexpr Subgrupo kSubgrupos[] = {", *filas_sub, "};\n",
        "// m, n, a_mn (K)",
        "constexpr Interaccion kInteracciones[] = {", *filas_int, "};\n",
        "// Tc (K), Pc (kPa), melting point Tm (K), enthalpy of vaporization (kJ/mol) at the",
        "// boiling temperature (K) its source gives it for, from data/thermo/critical.tsv. Sources:",
        *citas,
        "constexpr ConstantesFisicas kConstantes[] = {", *constantes, "};\n",
        "}  // namespace\n",
        "std::span<const CompuestoTermo> compuestos() { return kCompuestos; }",
        "std::span<const NombrePrograma> nombresPrograma() { return kNombres; }",
        "std::span<const Subgrupo> subgrupos() { return kSubgrupos; }",
        "std::span<const Interaccion> interacciones() { return kInteracciones; }",
        "std::span<const ConstantesFisicas> constantesFisicas() { return kConstantes; }\n",
        "}  // namespace quillon::termo::datos",
    ]
    SALIDA.write_text("\n".join(partes) + "\n", encoding="utf-8")
    print(f"{SALIDA.relative_to(RAIZ)}: {len(compuestos)} compounds, "
          f"{len(filas_sub)} subgroups, {len(interacciones)} interaction parameters")


if __name__ == "__main__":
    main()
