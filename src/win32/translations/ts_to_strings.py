#!/usr/bin/env python3
"""Turns the game's .ts translation sources into the Windows edition's string table.

Usage: ts_to_strings.py OUTPUT.inc lumabels_de.ts lumabels_fr.ts ...

Writes one C++ initialiser row per finished translation, and one per plural form of a text
with a count (numbered from 0 in the order the language's plural rule names them),
    {L"de", L"MainWindow", L"&Game", 0, L"&Spiel"},
with every character outside printable ASCII written as a \\x escape, so the output is the same
whatever the compiler takes its source encoding to be. Unfinished and empty translations are
left out: the English text is shown for them, as the Linux edition does.
"""
import os
import sys
import xml.etree.ElementTree as ET


def literal(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in '"\\?':
            out.append('\\' + ch)
        elif 32 <= code < 127:
            out.append(ch)
        else:
            # UTF-16 code units; a hexadecimal escape ends where the literal is split.
            data = ch.encode('utf-16-le')
            for i in range(0, len(data), 2):
                out.append('\\x%04X" L"' % (data[i] | data[i + 1] << 8))
    return 'L"' + ''.join(out) + '"'


def rows(path):
    name = os.path.basename(path)
    language = name[len('lumabels_'):-len('.ts')]
    for context in ET.parse(path).getroot().iter('context'):
        context_name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            if translation is None or translation.get('type') in ('unfinished', 'obsolete', 'vanished'):
                continue
            forms = [form.text or '' for form in translation.iter('numerusform')]
            if message.get('numerus') != 'yes':
                forms = [translation.text or '']
            if not all(forms):
                continue
            for index, text in enumerate(forms):
                yield '{%s, %s, %s, %d, %s},' % (literal(language), literal(context_name),
                                                 literal(source), index, literal(text))


def main():
    output, sources = sys.argv[1], sys.argv[2:]
    lines = ['// Made by ts_to_strings.py from translations/*.ts at build time; do not edit.']
    for path in sorted(sources):
        lines.extend(rows(path))
    text = '\n'.join(lines) + '\n'
    # Left alone when nothing changed, so the table is not compiled again for nothing.
    if os.path.exists(output) and open(output, encoding='utf-8').read() == text:
        return
    with open(output, 'w', encoding='utf-8') as stream:
        stream.write(text)


if __name__ == '__main__':
    main()
