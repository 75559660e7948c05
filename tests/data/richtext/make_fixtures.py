#!/usr/bin/env python3
# Makes the rich-text fixtures: hand-written RTF files in the styles WordPad and older Word
# versions save, and LibreOffice documents converted to RTF and to plain text.
# Run it by hand when a fixture changes (LibreOffice and ImageMagick are needed only here);
# the tests read the committed files.
# SPDX-License-Identifier: GPL-3.0-or-later
import base64
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def gbk_hex(text):
    return ''.join("\\'%02x" % b for b in text.encode('gbk'))


def dib(width, height):
    """A 24-bit BITMAPINFOHEADER and its bits: red left half, blue right half."""
    row = b''
    for x in range(width):
        row += b'\x00\x00\xff' if x < width // 2 else b'\xff\x00\x00'
    row += b'\x00' * ((4 - len(row) % 4) % 4)
    bits = row * height
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    return header, bits


def wmf_with_stretchdib(width, height):
    header, bits = dib(width, height)
    body = header + bits
    # META_STRETCHDIB: rop, colour usage, source and destination rectangles, then the DIB.
    params = struct.pack('<IHhhhhhhhh', 0x00CC0020, 0, height, width, 0, 0, height, width, 0, 0)
    record = params + body
    if len(record) % 2:
        record += b'\x00'
    records = [
        struct.pack('<IH', 5, 0x020B) + struct.pack('<hh', 0, 0),            # META_SETWINDOWORG
        struct.pack('<IH', 5, 0x020C) + struct.pack('<hh', height, width),   # META_SETWINDOWEXT
        struct.pack('<IH', 3 + len(record) // 2, 0x0F43) + record,
        struct.pack('<IH', 3, 0),                                              # META_EOF
    ]
    size_words = 9 + sum(len(r) for r in records) // 2
    max_record = max(len(r) for r in records) // 2
    head = struct.pack('<HHHIHIH', 1, 9, 0x0300, size_words, 0, max_record, 0)
    return head + b''.join(records)


def emf_with_stretchdibits(width, height):
    header, bits = dib(width, height)
    # EMR_STRETCHDIBITS with its BITMAPINFO and bits after the fixed fields.
    fixed = 80
    off_bmi = fixed
    off_bits = fixed + len(header)
    size = off_bits + len(bits)
    record = struct.pack('<II', 81, size) + struct.pack('<iiii', 0, 0, width, height)
    record += struct.pack('<iiiiii', 0, 0, 0, 0, width, height)
    record += struct.pack('<IIIIIIii', off_bmi, len(header), off_bits, len(bits), 0, 0x00CC0020,
                          width, height)
    assert len(record) == fixed
    record += header + bits
    emr_header = struct.pack('<II', 1, 88) + struct.pack('<iiii', 0, 0, width, height)
    emr_header += struct.pack('<iiii', 0, 0, width * 26, height * 26)
    emr_header += struct.pack('<IIIIHHIIII', 0x464D4520, 0x10000, 0, 3, 0, 0, 0, 0, 0, 0)
    emr_header += struct.pack('<iiii', 1024, 768, 320, 240)
    emr_header = emr_header[:88]
    eof = struct.pack('<IIIII', 14, 20, 0, 16, 20)
    total = emr_header + record + eof
    total = total[:48] + struct.pack('<I', len(total)) + total[52:]
    return total


def hexlines(data):
    h = data.hex()
    return '\r\n'.join(h[i:i + 128] for i in range(0, len(h), 128))


def write(name, text):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(text.encode('ascii'))


def wordpad_gbk():
    songti = gbk_hex('宋体')
    heiti = gbk_hex('黑体')
    return ('{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052'
            '{\\fonttbl{\\f0\\fnil\\fcharset134 ' + songti + ';}'
            '{\\f1\\fnil\\fcharset134 ' + heiti + ';}'
            '{\\f2\\fswiss\\fcharset0 Arial;}}\r\n'
            '{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n'
            '\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs24 ' + gbk_hex('下列哪个是质数？') + '\\par\r\n'
            '\\f2 A. 21\\tab B. \\cf1\\b 23\\cf0\\b0\\par\r\n'
            '\\pard\\qc\\f1\\fs32 ' + gbk_hex('说明') + '\\f2\\fs24  (x\\super 2\\nosupersub )\\par\r\n'
            '\\pard\\f0 \\uc1\\u20013\\' + "'d6" + '\\u25991?\\uc2\\u35797\\' + "'ca\\'d4" + 'ok\\par\r\n'
            '}\r\n')


def wordpad_wmf():
    wmf = wmf_with_stretchdib(8, 6)
    return ('{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 '
            + gbk_hex('宋体') + ';}}\r\n'
            '\\viewkind4\\uc1\\pard\\f0\\fs20 ' + gbk_hex('图') + ':{\\pict\\wmetafile8\\picw212\\pich159'
            '\\picwgoal1200\\pichgoal900 \r\n' + hexlines(wmf) + '\r\n}\\par\r\n}\r\n')


def word_emf():
    emf = emf_with_stretchdibits(8, 6)
    return ('{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}}\r\n'
            '\\pard\\plain\\f0\\fs24 Picture: {\\*\\shppict{\\pict\\emfblip\\picw212\\pich159'
            '\\picwgoal1500\\pichgoal1125\\picscalex50\\picscaley50 \r\n' + hexlines(emf) + '\r\n}}'
            '{\\nonshppict{\\pict\\wmetafile8\\picw212\\pich159\\picwgoal1500\\pichgoal1125 '
            '0100090000032100000000000000000000000300000000000000}}\\par\r\n}\r\n')


FODT_HEAD = '''<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:font-face-decls>
 <style:font-face style:name="Liberation Serif" svg:font-family="'Liberation Serif'"/>
 <style:font-face style:name="DejaVu Sans" svg:font-family="'DejaVu Sans'"/>
 <style:font-face style:name="SimSun" svg:font-family="SimSun"/>
 <style:font-face style:name="SimHei" svg:font-family="SimHei"/>
</office:font-face-decls>
<office:automatic-styles>
 <style:style style:name="Pc" style:family="paragraph"><style:paragraph-properties fo:text-align="center"/></style:style>
 <style:style style:name="Pr" style:family="paragraph"><style:paragraph-properties fo:text-align="end"/></style:style>
 <style:style style:name="Pi" style:family="paragraph"><style:paragraph-properties fo:margin-left="0.5in" fo:text-indent="0.25in"/></style:style>
 <style:style style:name="Tb" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
 <style:style style:name="Ti" style:family="text"><style:text-properties fo:font-style="italic"/></style:style>
 <style:style style:name="Tu" style:family="text"><style:text-properties style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color"/></style:style>
 <style:style style:name="Ts" style:family="text"><style:text-properties style:text-line-through-style="solid"/></style:style>
 <style:style style:name="Tsup" style:family="text"><style:text-properties style:text-position="super 58%"/></style:style>
 <style:style style:name="Tsub" style:family="text"><style:text-properties style:text-position="sub 58%"/></style:style>
 <style:style style:name="Tred" style:family="text"><style:text-properties fo:color="#ff0000"/></style:style>
 <style:style style:name="Thl" style:family="text"><style:text-properties fo:background-color="#ffff00"/></style:style>
 <style:style style:name="T20" style:family="text"><style:text-properties fo:font-size="20pt"/></style:style>
 <style:style style:name="Tcjk" style:family="text"><style:text-properties style:font-name-asian="SimHei" style:font-size-asian="16pt"/></style:style>
 <style:style style:name="Tdv" style:family="text"><style:text-properties style:font-name="DejaVu Sans"/></style:style>
</office:automatic-styles>
<office:body><office:text>
'''

FODT_TAIL = '</office:text></office:body></office:document>\n'


def fodt_formats():
    return FODT_HEAD + '''<text:p>Question 1: which of these is a prime number?</text:p>
<text:p>第一题：下列哪个数是质数？</text:p>
<text:p>Plain, <text:span text:style-name="Tb">bold</text:span>, <text:span text:style-name="Ti">italic</text:span>, <text:span text:style-name="Tu">underlined</text:span>, <text:span text:style-name="Ts">struck</text:span>, x<text:span text:style-name="Tsup">2</text:span> and H<text:span text:style-name="Tsub">2</text:span>O.</text:p>
<text:p><text:span text:style-name="Tred">红色的字 red text</text:span> and <text:span text:style-name="Thl">highlighted</text:span>.</text:p>
<text:p text:style-name="Pc"><text:span text:style-name="T20">Centred, 20 points</text:span></text:p>
<text:p text:style-name="Pr"><text:span text:style-name="Tcjk">右对齐的黑体</text:span></text:p>
<text:p text:style-name="Pi"><text:span text:style-name="Tdv">Indented DejaVu Sans; braces { } and a backslash \\ stay.</text:span></text:p>
<text:p>A<text:tab/>tab and a<text:line-break/>line break.</text:p>
<text:p/>
<text:p>End 结束.</text:p>
''' + FODT_TAIL


def image_frame(name, mime, data, width_in, height_in):
    return ('<draw:frame draw:name="%s" text:anchor-type="as-char" svg:width="%.2fin" '
            'svg:height="%.2fin"><draw:image draw:mime-type="%s"><office:binary-data>%s'
            '</office:binary-data></draw:image></draw:frame>'
            % (name, width_in, height_in, mime, base64.b64encode(data).decode('ascii')))


def fodt_pictures(png, jpeg):
    return FODT_HEAD + '''<text:p>看图回答 Look at the pictures:</text:p>
<text:p>PNG ''' + image_frame('png', 'image/png', png, 1.0, 0.5) + ''' and JPEG ''' + \
        image_frame('jpeg', 'image/jpeg', jpeg, 1.5, 1.0) + '''.</text:p>
<table:table table:name="T1"><table:table-column table:number-columns-repeated="3"/>
<table:table-row><table:table-cell office:value-type="string"><text:p>选项</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>Answer</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>备注</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>A</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>23</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>质数</text:p><text:p>prime</text:p></table:table-cell></table:table-row>
</table:table>
<text:p>After the table.</text:p>
''' + FODT_TAIL


def editor_source(png):
    """The formats the paper editor gives a question: Chinese text, bold, italic, underline,
    super- and subscript, a colour and size, and a picture on a line of its own."""
    return ('{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}'
            '{\\f1\\fnil\\fcharset0 Arial;}}{\\colortbl;\\red192\\green0\\blue0;}\\viewkind4\\uc1\r\n'
            '\\pard\\f0\\fs24 1. ' + gbk_hex('下列哪个数是质数？') + ' {\\b ' + gbk_hex('粗体') +
            '} {\\i italic} {\\ul under} x{\\super 2} H{\\sub 2}O {\\cf1\\fs32 ' + gbk_hex('红色') +
            '}\\par\r\n\\pard{\\pict\\pngblip\\picw24\\pich16\\picwgoal360\\pichgoal240\r\n' +
            png.hex() + '}\\par\r\n\\pard A. 21\\par\r\nB. 23\\par\r\n}\r\n')


def run(args, cwd):
    subprocess.run(args, cwd=cwd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    write('wordpad_gbk.rtf', wordpad_gbk())
    write('wordpad_wmf.rtf', wordpad_wmf())
    write('word_emf.rtf', word_emf())

    work = tempfile.mkdtemp()
    try:
        run(['convert', '-size', '24x16', 'xc:#20a040', '-fill', 'yellow', '-draw',
             'rectangle 4,4 12,10', 'png24:p.png'], work)
        run(['convert', '-size', '40x30', 'gradient:red-blue', 'j.jpg'], work)
        png = open(os.path.join(work, 'p.png'), 'rb').read()
        jpeg = open(os.path.join(work, 'j.jpg'), 'rb').read()
        with open(os.path.join(HERE, 'picture.png'), 'wb') as f:
            f.write(png)
        with open(os.path.join(HERE, 'picture.jpg'), 'wb') as f:
            f.write(jpeg)
        sources = {'lo_formats.fodt': fodt_formats(), 'lo_pictures.fodt': fodt_pictures(png, jpeg)}
        for name, text in sources.items():
            with open(os.path.join(work, name), 'w', encoding='utf-8') as f:
                f.write(text)
            run(['soffice', '--headless', '--convert-to', 'rtf', name], work)
            shutil.copy(os.path.join(work, name[:-5] + '.rtf'), HERE)
            shutil.copy(os.path.join(work, name), HERE)
        # What the editor writes (quorin-rtf convert is its writer), and LibreOffice's RTF
        # of that: the tests check that LibreOffice kept every format.
        tool = os.path.join(HERE, '..', '..', '..', 'build', 'bin', 'quorin-rtf')
        if os.path.exists(tool):
            write('editor_source.rtf', editor_source(png))
            run([tool, 'convert', os.path.join(HERE, 'editor_source.rtf'),
                 os.path.join(HERE, 'editor_written.rtf')], work)
            shutil.copy(os.path.join(HERE, 'editor_written.rtf'), work)
            os.makedirs(os.path.join(work, 'lo'))
            run(['soffice', '--headless', '--convert-to', 'rtf', '--outdir', 'lo', 'editor_written.rtf'], work)
            shutil.copy(os.path.join(work, 'lo', 'editor_written.rtf'), os.path.join(HERE, 'editor_written_lo.rtf'))
        # LibreOffice's own text of every fixture, the reference for the reader's text.
        for name in sorted(os.listdir(HERE)):
            if name.endswith('.rtf'):
                shutil.copy(os.path.join(HERE, name), work)
                run(['soffice', '--headless', '--convert-to', 'txt:Text', name], work)
                shutil.copy(os.path.join(work, name[:-4] + '.txt'), HERE)
    finally:
        shutil.rmtree(work)


if __name__ == '__main__':
    sys.exit(main())
