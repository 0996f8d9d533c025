#!/usr/bin/env python3
"""Writes dietlens/lang/text/*.h, the named text slots of forms 1 to 7, from the built-in
English texts in dietlens/lang/defaultlanguages.cpp, so every text is addressed by a name
that says what it holds while the table and index stay visible beside it; slotnames.h lists
them all with their names as text.

  scripts/textslots.py           writes the headers
  scripts/textslots.py --check   changes nothing; fails when a header differs from what it would write
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "dietlens/lang/defaultlanguages.cpp"
OUT = ROOT / "dietlens/lang/text"

# Table variable, table number, namespace, header, what the form is.
FORMS = [
    ("kMainScreen", 1, "Main", "main.h", "the main window"),
    ("kNewFoodItem", 2, "NewFoodItem", "newfooditem.h", "the new food item window"),
    ("kConnectionPopup", 3, "ConnectNotice", "connectnotice.h", "the connect-first notice"),
    ("kToTrayPopup", 4, "TrayNotice", "traynotice.h", "the tray notice"),
    ("kProperties", 5, "Settings", "settings.h", "the settings dialog"),
    ("kInformation", 6, "Information", "information.h", "the information window"),
    ("kFunctions", 7, "Functions", "functions.h", "messages and texts of the program's functions"),
]

# Slots whose text names a server or web site are filled from the hosts at run time.
HOST_SLOTS = {
    (1, 58): ("WebsiteAddress", "the maker's web site"),
    (2, 1): ("Introduction", "With this window you can rapidly add new food items ..."),
    (5, 20): ("UseTheDutchDatabase", "Use the Dutch database (host)"),
    (5, 21): ("UseTheEnglishDatabase", "Use the English database (host)"),
    (6, 3): ("ProductDescription", "Dietlens is a product of Quelmar. Dietlens uses the database of ..."),
    (7, 39): ("ContactUsAtOurWebsite", "You can contact us at our website (site)"),
}

STRING = re.compile(r'u"((?:[^"\\]|\\.)*)"')


def entries(source, variable):
    start = source.index(f"constexpr SlotText {variable}[] = {{")
    body = source[source.index("{", start) + 1:source.index("\n};", start)]
    out, depth, current = [], 0, ""
    for ch in body:
        if ch == "{":
            depth += 1
            if depth == 1:
                current = ""
                continue
        if ch == "}":
            depth -= 1
            if depth == 0:
                out.append(current)
                continue
        if depth >= 1:
            current += ch
    texts = []
    for entry in out:
        if entry.strip().startswith("nullptr"):
            texts.append(None)
            continue
        # The English text: the string literals before the comma that separates the two languages.
        english, rest = [], entry
        for m in STRING.finditer(entry):
            between = entry[:m.start()]
            if between.count(",") - sum(between[:i].count(",") for i in []) >= 1 and english:
                break
            english.append(m.group(1))
            if "," in entry[m.end():].split('u"', 1)[0]:
                break
        texts.append(bytes("".join(english), "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8"))
    return texts


def name_of(text):
    words = re.findall(r"[A-Za-z0-9]+", text.replace("'", ""))
    name = "".join(w[:1].upper() + w[1:] for w in words[:5])
    if not name:
        name = "Blank"
    if name[0].isdigit():
        name = "N" + name
    return name


def headers():
    source = SOURCE.read_text(encoding="utf-8")
    files = {}
    named = []  # (namespace, name) of every slot, table by table
    for variable, table, space, header, what in FORMS:
        texts = entries(source, variable)
        names = []
        for index, text in enumerate(texts):
            if (table, index) in HOST_SLOTS:
                names.append(HOST_SLOTS[(table, index)][0])
            else:
                names.append(name_of(text))
        counts = {n: names.count(n) for n in names}
        lines = [
            "#pragma once",
            "// Written by scripts/textslots.py from the built-in texts; do not edit by hand.",
            f"// The texts of {what}: table {table}, slot by slot, with the English text.",
            '#include "lang/languagetables.h"',
            "",
            "// clang-format off",
            f"namespace text::{space} {{",
            "",
        ]
        for index, (name, text) in enumerate(zip(names, texts)):
            if counts[name] > 1:
                name = f"{name}{index}"
            shown = HOST_SLOTS[(table, index)][1] if (table, index) in HOST_SLOTS else text
            shown = shown if len(shown) <= 60 else shown[:57] + "..."
            lines.append(f"inline constexpr TextSlot {name}{{{table}, {index}}}; // \"{shown}\"")
            named.append((space, name))
        lines += ["", f"}} // namespace text::{space}", "// clang-format on", ""]
        files[OUT / header] = "\n".join(lines)
    files[OUT / "slotnames.h"] = slot_names(named)
    return files


def slot_names(named):
    """Every named slot with its name as text, so code can go from a name to its slot and back."""
    lines = [
        "#pragma once",
        "// Written by scripts/textslots.py from the built-in texts; do not edit by hand.",
        '// Every named slot of tables 1 to 7 with its name as text ("Main::File"), by table and index.',
    ]
    lines += [f'#include "dietlens/lang/text/{form[3]}"' for form in sorted(FORMS, key=lambda f: f[3])]
    lines += [
        "",
        "// clang-format off",
        "namespace text {",
        "",
        "struct NamedSlot",
        "{",
        "    const char* name;",
        "    TextSlot slot;",
        "};",
        "",
        "inline constexpr NamedSlot kNamedSlots[] = {",
    ]
    lines += [f'    {{"{space}::{name}", {space}::{name}}},' for space, name in named]
    lines += ["};", "", "} // namespace text", "// clang-format on", ""]
    return "\n".join(lines)


def main():
    check = "--check" in sys.argv[1:]
    differ = []
    for path, text in headers().items():
        if check:
            if not path.exists() or path.read_text(encoding="utf-8") != text:
                differ.append(path)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")
    if differ:
        print("textslots: these headers differ from the built-in texts (scripts/textslots.py writes them):",
              file=sys.stderr)
        for p in differ:
            print(f"  {p.relative_to(ROOT)}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
