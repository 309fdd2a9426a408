#!/usr/bin/env python3
"""Compile Pennywhist's help source into a WinHelp 4 file and HTML pages.

    python3 tools/help_compiler.py help/pwhelp.txt --hlp pwhelp.hlp --html html

The source is windows-1252 text:

    # a comment
    @topic <id>            starts a topic; id is [a-z0-9_]+ and names its page
    @context <n>           optional: the topic's context number (positive)
    @title <text>          required
    @keywords <k1>; <k2>   optional: index keywords
    @popup                 optional: shown in a pop-up window
    body lines             paragraphs separated by blank lines; "- " starts a
                           bullet item; inline **bold** and {link:<id>|text}

The first topic is the contents topic, id "index". A bad source is refused
with a message and exit status 1, before anything is written.

The .hlp file (WinHelp 4.0, minor version 33, no compression of any kind):
a 16-byte header, then the internal files |SYSTEM, |FONT, |TOPIC, |CONTEXT,
|CTXOMAP, |TTLBTREE and, when topics have keywords, |KWBTREE, |KWDATA and
|KWMAP, each behind its 9-byte file header, and last the directory, a B+
tree of the internal files' names and offsets.

|TOPIC is a stream of records cut into 4 KB blocks, each opened by a 12-byte
block header. Every topic is a TOPICHEADER record followed by one text record
(type 0x20) per paragraph: its title in a larger bold font, then its body.
A record may run on into the next block. A TOPICPOS (where a record starts)
is block * 0x4000 + offset in the block's data + 12, as Wine's reader takes
it; a TOPICOFFSET (where a topic starts, for jumps, |CONTEXT and the rest) is
block * 0x8000 + the characters of the text records that start earlier in
that block. A last, empty TOPICHEADER ends the stream.

The HTML pages are one <id>.html per topic, windows-1252, each linking back
to index.html.
"""

import argparse
import dataclasses
import html
import os
import re
import struct
import sys
from dataclasses import dataclass, field

HELP_TITLE = 'Pennywhist Help'
CONTENTS_ID = 'index'


# ---------------------------------------------------------------------------
# The source
# ---------------------------------------------------------------------------

class SourceError(Exception):
    pass


@dataclass
class Span:
    text: str
    bold: bool
    link: str | None = None  # the id of the topic it jumps to


@dataclass
class Block:
    bullet: bool
    where: str
    lines: list[str]
    spans: list[Span] = field(default_factory=list)


@dataclass
class Topic:
    id: str
    where: str
    context: int | None = None
    title: str | None = None
    keywords: list[str] = field(default_factory=list)
    popup: bool = False
    blocks: list[Block] = field(default_factory=list)


ID_PATTERN = re.compile(r'[a-z0-9_]+\Z')
# An unfinished {link: is matched by the last alternative, to be refused.
INLINE_PATTERN = re.compile(r'\*\*|\{link:([^|}]*)\|([^}]*)\}|\{link:')


def parse_source(text, name):
    topics = []
    topic = None
    block = None
    for number, raw in enumerate(text.splitlines(), 1):
        where = f'{name}:{number}'
        line = raw.replace('\t', ' ').rstrip()
        if line.startswith('#'):
            continue
        if line.startswith('@'):
            block = None
            directive, _, value = line.partition(' ')
            value = value.strip()
            if directive == '@topic':
                if not ID_PATTERN.match(value):
                    raise SourceError(f'{where}: topic id "{value}" is not made of a-z, 0-9 and _')
                topic = Topic(value, where)
                topics.append(topic)
            elif topic is None:
                raise SourceError(f'{where}: {directive} before the first @topic')
            else:
                apply_directive(topic, directive, value, where)
            continue
        if not line:
            block = None
            continue
        if topic is None:
            raise SourceError(f'{where}: text before the first @topic')
        if line.startswith('- '):
            block = Block(True, where, [line[2:].strip()])
            topic.blocks.append(block)
        elif block is None:
            block = Block(False, where, [line.strip()])
            topic.blocks.append(block)
        else:
            block.lines.append(line.strip())
    return topics


def apply_directive(topic, directive, value, where):
    if directive == '@context':
        if topic.context is not None:
            raise SourceError(f'{where}: a second @context for topic "{topic.id}"')
        if not value.isdigit() or int(value) == 0:
            raise SourceError(f'{where}: context number "{value}" is not a positive integer')
        topic.context = int(value)
    elif directive == '@title':
        if topic.title is not None:
            raise SourceError(f'{where}: a second @title for topic "{topic.id}"')
        if not value:
            raise SourceError(f'{where}: empty @title')
        topic.title = value
    elif directive == '@keywords':
        topic.keywords += [k.strip() for k in value.split(';') if k.strip()]
    elif directive == '@popup':
        if value:
            raise SourceError(f'{where}: @popup takes no value')
        topic.popup = True
    else:
        raise SourceError(f'{where}: unknown directive {directive}')


def parse_inline(text, where, ids):
    spans = []
    bold = False
    done = 0
    for match in INLINE_PATTERN.finditer(text):
        if match.start() > done:
            spans.append(Span(text[done:match.start()], bold))
        done = match.end()
        if match.group(0) == '**':
            bold = not bold
        elif match.group(1) is None:
            raise SourceError(f'{where}: unfinished link; write {{link:<id>|text}}')
        elif match.group(1) not in ids:
            raise SourceError(f'{where}: link to unknown topic "{match.group(1)}"')
        elif not match.group(2):
            raise SourceError(f'{where}: link to "{match.group(1)}" has no text')
        else:
            spans.append(Span(match.group(2), bold, match.group(1)))
    if done < len(text):
        spans.append(Span(text[done:], bold))
    if bold:
        raise SourceError(f'{where}: ** opened but not closed')
    return spans


def check_topics(topics, name):
    if not topics:
        raise SourceError(f'{name}: no @topic')
    if topics[0].id != CONTENTS_ID:
        raise SourceError(f'{topics[0].where}: the first topic must be the contents, "{CONTENTS_ID}"')
    ids = {}
    contexts = {}
    hashes = {}
    for topic in topics:
        if topic.id in ids:
            raise SourceError(f'{topic.where}: topic id "{topic.id}" already used at {ids[topic.id]}')
        ids[topic.id] = topic.where
        if topic.title is None:
            raise SourceError(f'{topic.where}: topic "{topic.id}" has no @title')
        if topic.context is not None:
            if topic.context in contexts:
                raise SourceError(f'{topic.where}: context number {topic.context} already used by '
                                  f'topic "{contexts[topic.context]}"')
            contexts[topic.context] = topic.id
        # Jumps find topics by this hash alone.
        value = context_hash(topic.id)
        if value in hashes:
            raise SourceError(f'{topic.where}: topic ids "{hashes[value]}" and "{topic.id}" '
                              'have the same WinHelp hash; rename one')
        hashes[value] = topic.id
    for topic in topics:
        for block in topic.blocks:
            block.spans = parse_inline(' '.join(block.lines), block.where, ids)


def read_source(path):
    with open(path, 'rb') as source:
        raw = source.read()
    try:
        text = raw.decode('cp1252')
    except UnicodeDecodeError as error:
        raise SourceError(f'{path}: byte 0x{raw[error.start]:02X} at offset {error.start} '
                          'is not windows-1252 text') from None
    topics = parse_source(text, path)
    check_topics(topics, path)
    return topics


# ---------------------------------------------------------------------------
# Numbers as the .hlp file stores them
# ---------------------------------------------------------------------------

def u8(value):
    return struct.pack('<B', value)


def u16(value):
    return struct.pack('<H', value)


def i16(value):
    return struct.pack('<h', value)


def u32(value):
    return struct.pack('<I', value)


def i32(value):
    return struct.pack('<i', value)


NONE = -1  # a TOPICPOS or TOPICOFFSET that points nowhere


def compressed_ushort(value):
    # One byte holding value * 2, or two holding value * 2 + 1.
    return u8(value * 2) if value < 0x80 else u16(value * 2 + 1)


def compressed_short(value):
    return u8(value * 2 + 0x80) if -0x40 <= value < 0x40 else u16((value + 0x4000) * 2 + 1)


def compressed_long(value):
    if -0x4000 <= value < 0x4000:
        return u16((value + 0x4000) * 2)
    return u32((value + 0x40000000) * 2 + 1)


def context_hash(context):
    """WinHelp's hash of a context string (ids here are [a-z0-9_]+)."""
    value = 0
    for char in context.upper():
        if 'A' <= char <= 'Z':
            code = ord(char) - ord('A') + 17
        elif '1' <= char <= '9':
            code = ord(char) - ord('0')
        else:
            code = {'0': 10, '.': 12, '_': 13}[char]
        value = (value * 43 + code) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


def text_bytes(text):
    return text.encode('cp1252')


# ---------------------------------------------------------------------------
# B+ trees: the directory, |CONTEXT, |TTLBTREE and |KWBTREE
# ---------------------------------------------------------------------------

def btree(entries, page_size, structure, flags=0x0002):
    """A B+ tree of (key, leaf entry) pairs, sorted by key.

    Leaf pages are numbered first, then each index level. Gives the tree and,
    for each leaf page, the number of the first entry on it."""
    leaves = [[]]
    used = 8
    for key, entry in entries:
        if leaves[-1] and used + len(entry) > page_size:
            leaves.append([])
            used = 8
        leaves[-1].append((key, entry))
        used += len(entry)
    pages = []
    for number, leaf in enumerate(leaves):
        content = b''.join(entry for _, entry in leaf)
        following = number + 1 if number + 1 < len(leaves) else NONE
        pages.append(u16(page_size - 8 - len(content)) + u16(len(leaf)) + i16(number - 1 if number else NONE)
                     + i16(following) + content)
    firsts = [0]
    for leaf in leaves[:-1]:
        firsts.append(firsts[-1] + len(leaf))

    # An index page sends keys below its first entry to the page in its
    # header, and each entry's key and above to the page beside it.
    level = [(leaf[0][0] if leaf else b'', number) for number, leaf in enumerate(leaves)]
    levels = 1
    while len(level) > 1:
        groups = [[level[0]]]
        used = 6
        for key, page in level[1:]:
            if used + len(key) + 2 > page_size:
                groups.append([(key, page)])
                used = 6
            else:
                groups[-1].append((key, page))
                used += len(key) + 2
        level = []
        for group in groups:
            content = b''.join(key + u16(page) for key, page in group[1:])
            pages.append(u16(page_size - 6 - len(content)) + u16(len(group) - 1) + i16(group[0][1]) + content)
            level.append((group[0][0], len(pages) - 1))
        levels += 1

    header = (u16(0x293B) + u16(flags) + u16(page_size) + structure.ljust(16, b'\0')
              + u16(0) + u16(0) + u16(level[0][1]) + i16(NONE) + u16(len(pages)) + u16(levels)
              + u32(len(entries)))
    return header + b''.join(page.ljust(page_size, b'\0') for page in pages), firsts


# ---------------------------------------------------------------------------
# |TOPIC
# ---------------------------------------------------------------------------

BLOCK_SIZE = 0x1000
BLOCK_DATA = BLOCK_SIZE - 12
LINK_HEADER = 21  # a record's own header, before its LinkData1
TOPIC_HEADER = 28  # LinkData1 of a TOPICHEADER

FONT_NORMAL, FONT_BOLD, FONT_HEADING = 0, 1, 2
FONTS = [  # attributes (1 = bold) and size in half-points, all Arial
    (0, 20),
    (1, 20),
    (1, 24),
]


@dataclass
class Style:
    font: int
    space_below: int = 0  # half-points
    left_indent: int = 0
    first_indent: int = 0
    tab: int = 0
    bullet: bool = False


TITLE = Style(FONT_HEADING, space_below=12)
POPUP_TITLE = Style(FONT_BOLD, space_below=6)
BODY = Style(FONT_NORMAL, space_below=12)
# A hanging indent: the bullet, a tab to the indent, then the wrapped text.
BULLET = Style(FONT_NORMAL, space_below=6, left_indent=36, first_indent=-18, tab=36, bullet=True)
# The last item of a list stands as far from what follows as a paragraph.
LAST_BULLET = dataclasses.replace(BULLET, space_below=BODY.space_below)
BULLET_CHAR = b'\x95'


@dataclass
class Record:
    type: int
    topic: int
    link_data1: bytes | None  # filled in later for a TOPICHEADER
    link_data2: bytes
    start: int = 0  # offset in the stream of records


def topic_pos(start):
    block, offset = divmod(start, BLOCK_DATA)
    return block * 0x4000 + offset + 12


def paragraph_info(style):
    bits = 0
    fields = b''
    if style.space_below:
        bits |= 0x0004
        fields += compressed_short(style.space_below)
    if style.left_indent:
        bits |= 0x0010
        fields += compressed_short(style.left_indent)
    if style.first_indent:
        bits |= 0x0040
        fields += compressed_short(style.first_indent)
    if style.tab:
        bits |= 0x0200
        fields += compressed_short(1) + compressed_ushort(style.tab)
    return u8(0) + u8(0x80) + u16(0) + u16(bits) + fields


def paragraph_record(spans, style, topic_number, popups):
    """One paragraph as a 0x20 record: LinkData2 is strings, and LinkData1
    the commands that follow each string, one command per string."""
    strings = []
    commands = []
    pending = bytearray()

    def command(code):
        strings.append(bytes(pending) + b'\0')
        pending.clear()
        commands.append(code)

    font = style.font
    command(b'\x80' + u16(font))
    if style.bullet:
        pending += BULLET_CHAR
        command(b'\x83')
    for span in spans:
        wanted = FONT_BOLD if span.bold and style.font == FONT_NORMAL else style.font
        if wanted != font:
            font = wanted
            command(b'\x80' + u16(font))
        if span.link:
            jump = b'\xE2' if span.link in popups else b'\xE3'
            command(jump + i32(context_hash(span.link)))
        pending += text_bytes(span.text)
        if span.link:
            command(b'\x89')
    command(b'\x82')
    command(b'\xFF')
    text = b''.join(strings)
    # TopicSize and TopicLength both count the text with its NULs; the
    # length is what TOPICOFFSETs add up.
    link_data1 = (compressed_long(len(text)) + compressed_ushort(len(text)) + paragraph_info(style)
                  + b''.join(commands))
    return Record(0x20, topic_number, link_data1, text)


def topic_records(topics):
    popups = {topic.id for topic in topics if topic.popup}
    records = []
    for number, topic in enumerate(topics):
        records.append(Record(0x02, number, None, text_bytes(topic.title) + b'\0'))
        title_style = POPUP_TITLE if topic.popup else TITLE
        records.append(paragraph_record([Span(topic.title, False)], title_style, number, popups))
        for block, following in zip(topic.blocks, topic.blocks[1:] + [None]):
            if not block.bullet:
                style = BODY
            else:
                style = BULLET if following and following.bullet else LAST_BULLET
            records.append(paragraph_record(block.spans, style, number, popups))
    records.append(Record(0x02, len(topics), None, b''))
    return records


def record_size(record):
    data1 = TOPIC_HEADER if record.link_data1 is None else len(record.link_data1)
    return LINK_HEADER + data1 + len(record.link_data2)


def build_topic(topics):
    """The |TOPIC file and the TOPICOFFSET of each topic."""
    records = topic_records(topics)
    start = 0
    for record in records:
        record.start = start
        start += record_size(record)

    offsets = []
    block = None
    characters = 0
    for record in records:
        if record.start // BLOCK_DATA != block:
            block = record.start // BLOCK_DATA
            characters = 0
        if record.type == 0x02:
            offsets.append(block * 0x8000 + characters)
        else:
            characters += len(record.link_data2)

    headers = [n for n, record in enumerate(records) if record.type == 0x02]
    for this, following in zip(headers, headers[1:]):
        size = records[following].start - records[this].start
        scroll = topic_pos(records[this + 1].start) if this + 1 < following else NONE
        records[this].link_data1 = (u32(size) + i32(NONE) + i32(NONE) + u32(records[this].topic)
                                    + i32(NONE) + i32(scroll) + u32(topic_pos(records[following].start)))
    end = records[-1]
    end.link_data1 = u32(0) + i32(NONE) + i32(NONE) + u32(end.topic) + i32(NONE) + i32(NONE) + i32(NONE)

    stream = bytearray()
    for number, record in enumerate(records):
        previous = topic_pos(records[number - 1].start) if number else NONE
        following = topic_pos(records[number + 1].start) if number + 1 < len(records) else NONE
        stream += (u32(record_size(record)) + u32(len(record.link_data2)) + i32(previous) + i32(following)
                   + u32(LINK_HEADER + len(record.link_data1)) + u8(record.type)
                   + record.link_data1 + record.link_data2)

    topic_file = bytearray()
    for block in range((len(stream) + BLOCK_DATA - 1) // BLOCK_DATA):
        begin = block * BLOCK_DATA
        before = [r for r in records if r.start < begin]
        inside = [r for r in records if begin <= r.start < begin + BLOCK_DATA]
        headers_before = [r for r in before if r.type == 0x02]
        topic_file += (i32(topic_pos(before[-1].start) if before else NONE)
                       + i32(topic_pos(inside[0].start) if inside else NONE)
                       + i32(topic_pos(headers_before[-1].start) if headers_before else NONE))
        # Readers take whole blocks, the last one too.
        topic_file += stream[begin:begin + BLOCK_DATA].ljust(BLOCK_DATA, b'\0')
    return bytes(topic_file), offsets[:-1]


# ---------------------------------------------------------------------------
# The other internal files
# ---------------------------------------------------------------------------

def build_system(title, contents_offset):
    def record(kind, data):
        return u16(kind) + u16(len(data)) + data

    # Magic, minor version 33 (WinHelp 4), major 1, no date, flags 0: not compressed.
    header = u16(0x036C) + u16(33) + u16(1) + u32(0) + u16(0)
    return (header + record(1, text_bytes(title) + b'\0') + record(3, u32(contents_offset))
            + record(11, u16(0)))  # ANSI_CHARSET


def build_font():
    face_size = 32
    faces = b'Arial'.ljust(face_size, b'\0')
    descriptors = b''.join(u8(attributes) + u8(half_points) + u8(3)  # family: swiss
                           + u16(0) + bytes((0, 0, 0)) + bytes((255, 255, 255))
                           for attributes, half_points in FONTS)
    return u16(1) + u16(len(FONTS)) + u16(8) + u16(8 + len(faces)) + faces + descriptors


def build_context(topics, offsets):
    entries = sorted((context_hash(topic.id), offset) for topic, offset in zip(topics, offsets))
    return btree([(i32(value), i32(value) + u32(offset)) for value, offset in entries], 0x800, b'L4')[0]


def build_ctxomap(topics, offsets):
    mapped = sorted((topic.context, offset) for topic, offset in zip(topics, offsets) if topic.context)
    return u16(len(mapped)) + b''.join(u32(context) + u32(offset) for context, offset in mapped)


def build_ttlbtree(topics, offsets):
    return btree([(u32(offset), u32(offset) + text_bytes(topic.title) + b'\0')
                  for topic, offset in zip(topics, offsets)], 0x800, b'Lz')[0]


def build_keywords(topics, offsets):
    """|KWBTREE, |KWDATA and |KWMAP, or None when no topic has keywords.

    Keywords that differ only in case are one keyword, spelt as first seen."""
    found = {}
    for topic, offset in zip(topics, offsets):
        for keyword in topic.keywords:
            spelling, places = found.setdefault(keyword.lower(), (keyword, []))
            if offset not in places:
                places.append(offset)
    if not found:
        return None
    data = b''
    entries = []
    for key in sorted(found, key=lambda k: text_bytes(k)):
        spelling, places = found[key]
        name = text_bytes(spelling) + b'\0'
        entries.append((name, name + u16(len(places)) + u32(len(data))))
        data += b''.join(u32(offset) for offset in places)
    tree, firsts = btree(entries, 0x800, b'F24')
    kwmap = b''.join(u32(first) + u16(page) for page, first in enumerate(firsts))
    return tree, data, kwmap


def file_header(content):
    return u32(len(content) + 9) + u32(len(content)) + u8(4)


def assemble(files):
    """The whole .hlp: header, the internal files, then their directory."""
    body = bytearray(16)
    places = {}
    for name, content in files.items():
        places[name] = len(body)
        body += file_header(content) + content
    names = sorted(name.encode('ascii') for name in files)
    directory, _ = btree([(name + b'\0', name + b'\0' + u32(places[name.decode('ascii')])) for name in names],
                         0x400, b'z4', flags=0x0402)
    directory_start = len(body)
    body += file_header(directory) + directory
    body[0:16] = u32(0x00035F3F) + u32(directory_start) + i32(NONE) + u32(len(body))
    return bytes(body)


def build_hlp(topics, title):
    topic_file, offsets = build_topic(topics)
    files = {
        '|SYSTEM': build_system(title, offsets[0]),
        '|FONT': build_font(),
        '|TOPIC': topic_file,
        '|CONTEXT': build_context(topics, offsets),
        '|CTXOMAP': build_ctxomap(topics, offsets),
        '|TTLBTREE': build_ttlbtree(topics, offsets),
    }
    keywords = build_keywords(topics, offsets)
    if keywords:
        files['|KWBTREE'], files['|KWDATA'], files['|KWMAP'] = keywords
    return assemble(files)


# ---------------------------------------------------------------------------
# HTML
# ---------------------------------------------------------------------------

STYLE = """\
body { font-family: Arial, Helvetica, sans-serif; font-size: 10pt; line-height: 1.4;
       margin: 1em 2em; max-width: 44em; color: #000; background: #fff; }
h1 { font-size: 14pt; margin: 0.5em 0 0.8em; }
p, li { margin: 0 0 0.6em; }
ul { padding-left: 1.6em; }
a { color: #006000; }
.contents { font-size: 9pt; border-bottom: 1px solid #ccc; padding-bottom: 0.3em; }"""


def html_inline(spans):
    parts = []
    bold = False
    for span in spans:
        if span.bold != bold:
            parts.append('<b>' if span.bold else '</b>')
            bold = span.bold
        text = html.escape(span.text, quote=False)
        parts.append(f'<a href="{span.link}.html">{text}</a>' if span.link else text)
    if bold:
        parts.append('</b>')
    return ''.join(parts)


def html_page(topic, help_title):
    title = html.escape(topic.title, quote=False)
    lines = [
        '<!DOCTYPE html>',
        '<html lang="en">',
        '<head>',
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">',
        f'<title>{title} - {html.escape(help_title, quote=False)}</title>',
        '<style>',
        STYLE,
        '</style>',
        '</head>',
        '<body>',
        f'<p class="contents"><a href="{CONTENTS_ID}.html">Contents</a></p>',
        f'<h1>{title}</h1>',
    ]
    in_list = False
    for block in topic.blocks:
        if block.bullet != in_list:
            lines.append('<ul>' if block.bullet else '</ul>')
            in_list = block.bullet
        tag = 'li' if block.bullet else 'p'
        lines.append(f'<{tag}>{html_inline(block.spans)}</{tag}>')
    if in_list:
        lines.append('</ul>')
    lines += ['</body>', '</html>', '']
    return '\n'.join(lines)


# ---------------------------------------------------------------------------

def write_outputs(topics, hlp_path, html_dir, title):
    hlp = build_hlp(topics, title)
    pages = {topic.id: html_page(topic, title) for topic in topics}
    folder = os.path.dirname(os.path.abspath(hlp_path))
    os.makedirs(folder, exist_ok=True)
    with open(hlp_path + '.tmp', 'wb') as out:
        out.write(hlp)
    os.replace(hlp_path + '.tmp', hlp_path)
    os.makedirs(html_dir, exist_ok=True)
    for topic_id, page in pages.items():
        with open(os.path.join(html_dir, topic_id + '.html'), 'w', encoding='cp1252', newline='\n') as out:
            out.write(page)


def main(argv=None):
    parser = argparse.ArgumentParser(description='Compile the help source into a .hlp file and HTML pages.')
    parser.add_argument('source', help='help source, windows-1252 text')
    parser.add_argument('--hlp', required=True, help='the WinHelp file to write')
    parser.add_argument('--html', required=True, help='the folder for the HTML pages')
    parser.add_argument('--title', default=HELP_TITLE, help=f'the help file\'s title (default "{HELP_TITLE}")')
    args = parser.parse_args(argv)
    try:
        text_bytes(args.title)
        topics = read_source(args.source)
        write_outputs(topics, args.hlp, args.html, args.title)
    except SourceError as error:
        print(f'help_compiler: {error}', file=sys.stderr)
        return 1
    except UnicodeEncodeError:
        print(f'help_compiler: the title "{args.title}" is not windows-1252 text', file=sys.stderr)
        return 1
    except OSError as error:
        print(f'help_compiler: {error}', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
