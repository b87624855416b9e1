#!/usr/bin/env python3
"""Fills the plural forms of the English catalogue from its "(s)" source texts.

The program's texts are written in English with "%n thing(s)"; the English
catalogue only has to say "1 thing" / "2 things". Every other message is left
untranslated, so the source text is used.
"""
import re
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
tree = ET.parse(path)
for message in tree.iter("message"):
    if message.get("numerus") != "yes":
        continue
    source = message.findtext("source") or ""
    translation = message.find("translation")
    for child in list(translation):
        translation.remove(child)
    translation.attrib.pop("type", None)
    for form in (source.replace("(s)", ""), source.replace("(s)", "s")):
        node = ET.SubElement(translation, "numerusform")
        node.text = form
tree.write(path, encoding="utf-8", xml_declaration=True)
