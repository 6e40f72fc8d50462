#!/usr/bin/env python3
"""Writes the colour controls of the main window's colour tabs.

The colour tabs hold 214 colour groups (picker, swatch, reset), their copy
buttons, row captions, headers, notes and lines: too many, and too regular,
to lay out by hand in the designer. This script describes every page as a
small table and writes the widgets into forms/mainwindow.ui.

Run it after changing a page below, from any folder:

    python3 forms/tools/gencolourtabs.py            # rewrites forms/mainwindow.ui
    python3 forms/tools/gencolourtabs.py --check    # exit 1 if the form is stale

The build uses the committed mainwindow.ui; this script is only a developer
tool and needs nothing but Python 3.9 or later.

On each colour page it replaces every child widget except the preview view
and the inner tab widget, so running it twice changes nothing. Everything
else in the form (frame, menus, actions, the Browser tab) is left as it is.

Widget names are an interface: the window's slots are connected to the
buttons by object name, and the colour code finds the swatches by name, so
the irregular names below (zone1color_label, d2_knobin_label,
d1_faderfadder2_reset, d1_jogneeedle_color, d1_vuoffl_label, ...) are kept
letter for letter.
"""

import argparse
import os
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

FORM = Path(__file__).resolve().parent.parent / "mainwindow.ui"

# ---------------------------------------------------------------------------
# Widget kinds

PICKER, SWATCH, RESET, COPY, LABEL, HLINE, VLINE = (
    "picker", "swatch", "reset", "copy", "label", "hline", "vline")


def widget(kind, name, x, y, w, h, text=None, **extra):
    return dict(kind=kind, name=name, rect=(x, y, w, h), text=text, **extra)


def label(name, x, y, w, text, h=20, font=False):
    return widget(LABEL, name, x, y, w, h, text, font=font)


def hline(name, x, y, w, h=3):
    return widget(HLINE, name, x, y, w, h)


def vline(name, x, y, h, w=3):
    return widget(VLINE, name, x, y, w, h)


def group(stem, text, y, picker, swatch, reset, *, swatchname=None, pickername=None,
          resetname=None, swatchmax=True, swatchy=None):
    """One colour group: picker, swatch and reset side by side.

    picker = (x, width), swatch = (x, width), reset = (x, height); the picker
    is 23 high, the swatch 21, the reset 16 wide.
    """
    px, pw = picker
    sx, sw = swatch
    rx, rh = reset
    return [
        widget(PICKER, pickername or stem + "_color", px, y, pw, 23, text),
        widget(SWATCH, swatchname or stem + "_label", sx, y if swatchy is None else swatchy,
               sw, 21, maxsize=swatchmax),
        widget(RESET, resetname or stem + "_reset", rx, y, 16, rh, "x"),
    ]


def copy(stem1, x, y):
    """The ">" button that copies colour 1 of a gradient pair into colour 2."""
    return [widget(COPY, stem1 + "_to2", x, y, 16, 23, ">")]


ROWS = (30, 60, 90, 120)

# ---------------------------------------------------------------------------
# The Background page


def background_page():
    w = [label("label_3", 10, 4, 271, "Select a color for skin background :")]
    w += group("skinback", "Skin Background", 27, (5, 91), (100, 40), (144, 21))
    w += group("topbar", "Top Bar", 27, (191, 71), (266, 40), (310, 21))
    w += [label("label_8", 160, 46, 71, "Draw Zones"),
          widget(PICKER, "pushButton_3", 360, 47, 41, 23, "Reload"),
          hline("line_12", 10, 58, 140),
          hline("line_13", 235, 58, 125)]

    def zone(n, text, y, picker_x, swatch, reset, swatchmax=True):
        # Zone 1 has no number in its picker's or reset's name.
        number = "" if n == 1 else str(n)
        return group(f"zone{n}", text, y, (picker_x, 91), swatch, reset,
                     pickername=f"zone{number}backcolor",
                     swatchname=f"zone{n}color_label",
                     resetname=f"resetzone{number}back", swatchmax=swatchmax)

    w += zone(1, "Draw Zone 1", 65, 5, (100, 40), (144, 23))
    w += zone(3, "Draw Zone 3", 65, 170, (265, 41), (309, 21), swatchmax=False)
    w += [vline("line_11", 333, 65, 95)]
    # Zone 2's swatch and reset sit one pixel above its picker.
    zone2 = zone(2, "Draw Zone 2", 90, 5, (100, 40), (144, 23))
    zone2[1]["rect"] = (100, 89, 40, 21)
    zone2[2]["rect"] = (144, 89, 16, 23)
    w += [zone2[1], zone2[2], zone2[0]]
    w += zone(4, "Draw Zone 4", 90, 170, (265, 41), (309, 21))
    # The border group stands apart: its picker above its swatch and reset.
    w += [widget(PICKER, "zoneborder_color", 340, 93, 58, 23, "Border")]
    w += zone(5, "Draw Zone 5-L", 115, 5, (100, 41), (144, 21))
    w += zone(6, "Draw Zone 5-R", 115, 170, (265, 41), (310, 21))
    w += [widget(SWATCH, "zoneborder_label", 340, 120, 41, 21, maxsize=False),
          widget(RESET, "zoneborder_reset", 383, 120, 16, 21, "x")]
    w += zone(7, "Draw Zone 6-L", 140, 5, (100, 41), (144, 21))
    w += zone(8, "Draw Zone 6-R", 140, 170, (265, 41), (310, 21))
    return w


# ---------------------------------------------------------------------------
# The grid of the Buttons, Drop Downs and Knobs pages

GRID_COLUMNS = {1: ((55, 71), 131, 175), 2: ((215, 61), 280, 325), 3: ((365, 71), 440, 485)}


def caption_width(text):
    return {"Off": 21, "On": 21, "Over": 31}.get(text, 41)


def grid_page(scope, header, header_text, captions, rows, copy_x, swatchnames=None):
    """rows: (caption, column 1, has copy, column 2, column 3); a column is
    (part, picker text) or None; captions: the caption labels' names."""
    swatchnames = swatchnames or {}
    w = [label(header, 10, 5, 271, header_text)]
    for y, caption_name, (caption, col1, has_copy, col2, col3) in zip(ROWS, captions, rows):
        w.append(label(caption_name, 5, y, caption_width(caption), caption))
        for column, cell in ((1, col1), (2, col2), (3, col3)):
            if cell is None:
                continue
            if column == 2 and has_copy:
                w += copy(scope + col1[0], copy_x, y)
            part, text = cell
            picker, swatch_x, reset_x = GRID_COLUMNS[column]
            # Column 1 and the text row use the narrow swatch with the tall reset.
            narrow = column == 1 or caption == "Text"
            w += group(scope + part, text, y, picker, (swatch_x, 40 if narrow else 41),
                       (reset_x, 23 if narrow else 21),
                       swatchname=swatchnames.get(part))
    return w


def state_rows(element):
    return [
        ("Off", (element + "off1", "Fill"), True, (element + "off2", "To"), (element + "offborder", "Border")),
        ("Over", (element + "over1", "Fill"), True, (element + "over2", "To"), (element + "overborder", "Border")),
        ("On", (element + "on1", "Fill"), True, (element + "on2", "To"), (element + "onborder", "Border")),
        ("Text", (element + "textoff", "Off"), False, (element + "textover", "Over"), (element + "texton", "On")),
    ]


KNOB_ROWS = [
    ("Knob", ("knobin1", "From"), True, ("knobin2", "To"), ("knobinborder", "Border")),
    ("Ring:", ("knobringoff", "Off"), False, ("knobringon", "On"), None),
    ("Fader", ("knobfader1", "Color"), False, None, None),
    ("Text", ("knobtext", "Color"), False, None, None),
]


def button_pages():
    header = "Select Colors when button is :"
    return {
        "tab_7": grid_page("d1_", "label_11", header, ["label_14", "label_16", "label_18", "label_22"], state_rows("button"), 196),
        "tab_5": grid_page("d2_", "label_37", header, ["label_36", "label_34", "label_28", "label_35"], state_rows("button"), 196),
        "tab_6": grid_page("m_", "label_59", header, ["label_55", "label_56", "label_57", "label_58"], state_rows("button"), 196),
    }


def drop_pages():
    header = "Select Colors when Drop-Down is :"
    return {
        "tab_18": grid_page("d1_", "label_138", header, ["label_70", "label_71", "label_69", "label_68"], state_rows("dsp"), 197),
        "tab_19": grid_page("d2_", "label_143", header, ["label_141", "label_140", "label_139", "label_142"], state_rows("dsp"), 197),
        "tab_20": grid_page("m_", "label_152", header, ["label_145", "label_147", "label_146", "label_144"], state_rows("dsp"), 197),
        "tab_21": grid_page("v_", "label_153", header, ["label_150", "label_148", "label_151", "label_149"], state_rows("dsp"), 196),
    }


def knob_pages():
    header = "Select Colors for the Round Knobs"
    pages = {}
    for page, scope, head, captions in (
            ("tab_8", "d1_", "label_20", ["label_15", "label_17", "label_19", "label_21"]),
            ("tab_9", "d2_", "label_42", ["label_40", "label_38", "label_41", "label_39"]),
            ("tab_13", "m_", "label_60", ["label_47", "label_50", "label_49", "label_48"]),
            ("tab_14", "v_", "label_61", ["label_54", "label_52", "label_53", "label_51"])):
        # Only the left deck's swatch of the inner fill's colour 1 keeps the "1".
        swatches = {} if scope == "d1_" else {"knobin1": scope + "knobin_label"}
        pages[page] = grid_page(scope, head, header, captions, KNOB_ROWS, 197, swatches)
    return pages


# ---------------------------------------------------------------------------
# Faders, jogs, texts, meters, waves, system


def fader_pages():
    pages = {}
    for page, scope, names in (
            ("tab_10", "d1_", "label_26 label_25 label_24 label_23 label_27 line_5 line_6 line_7"),
            ("tab_11", "d2_", "label_62 label_46 label_44 label_43 label_45 line_9 line_10 line_8"),
            ("tab_12", "m_", "label_124 label_121 label_123 label_122 label_120 line_16 line_15 line_14"),
            ("tab_32", "v_", "label_125 label_126 label_128 label_129 label_127 line_17 line_19 line_18")):
        header, off, on, fader, lines, line_v, line_30, line_80 = names.split()
        # The left deck's Off and On swatches stand one pixel further right.
        track_x = 131 if page == "tab_10" else 130
        w = [label(header, 10, 5, 271, "Select Colors for the Linear Faders", font=header == "label_26")]
        w += [label(off, 5, 30, 41, "Off")]
        w += group(scope + "faderinoff1", "Color", 30, (55, 71), (track_x, 40), (175, 23))
        w += [label(on, 5, 60, 41, "On")]
        w += group(scope + "faderinon1", "Color", 60, (55, 71), (track_x, 40), (175, 23))
        # One border for the track in both states, bracketed to the two rows.
        w += group(scope + "faderinoffborder", "Border", 45, (365, 71), (440, 41), (485, 21))
        w += [vline(line_v, 350, 30, 50), hline(line_30, 330, 30, 20), hline(line_80, 330, 80, 20)]
        w += [label(fader, 5, 90, 41, "Fader")]
        w += group(scope + "faderfader1", "From", 90, (55, 71), (130, 40), (175, 23))
        w += copy(scope + "faderfader1", 197, 90)
        w += group(scope + "faderfader2", "To", 90, (215, 61), (280, 41), (325, 21),
                   resetname=scope + "faderfadder2_reset")
        w += group(scope + "faderfaderborder", "Border", 90, (365, 71), (440, 41), (485, 21))
        w += [label(lines, 5, 120, 41, "Lines")]
        w += group(scope + "faderlines", "Color", 120, (55, 71), (130, 40), (175, 23))
        pages[page] = w
    return pages


def jog_pages():
    pages = {}
    for page, scope, names in (("tab_16", "d1_", "label_30 label_29 label_31 label_32 label_33"),
                               ("tab_17", "d2_", "label_67 label_66 label_64 label_65 label_63")):
        header, jog, ring, inner, needle = names.split()
        col1 = ((55, 71), (131, 40), (175, 23))
        border = ((360, 61), (425, 41), (470, 21))
        w = [label(header, 10, 5, 271, "Select Colors for the Jogwheels :")]
        w += [label(jog, 5, 30, 41, "Jog")]
        w += group(scope + "jogfill", "Color", 30, *col1)
        w += group(scope + "jogborder", "Border", 30, *border)
        w += [label(ring, 5, 60, 41, "Ring")]
        w += group(scope + "jogringoff", "Off", 60, *col1)
        w += group(scope + "jogringon", "On", 60, (215, 61), (280, 41), (325, 21))
        w += [label(inner, 5, 90, 41, "Inner")]
        w += group(scope + "joginner", "Color", 90, *col1)
        w += group(scope + "joginnerborder", "Border", 90, *border)
        w += [label(needle, 5, 120, 41, "Needle")]
        w += group(scope + "jogneedle", "Color", 120, *col1,
                   pickername=scope + "jogneeedle_color")
        pages[page] = w
    return pages


def single_column(scope, rows, picker, swatch_x, reset_x):
    """Rows of one group each: (caption name, caption text, caption width, part)."""
    w = []
    for y, (caption, text, width, part) in zip(ROWS, rows):
        w.append(label(caption, 5, y, width, text))
        w += group(scope + part, "Color", y, picker, (swatch_x, 40), (reset_x, 23),
                   swatchname=scope + "vuoffl_label" if part == "vuoff" else None)
    return w


def text_pages():
    header = "Select Colors for Text Displays :"
    pages = {}
    for page, scope, names in (("tab_22", "d1_", "label_154 label_73 label_72 label_74 label_75 label_84"),
                               ("tab_23", "d2_", "label_155 label_77 label_76 label_79 label_78 label_85")):
        head, c1, c2, c3, back, silk = names.split()
        w = [label(head, 10, 5, 271, header)]
        w += single_column(scope, [(c1, "Color 1", 41, "textbright"), (c2, "Color 2", 41, "textdark"),
                                   (c3, "Color 3", 41, "textcolor"), (back, "Background", 61, "textback")],
                           (70, 62), 136, 180)
        # The caption fills its 51 pixels; it ends a few pixels short of its button.
        w += [label(silk, 200, 120, 51, "Silkscreen")]
        w += group(scope + "silkscreen", "Color", 120, (254, 71), (330, 40), (374, 23))
        pages[page] = w
    w = [label("label_156", 10, 5, 271, header)]
    w += single_column("m_", [("label_80", "Background", 71, "textback"), ("label_82", "Border", 41, "textborder"),
                              ("label_81", "Text", 41, "texttext")], (70, 61), 136, 180)
    pages["tab_24"] = w
    return pages


def meter_pages():
    pages = {}
    for page, scope, names in (("tab_26", "d1_", "label_89 label_86 label_87 label_88 label_83"),
                               ("tab_27", "d2_", "label_90 label_91 label_93 label_94 label_92"),
                               ("tab_28", "m_", "label_99 label_96 label_97 label_95 label_98")):
        head, back, off, on, peak = names.split()
        w = [label(head, 10, 5, 271, "Select Colors for the VU Meters")]
        # "Backgound" is the caption the meter pages have always shown.
        w += single_column(scope, [(back, "Backgound", 61, "vuback"), (off, "Off", 41, "vuoff"),
                                   (on, "On", 41, "vuon"), (peak, "Peak", 41, "vupeak")],
                           (70, 71), 146, 190)
        pages[page] = w
    return pages


def wave_pages():
    pages = {}
    for page, scope, header_w, high_w, names in (
            ("tab_3", "d1_", 171, 61, "label_158 label_104 label_106 label_105 label_107 label_114 label_115 label_7 label_5"),
            ("tab_29", "d2_", 231, 41, "label_159 label_111 label_110 label_108 label_109 label_116 label_117 label_9 label_12")):
        head, high, mid, low, played, back, border, note1, note2 = names.split()
        left = ((50, 71), (126, 40), (170, 23))
        right = ((260, 71), (336, 40), (380, 23))
        w = [label(head, 10, 5, header_w, "Select Colors for Song Progress")]
        for y, caption, text, width, part in ((30, high, "High *", high_w, "colorHigh"),
                                              (60, mid, "Mid *", 41, "colorMed"),
                                              (90, low, "Low *", 41, "colorBass"),
                                              (120, played, "Played", 41, "colorPlayed")):
            w += [label(caption, 5, y, width, text)]
            w += group(scope + part, "Color", y, *left)
        w += [label(back, 195, 30, 81, "Background")]
        w += group(scope + "songposback", "Color", 30, *right)
        w += [label(border, 215, 60, 41, "Border")]
        w += group(scope + "songposborder", "Color", 60, *right)
        # The asterisks of the band captions point to this note.
        w += [label(note1, 200, 110, 201, "* Apply only when ColoredWaveforms"),
              label(note2, 204, 125, 191, " is set to monocrhome")]
        pages[page] = w
    w = [label("label_157", 10, 5, 271, "Select Colors for Waveforms")]
    for y, caption, text, width, part in ((30, "label_101", "Background", 61, "waveback"),
                                          (60, "label_102", "Needle", 41, "waveneedle"),
                                          (90, "label_103", "Border", 41, "waveborder")):
        w += [label(caption, 5, y, width, text)]
        w += group("m_" + part, "Color", y, (70, 71), (146, 40), (190, 23))
    pages["tab_30"] = w
    return pages


def system_page():
    w = [label("label_112", 15, 20, 271, "Select Colors when button is :", font=True)]
    for y, caption, text, part in ((50, "label_100", "Off", "off"),
                                   (80, "label_113", "Over", "over"),
                                   (110, "label_118", "On", "on")):
        w += [label(caption, 10, y, 31, text)]
        w += group("m_system" + part, "Fill", y, (60, 65), (130, 40), (174, 23))
        w += group("m_system" + part + "border", "Border", y, (350, 60), (415, 41), (460, 21))
    w += [label("label_119", 10, 140, 51, "Icon/Text")]
    w += group("m_systemtextoff", "Off", 140, (60, 65), (130, 40), (174, 23))
    w += group("m_systemtextover", "Over", 140, (210, 61), (275, 40), (320, 23))
    w += group("m_systemtexton", "On", 140, (350, 60), (415, 40), (460, 23))
    return w


def all_pages():
    pages = {"tab": background_page()}
    for part in (button_pages, drop_pages, knob_pages, fader_pages, jog_pages,
                 text_pages, meter_pages, wave_pages):
        pages.update(part())
    pages["tab_31"] = system_page()
    return pages


# The inner tab widgets that repeat the form's font.
FONT_TAB_WIDGETS = ("tab_drops", "tab_knobs")

# ---------------------------------------------------------------------------
# Writing the designer XML


def sub(parent, tag, text=None, **attrs):
    element = ET.SubElement(parent, tag, attrs)
    if text is not None:
        element.text = str(text)
    return element


def prop(parent, name):
    return sub(parent, "property", name=name)


def size_prop(parent, name, width, height):
    size = sub(prop(parent, name), "size")
    sub(size, "width", width)
    sub(size, "height", height)


def font_prop(parent):
    sub(sub(prop(parent, "font"), "font"), "family", "Arial")


def string_prop(parent, name, text):
    sub(prop(parent, name), "string", text)


def element_for(spec):
    kind = spec["kind"]
    cls = {PICKER: "QPushButton", RESET: "QPushButton", COPY: "QPushButton",
           SWATCH: "QLabel", LABEL: "QLabel", HLINE: "Line", VLINE: "Line"}[kind]
    element = ET.Element("widget", {"class": cls, "name": spec["name"]})
    rect = sub(prop(element, "geometry"), "rect")
    for tag, value in zip(("x", "y", "width", "height"), spec["rect"]):
        sub(rect, tag, value)
    if kind == SWATCH:
        width = spec["rect"][2]
        if width == 40:
            policy = sub(prop(element, "sizePolicy"), "sizepolicy", hsizetype="Fixed", vsizetype="Preferred")
            sub(policy, "horstretch", 0)
            sub(policy, "verstretch", 0)
            size_prop(element, "minimumSize", 40, 0)
        elif spec["maxsize"]:
            size_prop(element, "maximumSize", 86, 16777215)
        sub(prop(element, "frameShape"), "enum", "QFrame::Box")
        sub(prop(element, "frameShadow"), "enum", "QFrame::Plain")
        string_prop(element, "text", "")
    elif kind in (HLINE, VLINE):
        sub(prop(element, "orientation"), "enum",
            "Qt::Horizontal" if kind == HLINE else "Qt::Vertical")
    else:
        if spec.get("font"):
            font_prop(element)
        string_prop(element, "text", spec["text"])
    return element


def find_widget(root, name):
    for element in root.iter("widget"):
        if element.get("name") == name:
            return element
    sys.exit(f"gencolourtabs: no widget {name} in {FORM}")


# Children that belong to the frame, not to the colour controls.
KEEP_CLASSES = ("QGraphicsView", "QTabWidget")


def fill_page(page, specs):
    for child in [c for c in page.findall("widget") if c.get("class") not in KEEP_CLASSES]:
        page.remove(child)
    children = list(page)
    kept = [c for c in children if c.tag == "widget"]
    at = children.index(kept[0]) if kept else len(children)
    for offset, spec in enumerate(specs):
        page.insert(at + offset, element_for(spec))


def ensure_font(tabwidget):
    if tabwidget.find("property[@name='font']") is not None:
        return
    font = ET.Element("property", name="font")
    sub(sub(font, "font"), "family", "Arial")
    geometry = tabwidget.find("property[@name='geometry']")
    tabwidget.insert(list(tabwidget).index(geometry) + 1, font)


def render(tree):
    ET.indent(tree, space=" ")
    text = ET.tostring(tree.getroot(), encoding="unicode")
    # Keep the designer's own spelling of empty elements.
    text = text.replace("<string />", "<string></string>").replace(" />", "/>")
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + text + "\n"


def check_names(pages):
    names = [spec["name"] for specs in pages.values() for spec in specs]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        sys.exit("gencolourtabs: duplicate names: " + ", ".join(duplicates))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only tell whether the form is up to date")
    args = parser.parse_args()

    pages = all_pages()
    check_names(pages)
    tree = ET.parse(FORM)
    root = tree.getroot()
    for page, specs in pages.items():
        fill_page(find_widget(root, page), specs)
    for name in FONT_TAB_WIDGETS:
        ensure_font(find_widget(root, name))

    new = render(tree)
    old = FORM.read_text(encoding="utf-8")
    if args.check:
        if new != old:
            print(f"{FORM} is not what gencolourtabs.py writes; run it.")
            return 1
        return 0
    if new != old:
        # Replace the form in one step, so a failed run leaves it whole.
        temporary = FORM.with_suffix(".ui.tmp")
        temporary.write_text(new, encoding="utf-8")
        os.replace(temporary, FORM)
    return 0


if __name__ == "__main__":
    sys.exit(main())
