#!/usr/bin/env python3
# Keeps translations/orvalis_<xx>.ts current: "update" runs lupdate and mends its output, "fill" puts the
# texts of translations/orvalis_<xx>.tsv (English TAB translation; \r \n \t \\ escaped) into the .ts.
"""Usage:
  translations.py update LUPDATE LISTFILE TS...   run lupdate over the sources named in LISTFILE
  translations.py fill TS TSV                     set every translation the table has; list the
                                                  messages it lacks (they stay unfinished)
  translations.py missing TS                      print the ids that have no finished translation

New strings: build (or run "update"), then "missing", add the lines to the .tsv, then "fill".

lupdate 6.4 writes the id attribute of a message unescaped (a quote or '<' in an English text
makes the file unreadable, even to lupdate itself), so every write of the .ts is followed by the
mending here; it is idempotent.
"""
import re
import subprocess
import sys

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


def fill(ts, tsv):
    table = read_table(tsv)
    text = mend(read(ts))
    lacking = []

    def put(m):
        key = unescape(m.group(1))
        if key not in table:
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
            print(key.replace('\\', '\\\\').replace('\r', '\\r').replace('\n', '\\n').replace('\t', '\\t'))
    return 0


def main(argv):
    if len(argv) >= 4 and argv[1] == 'update':
        return update(argv[2], argv[3], argv[4:])
    if len(argv) == 4 and argv[1] == 'fill':
        return fill(argv[2], argv[3])
    if len(argv) == 3 and argv[1] == 'missing':
        return missing(argv[2])
    sys.exit(__doc__)


if __name__ == '__main__':
    sys.exit(main(sys.argv))
