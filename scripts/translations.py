#!/usr/bin/env python3
# Keeps translations/orvalis_<xx>.ts current: "update" runs lupdate and mends its output, "fill" puts the
# texts of translations/orvalis_<xx>.tsv (English TAB translation; \r \n \t \\ escaped) into the .ts.
"""Usage:
  translations.py update LUPDATE LISTFILE TS...   run lupdate over the sources named in LISTFILE
  translations.py fill TS TSV                     set every translation the table has; list the
                                                  messages it lacks (they stay unfinished)
  translations.py fill LANG                       the same for translations/orvalis_LANG.ts/.tsv
  translations.py missing TS                      print the ids that have no finished translation
  translations.py missing LANG                    print, as lines for orvalis_LANG.tsv, every message
                                                  of the German (the reference language) that LANG
                                                  lacks, each under a comment with its German text
  translations.py languages                       print the languages the program ships

New strings: build (or run "update"), then "missing", add the lines to the .tsv, then "fill".
A new message that so far has only its German text: "missing fr >> translations/orvalis_fr.tsv",
write the French after each TAB, then "fill fr" (it also adds the message to the .ts when lupdate
has not run yet).

lupdate 6.4 writes the id attribute of a message unescaped (a quote or '<' in an English text
makes the file unreadable, even to lupdate itself), so every write of the .ts is followed by the
mending here; it is idempotent.
"""
import os
import re
import subprocess
import sys

# Every language the program ships besides its built-in English; German is the reference that
# every new message reaches first.
LANGUAGES = ('de', 'fr', 'es', 'it')
REFERENCE = 'de'
FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'translations')

MESSAGE = re.compile(r'(<message id=")(.*?)(">\n\s+<(?:source|oldsource|comment|extracomment|translatorcomment|translation|location)\b)',
                     re.S)
BLOCK = re.compile(r'<message id="(.*?)">(.*?)</message>', re.S)
TRANSLATION = re.compile(r'<translation(?: type="[a-z]+")?>.*?</translation>|<translation(?: type="[a-z]+")?/>', re.S)


def unescape(text):
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: chr(int(m.group(1), 16)), text)
    text = re.sub(r'&#x([0-9a-fA-F]+);', lambda m: chr(int(m.group(1), 16)), text)
    text = re.sub(r'&#([0-9]+);', lambda m: chr(int(m.group(1))), text)
    for entity, char in (('&quot;', '"'), ('&apos;', "'"), ('&lt;', '<'), ('&gt;', '>'), ('&amp;', '&')):
        text = text.replace(entity, char)
    return text


def escape_attribute(text):
    text = text.replace('&', '&amp;').replace('"', '&quot;').replace('<', '&lt;').replace('>', '&gt;')
    # Character references keep line breaks that a parser would otherwise turn into spaces.
    return text.replace('\r', '&#13;').replace('\n', '&#10;').replace('\t', '&#9;')


def escape_content(text):
    """The escaping lupdate itself writes into elements, so that its next run changes nothing."""
    out = []
    for ch in text:
        if ch == '"':
            out.append('&quot;')
        elif ch == '&':
            out.append('&amp;')
        elif ch == '>':
            out.append('&gt;')
        elif ch == '<':
            out.append('&lt;')
        elif ch == "'":
            out.append('&apos;')
        elif (ord(ch) < 0x20 or (ord(ch) > 0x7f and ch.isspace())) and ch not in '\n\t':
            out.append('<byte value="x%x"/>' % ord(ch) if ord(ch) <= 0x20 else '&#x%x;' % ord(ch))
        else:
            out.append(ch)
    return ''.join(out)


def read(path):
    with open(path, encoding='utf-8', newline='') as f:
        return f.read()


def write(path, text):
    with open(path, 'w', encoding='utf-8', newline='') as f:
        f.write(text)


def mend(text):
    return MESSAGE.sub(lambda m: m.group(1) + escape_attribute(unescape(m.group(2))) + m.group(3), text)


def messages(text):
    """(id, translation or None when unfinished) of every message."""
    result = []
    for m in BLOCK.finditer(text):
        t = re.search(r'<translation( type="[a-z]+")?>(.*?)</translation>', m.group(2), re.S)
        finished = t is not None and not t.group(1)
        result.append((unescape(m.group(1)), unescape(t.group(2)) if finished else None))
    return result


def read_table(path):
    table = {}
    codes = {'\\r': '\r', '\\n': '\n', '\\t': '\t', '\\\\': '\\'}
    decode = lambda s: re.sub(r'\\[rnt\\]', lambda m: codes[m.group(0)], s)
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            parts = line.split('\t')
            if len(parts) != 2:
                sys.exit('%s:%d: expected English<TAB>translation' % (path, number))
            table[decode(parts[0])] = decode(parts[1])
    return table


def update(lupdate, listfile, ts_files):
    for ts in ts_files:
        write(ts, mend(read(ts)))  # a file lupdate wrote earlier, mended or not
    run = subprocess.run([lupdate, '-silent', '-locations', 'none', '-no-obsolete', '-tr-function-alias', 'qtTrId+=Tr',
                          '@' + listfile, '-ts'] + ts_files, capture_output=True, text=True)
    # Id-based messages have no source text by design; every other word of lupdate's is shown.
    said = re.sub(r"lupdate warning: Message with id '.*?' has no source\.\n", '', run.stdout + run.stderr, flags=re.S)
    if said.strip():
        print(said, end='', file=sys.stderr)
    for ts in ts_files:
        write(ts, mend(read(ts)))
    return run.returncode


def encode_table_text(text):
    return text.replace('\\', '\\\\').replace('\r', '\\r').replace('\n', '\\n').replace('\t', '\\t')


def language_files(language):
    return (os.path.join(FOLDER, 'orvalis_%s.ts' % language), os.path.join(FOLDER, 'orvalis_%s.tsv' % language))


def add_reference_messages(text):
    """The .ts text with an (unfinished) entry for every message of the reference language that
    it lacks, as lupdate would add it; so a language can be filled before the next build."""
    reference, _ = language_files(REFERENCE)
    have = {key for key, _ in messages(text)}
    added = []
    for key, _ in messages(mend(read(reference))):
        if key not in have:
            added.append('    <message id="%s">\n        <source></source>\n'
                         '        <translation type="unfinished"></translation>\n    </message>\n' % escape_attribute(key))
    if not added:
        return text
    end = text.rfind('</context>')
    return text[:end] + ''.join(added) + text[end:]


def fill(ts, tsv):
    table = read_table(tsv)
    text = add_reference_messages(mend(read(ts))) if os.path.abspath(ts) != os.path.abspath(language_files(REFERENCE)[0]) \
        else mend(read(ts))
    lacking = []

    def put(m):
        key = unescape(m.group(1))
        if not table.get(key):
            lacking.append(key)
            return m.group(0)
        body = TRANSLATION.sub(lambda _: '<translation>' + escape_content(table[key]) + '</translation>', m.group(2), 1)
        return '<message id="' + m.group(1) + '">' + body + '</message>'

    write(ts, BLOCK.sub(put, text))
    for key in lacking:
        print('not in the table: ' + key.encode('unicode_escape').decode('ascii'), file=sys.stderr)
    return 1 if lacking else 0


def missing(ts):
    for key, translation in messages(mend(read(ts))):
        if translation is None:
            print(encode_table_text(key))
    return 0


def missing_lines(language):
    """Lines to append to orvalis_<language>.tsv for the messages that language still lacks: the
    reference's messages and its own, less those with a finished translation or a table line."""
    ts, tsv = language_files(language)
    reference_ts, reference_tsv = language_files(REFERENCE)
    reference = dict(messages(mend(read(reference_ts))))
    reference_table = read_table(reference_tsv)
    own = messages(mend(read(ts))) if os.path.exists(ts) else []
    table = read_table(tsv) if os.path.exists(tsv) else {}
    done = {key for key, translation in own if translation} | {key for key, text in table.items() if text}
    lines = []
    for key in list(reference) + [key for key, _ in own if key not in reference]:
        if key in done:
            continue
        done.add(key)
        hint = reference.get(key) or reference_table.get(key)
        if hint:
            lines.append('# %s: %s' % (REFERENCE, encode_table_text(hint)))
        lines.append(encode_table_text(key) + '\t')
    return lines


def missing_language(language):
    for line in missing_lines(language):
        print(line)
    return 0


def main(argv):
    if len(argv) >= 4 and argv[1] == 'update':
        return update(argv[2], argv[3], argv[4:])
    if len(argv) == 4 and argv[1] == 'fill':
        return fill(argv[2], argv[3])
    if len(argv) == 3 and argv[1] == 'fill' and argv[2] in LANGUAGES:
        return fill(*language_files(argv[2]))
    if len(argv) == 3 and argv[1] == 'missing' and argv[2] in LANGUAGES:
        return missing_language(argv[2])
    if len(argv) == 3 and argv[1] == 'missing':
        return missing(argv[2])
    if len(argv) == 2 and argv[1] == 'languages':
        print(' '.join(LANGUAGES))
        return 0
    sys.exit(__doc__)


if __name__ == '__main__':
    sys.exit(main(sys.argv))
