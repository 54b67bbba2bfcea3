#!/usr/bin/python3
"""Asks the running Velmora, through AT-SPI as a screen reader does, for every piece of text of
every text control at every boundary and at the edge offsets, each answer within a second;
then tries every editable-text call on the read-only boxes, which must change nothing.
Run by atspi_text_test.sh, on the session's accessibility bus."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

Atspi.set_timeout(1000, 1000)  # no answer within a second fails the call
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, file=sys.stderr)


def find_application(name, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(i)
            if application is not None and application.get_name() == name:
                return application
        time.sleep(0.5)
    sys.exit(f"FAIL: no application {name} on the accessibility bus")


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


BOUNDARIES = {
    "char": Atspi.TextBoundaryType.CHAR,
    "word start": Atspi.TextBoundaryType.WORD_START,
    "word end": Atspi.TextBoundaryType.WORD_END,
    "sentence start": Atspi.TextBoundaryType.SENTENCE_START,
    "sentence end": Atspi.TextBoundaryType.SENTENCE_END,
    "line start": Atspi.TextBoundaryType.LINE_START,
    "line end": Atspi.TextBoundaryType.LINE_END,
}
QUERIES = {
    "at": Atspi.Text.get_text_at_offset,
    "before": Atspi.Text.get_text_before_offset,
    "after": Atspi.Text.get_text_after_offset,
}


def check_piece(name, query, boundary, offset, text, piece):
    where = f"{name}: text {query} offset {offset} by {boundary}"
    start, end = piece.start_offset, piece.end_offset
    if not 0 <= start <= end <= len(text):
        fail(f"{where} gives the offsets {start}..{end} outside 0..{len(text)}")
    elif piece.content != text[start:end]:
        fail(f"{where} gives {piece.content!r} for {start}..{end}, which hold {text[start:end]!r}")


def ask_everything(name, accessible, offsets):
    text = Atspi.Text.get_text(accessible, 0, -1)
    for boundary_name, boundary in BOUNDARIES.items():
        for query_name, query in QUERIES.items():
            for offset in offsets(len(text)):
                try:
                    piece = query(accessible, offset, boundary)
                except GLib.Error as error:
                    fail(f"{name}: text {query_name} offset {offset} by {boundary_name}: {error.message}")
                    return
                check_piece(name, query_name, boundary_name, offset, text, piece)
    for offset in offsets(len(text)):
        for ask in (Atspi.Text.get_character_at_offset, Atspi.Text.get_character_extents,
                    Atspi.Text.get_attribute_run):
            try:
                if ask is Atspi.Text.get_character_extents:
                    ask(accessible, offset, Atspi.CoordType.SCREEN)
                elif ask is Atspi.Text.get_attribute_run:
                    ask(accessible, offset, False)
                else:
                    ask(accessible, offset)
            except GLib.Error as error:
                fail(f"{name}: {ask.__name__} at {offset}: {error.message}")
    for start, end in ((-5, 2), (0, -1), (2, 1), (len(text), len(text) + 9)):
        got = Atspi.Text.get_text(accessible, start, end)
        if got not in text:
            fail(f"{name}: text {start}..{end} is {got!r}, not a piece of the text")
    return text


def every_offset(length):
    return range(-2, length + 3)


def edge_offsets(length):
    return sorted({-2, -1, 0, 1, length - 1, length, length + 1, length + 2})


application = find_application("Velmora")
texts = {}
for node in walk(application):
    try:
        if node.get_text_iface() is None:
            continue
    except GLib.Error:
        continue
    name = node.get_name() or node.get_role_name()
    texts[name] = node
print("text controls:", sorted(texts))

value_boxes = [f"Сума на колона К{c}" for c in range(1, 9)]
expected = {"Задание", *value_boxes}
if not expected <= texts.keys():
    sys.exit(f"FAIL: the text controls are {sorted(texts)}, without {sorted(expected - texts.keys())}")

sample = ["255", "0", "0", "255", "136", "136", "136", "112"]
for name, accessible in texts.items():
    shown = ask_everything(name, accessible, every_offset if name in value_boxes else edge_offsets)
    if name in value_boxes:
        number = sample[value_boxes.index(name)]
        if shown != number:
            fail(f"{name} shows {shown!r}, not {number}")
        # A number is one word and one line, read whole from anywhere in it and at its end.
        for offset in range(0, len(number) + 1):
            for boundary in ("word start", "word end", "line start", "line end"):
                piece = Atspi.Text.get_text_at_offset(accessible, offset, BOUNDARIES[boundary])
                if piece.content != number:
                    fail(f"{name}: the {boundary} piece at {offset} is {piece.content!r}, not {number}")

# A screen reader moves the caret and the selection at any offset, and asks which character lies under the pointer (Orca's mouse review): all of it within the
# text, and none of it a change of the text.
for name in ["Задание", "Сума на колона К8"]:
    accessible = texts[name]
    before = Atspi.Text.get_text(accessible, 0, -1)
    length = len(before)
    for offset, clamped in ((-3, 0), (1, 1), (length + 5, length)):
        Atspi.Text.set_caret_offset(accessible, offset)
        if Atspi.Text.get_caret_offset(accessible) != clamped:
            fail(f"{name}: the caret set at {offset} is at {Atspi.Text.get_caret_offset(accessible)}, "
                 f"not {clamped}")

    def selections():
        return [(s.start_offset, s.end_offset) for s in
                (Atspi.Text.get_selection(accessible, i)
                 for i in range(Atspi.Text.get_n_selections(accessible)))]

    # A box has one selection at most: a second one is neither added nor set nor removed.
    for ask, arguments, expected in ((Atspi.Text.set_selection, (0, -4, 2), [(0, 2)]),
                                     (Atspi.Text.remove_selection, (0,), []),
                                     (Atspi.Text.add_selection, (1, length + 9), [(1, length)]),
                                     (Atspi.Text.add_selection, (0, 1), [(1, length)]),
                                     (Atspi.Text.set_selection, (1, 0, 1), [(1, length)]),
                                     (Atspi.Text.remove_selection, (1,), [(1, length)]),
                                     (Atspi.Text.remove_selection, (0,), [])):
        ask(accessible, *arguments)
        if selections() != expected:
            fail(f"{name}: after {ask.__name__}{arguments} the selections are {selections()}, "
                 f"not {expected}")
    box = Atspi.Component.get_extents(accessible, Atspi.CoordType.SCREEN)
    middle = Atspi.Text.get_offset_at_point(accessible, box.x + box.width // 2,
                                            box.y + box.height // 2, Atspi.CoordType.SCREEN)
    if not 0 <= middle <= length:
        fail(f"{name}: the offset in the middle of the box is {middle}, outside 0..{length}")
    outside = Atspi.Text.get_offset_at_point(accessible, box.x + box.width + 50, box.y,
                                             Atspi.CoordType.SCREEN)
    if outside != -1:
        fail(f"{name}: the offset beside the box is {outside}, not -1")
    if Atspi.Text.get_text(accessible, 0, -1) != before:
        fail(f"{name}: the caret and selection calls changed its text")

# The read-only boxes take no edit from anyone.
for name in ["Задание", *value_boxes]:
    accessible = texts[name]
    before = Atspi.Text.get_text(accessible, 0, -1)
    for edit, arguments in ((Atspi.EditableText.set_text_contents, ("999",)),
                            (Atspi.EditableText.insert_text, (0, "42", 2)),
                            (Atspi.EditableText.delete_text, (0, 1)),
                            (Atspi.EditableText.cut_text, (0, 1)),
                            (Atspi.EditableText.paste_text, (0,))):
        try:
            edit(accessible, *arguments)
        except GLib.Error:
            pass  # refused outright: as good as refused by doing nothing
        after = Atspi.Text.get_text(accessible, 0, -1)
        if after != before:
            fail(f"{name}: {edit.__name__} changed {before[:20]!r} into {after[:20]!r}")
            break

# And the program still answers.
if Atspi.Text.get_text(texts["Сума на колона К8"], 0, -1) != "112":
    fail("the program no longer answers as it did")

if failures:
    sys.exit(f"{len(failures)} failures")
print(f"AT-SPI text test passed: {len(texts)} text controls asked at every boundary")
