#!/usr/bin/env python3
"""Fails when the project's own includes go round in a circle.

A unit is a file's path without its extension (a class's .h and .cpp are one unit).
Two checks: no two units reach each other through #include "…", and no two folders of
src/ reach each other (screens → shell → common, never back).
Usage: scripts/kruhy.py [root]  (root defaults to the project folder)
"""
import pathlib
import re
import sys

ZAHRNUTI = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def graf(koren):
    """Unit → the units it includes, for every .h/.cpp under src/ and tools/."""
    hrany = {}
    for slozka in ("src", "tools"):
        for soubor in sorted((koren / slozka).rglob("*")):
            if soubor.suffix not in (".h", ".cpp"):
                continue
            jednotka = soubor.relative_to(koren).with_suffix("").as_posix()
            cile = hrany.setdefault(jednotka, set())
            for nazev in ZAHRNUTI.findall(soubor.read_text(encoding="utf-8")):
                for zaklad in (soubor.parent, koren / "src", koren / "tools"):
                    cil = zaklad / nazev
                    if cil.is_file():
                        cile.add(cil.resolve().relative_to(koren.resolve()).with_suffix("").as_posix())
                        break
            cile.discard(jednotka)
    return hrany


def kruhy(hrany):
    """Strongly connected parts of more than one node (Tarjan, iterative)."""
    index, nizky, zasobnik, na_zasobniku, vysledek = {}, {}, [], set(), []
    for start in hrany:
        if start in index:
            continue
        prace = [(start, iter(sorted(hrany.get(start, ()))))]
        index[start] = nizky[start] = len(index)
        zasobnik.append(start)
        na_zasobniku.add(start)
        while prace:
            uzel, dalsi = prace[-1]
            for cil in dalsi:
                if cil not in index:
                    index[cil] = nizky[cil] = len(index)
                    zasobnik.append(cil)
                    na_zasobniku.add(cil)
                    prace.append((cil, iter(sorted(hrany.get(cil, ())))))
                    break
                if cil in na_zasobniku:
                    nizky[uzel] = min(nizky[uzel], index[cil])
            else:
                prace.pop()
                if prace:
                    nizky[prace[-1][0]] = min(nizky[prace[-1][0]], nizky[uzel])
                if nizky[uzel] == index[uzel]:
                    cast = []
                    while True:
                        clen = zasobnik.pop()
                        na_zasobniku.discard(clen)
                        cast.append(clen)
                        if clen == uzel:
                            break
                    if len(cast) > 1:
                        vysledek.append(sorted(cast))
    return vysledek


def slozky(hrany):
    """The same graph between the folders of src/."""
    def slozka(jednotka):
        casti = jednotka.split("/")
        return "/".join(casti[:2]) if casti[0] == "src" and len(casti) > 2 else None

    vysledek = {}
    for zdroj, cile in hrany.items():
        if slozka(zdroj):
            vysledek.setdefault(slozka(zdroj), set()).update(
                slozka(c) for c in cile if slozka(c) and slozka(c) != slozka(zdroj))
    return vysledek


def main():
    koren = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    hrany = graf(koren)
    nalezene = kruhy(hrany) + kruhy(slozky(hrany))
    for cast in nalezene:
        print("include circle: " + " ↔ ".join(cast), file=sys.stderr)
    return 1 if nalezene else 0


if __name__ == "__main__":
    sys.exit(main())
