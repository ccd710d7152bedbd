#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vesquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compiles the translations in po/*.po into the engine's table (engine/catalogue_table.h).

  po_to_cpp.py --template po/vesquin.pot --output catalogue_table.cpp ca=po/ca.po gl=po/gl.po ...

The languages come in the order of the engine's Language enum, Spanish (the source) left
out. Every entry of the template gets a row, translated or not. The build stops when a
translation loses or adds a placeholder, or when a file counts plurals otherwise than
Spanish does, since the engine's lookup assumes both."""

import argparse
import re
import sys

PLACEHOLDER = re.compile(r"\{([A-Za-z_][A-Za-z0-9_]*)\}")
PLURAL_FORMS = re.compile(r"^\s*nplurals\s*=\s*2\s*;\s*plural\s*=\s*\(?\s*n\s*!=\s*1\s*\)?\s*;?\s*$")
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "r": "\r"}


def unquote(literal, where):
    if len(literal) < 2 or literal[0] != '"' or literal[-1] != '"':
        sys.exit(f"{where}: expected a quoted string, found {literal!r}")
    body, text, i = literal[1:-1], [], 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            i += 1
            if i >= len(body) or body[i] not in ESCAPES:
                sys.exit(f"{where}: unknown escape in {literal!r}")
            text.append(ESCAPES[body[i]])
        else:
            text.append(c)
        i += 1
    return "".join(text)


def read_po(path):
    """The entries of a PO file as dicts: context, id, plural, forms, fuzzy; plus its header."""
    entries, entry, field, fuzzy = [], {}, None, False

    def finish():
        nonlocal entry, field, fuzzy
        if "id" in entry:
            entry["fuzzy"] = fuzzy
            entries.append(entry)
        entry, field, fuzzy = {}, None, False

    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            where = f"{path}:{number}"
            line = line.strip()
            if not line:
                finish()
                continue
            if line.startswith("#~"):
                continue  # obsolete entries are kept for translators, never used
            if line.startswith("#"):
                if "id" in entry or "context" in entry:
                    finish()
                # "#, fuzzy, no-c-format": flags are separated by a comma and a blank.
                if line.startswith("#,") and "fuzzy" in (flag.strip() for flag in line[2:].split(",")):
                    fuzzy = True
                continue
            keyword, _, rest = line.partition(" ")
            if line.startswith('"'):
                if field is None:
                    sys.exit(f"{where}: a continuation line with nothing to continue")
                key, index = field
                if index is None:
                    entry[key] += unquote(line, where)
                else:
                    entry[key][index] += unquote(line, where)
                continue
            if keyword == "msgctxt":
                if "id" in entry:
                    finish()
                entry["context"] = unquote(rest, where)
                field = ("context", None)
            elif keyword == "msgid":
                if "id" in entry:
                    finish()
                entry["id"] = unquote(rest, where)
                field = ("id", None)
            elif keyword == "msgid_plural":
                entry["plural"] = unquote(rest, where)
                field = ("plural", None)
            elif keyword == "msgstr":
                entry["forms"] = [unquote(rest, where)]
                field = ("forms", 0)
            elif keyword.startswith("msgstr["):
                index = int(keyword[7:-1])
                forms = entry.setdefault("forms", [])
                while len(forms) <= index:
                    forms.append("")
                forms[index] = unquote(rest, where)
                field = ("forms", index)
            else:
                sys.exit(f"{where}: unknown line {line!r}")
    finish()
    header = next((e for e in entries if e["id"] == "" and "context" not in e), None)
    return [e for e in entries if e["id"] != "" or "context" in e], header


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def cpp_string(text):
    out = ['"']
    for c in text:
        if c == '"':
            out.append('\\"')
        elif c == "\\":
            out.append("\\\\")
        elif c == "\n":
            out.append("\\n")
        elif c == "\t":
            out.append("\\t")
        elif ord(c) < 0x20:
            out.append(f'" "\\x{ord(c):02x}" "')
        else:
            out.append(c)
    out.append('"')
    return "std::string_view{" + "".join(out) + ", " + str(len(text.encode("utf-8"))) + "}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("languages", nargs="+", help="code=path.po, in the engine's order")
    arguments = parser.parse_args()

    template, _ = read_po(arguments.template)
    keys = sorted({(e.get("context", ""), e["id"]): e.get("plural", "") for e in template}.items(),
                  key=lambda item: (item[0][0].encode("utf-8"), item[0][1].encode("utf-8")))
    problems = []
    translations = []
    for pair in arguments.languages:
        code, _, path = pair.partition("=")
        entries, header = read_po(path)
        forms_line = next((l for l in (header or {}).get("forms", [""])[0].split("\n")
                           if l.startswith("Plural-Forms:")), "")
        if forms_line and not PLURAL_FORMS.match(forms_line[len("Plural-Forms:"):]):
            problems.append(f"{path}: {forms_line!r}: the engine counts plurals as n != 1")
        table = {}
        for e in entries:
            if e["fuzzy"]:
                continue
            key = (e.get("context", ""), e["id"])
            forms = (e.get("forms", []) + ["", ""])[:2]
            if not e.get("plural"):
                forms[1] = ""
            for form, source in zip(forms, [e["id"], e.get("plural") or e["id"]]):
                if form and placeholders(form) != placeholders(source):
                    problems.append(f"{path}: «{form}» has the placeholders {placeholders(form)}, "
                                    f"its source «{source}» has {placeholders(source)}")
            table[key] = forms
        translations.append((code, table))
    if problems:
        sys.exit("\n".join(problems))

    rows = []
    for (context, ident), plural in keys:
        forms = ", ".join("{" + ", ".join(cpp_string(f) for f in table.get((context, ident), ["", ""])) + "}"
                          for _, table in translations)
        rows.append(f"    {{{cpp_string(context)}, {cpp_string(ident)}, {cpp_string(plural)}, {{{{{forms}}}}}}},")
    with open(arguments.output, "w", encoding="utf-8") as out:
        out.write("// Written by cmake/po_to_cpp.py from po/*.po; edit those, not this.\n")
        out.write('#include "catalogue_table.h"\n\nnamespace vesquin {\nnamespace {\n\n')
        out.write(f"// Languages, after Spanish: {', '.join(code for code, _ in translations)}.\n")
        out.write(f"static_assert(kTranslatedLanguages == {len(translations)});\n\n")
        out.write("constexpr CatalogueEntry kEntries[] = {\n")
        out.write("\n".join(rows) if rows else '    {{}, {}, {}, {}},')
        out.write("\n};\n\n}  // namespace\n\n")
        count = len(rows)
        out.write("std::span<const CatalogueEntry> CatalogueEntries() {\n")
        out.write(f"    return std::span<const CatalogueEntry>(kEntries, {count});\n}}\n\n}}  // namespace vesquin\n")


if __name__ == "__main__":
    main()
