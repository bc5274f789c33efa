#!/usr/bin/env python3
"""Writes the small pictures and sounds of tests/corpus/: forms the game's
loaders must read right ("ok-") and damaged or unreadable ones they must
refuse ("bad-"). Run from anywhere; the same bytes every time."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def le16(v): return struct.pack('<H', v & 0xffff)
def le32(v): return struct.pack('<I', v & 0xffffffff)


# ---- pictures -------------------------------------------------------------

def bmp(w, h, bits, compression, pixels, table=b'', masks=b'', offset=None, used=0, size=None, planes=1):
    head = 14 + 40
    offset = head + len(masks) + len(table) if offset is None else offset
    info = struct.pack('<IiiHHIIiiII', 40, w, h, planes, bits, compression, len(pixels), 2835, 2835, used, 0)
    body = info + masks + table + pixels
    size = 14 + len(body) if size is None else size
    return b'BM' + le32(size) + le32(0) + le32(offset) + body


def os2_bmp(w, h, bits, pixels, table=b''):
    offset = 14 + 12 + len(table)
    return b'BM' + le32(offset + len(pixels)) + le32(0) + le32(offset) + struct.pack('<IHHHH', 12, w, h, 1, bits) + table + pixels


def rows(w, h, bits, pixel):
    """Uncompressed rows, bottom first, each padded to 4 bytes. pixel(x, y) is
    an int (colour number or packed value)."""
    out = b''
    for y in range(h - 1, -1, -1):
        if bits >= 8:
            r = b''.join(pixel(x, y).to_bytes(bits // 8, 'little') for x in range(w))
        else:
            acc, n, r = 0, 0, b''
            for x in range(w):
                acc, n = acc << bits | pixel(x, y), n + bits
                if n == 8:
                    r, acc, n = r + bytes([acc]), 0, 0
            if n:
                r += bytes([acc << (8 - n)])
        out += r + b'\0' * (-len(r) % 4)
    return out


def table(colours, entry=4):
    return b''.join(bytes([c & 255, c >> 8 & 255, c >> 16]) + (b'\0' if entry == 4 else b'') for c in colours)


PALETTE = [0x000000, 0xffffff, 0xff0000, 0x00ff00, 0x0000ff, 0xffff00, 0xff00ff, 0x00ffff,
           0x808080, 0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xc0c0c0,
           0x402010, 0x104020, 0x201040, 0xf0a030]


def colour_at(x, y, n): return (x * 3 + y * 5 + x * y) % n


def rgb_at(x, y): return ((x * 40) & 255) << 16 | ((y * 60) & 255) << 8 | ((x * 13 + y * 29) & 255)


def rle(w, h, bits, colour, row_width=None, end='last row'):
    """Runs as a careful writer makes them: repeats as runs, the rest as
    literals, an end-of-row mark after each row. row_width: pixels encoded per
    row (more than w: the padding written as pixels, as one popular converter
    does). end: the end-of-picture mark in place of the last row's end
    ('last row'), after it ('after'), or none."""
    row_width = row_width or w
    out = b''
    for y in range(h - 1, -1, -1):
        px = [colour(min(x, w - 1), y) for x in range(row_width)]
        x = 0
        while x < len(px):
            n = 1
            while x + n < len(px) and n < 255 and px[x + n] == px[x]:
                n += 1
            if n >= 3 or len(px) - x < 3:
                out += bytes([n, px[x] if bits == 8 else px[x] << 4 | px[x]])
                x += n
                continue
            n = min(3 + (len(px) - x - 3) % 5, len(px) - x)  # literal of 3 to 7 pixels
            lit = px[x:x + n]
            if bits == 8:
                out += bytes([0, n]) + bytes(lit) + b'\0' * (n % 2)
            else:
                nib = lit + [0] * (-n % 4)
                out += bytes([0, n]) + bytes(nib[i] << 4 | nib[i + 1] for i in range(0, len(nib), 2))
            x += n
        out += b'\0\0'
    return {'last row': out[:-2] + b'\0\1', 'after': out + b'\0\1', None: out}[end]


def masks(r, g, b): return le32(r) + le32(g) + le32(b)


def pictures():
    W, H = 13, 7
    p24 = rows(W, H, 24, rgb_at)
    c8 = lambda x, y: colour_at(x, y, 20)
    c16 = lambda x, y: colour_at(x, y, 16)
    t20 = table(PALETTE)
    t16 = table(PALETTE[:16])
    pic = {}
    pic['ok-24bit-odd-width'] = bmp(W, H, 24, 0, p24)
    pic['ok-32bit'] = bmp(W, H, 32, 0, rows(W, H, 32, lambda x, y: rgb_at(x, y) | 0x55000000))
    pic['ok-16bit-555'] = bmp(W, H, 16, 0, rows(W, H, 16, lambda x, y: (x * 2) << 10 | (y * 4) << 5 | (x + y)))
    pic['ok-8bit'] = bmp(W, H, 8, 0, rows(W, H, 8, c8), t20, used=20)
    pic['ok-8bit-256-colours'] = bmp(W, H, 8, 0, rows(W, H, 8, lambda x, y: colour_at(x, y, 256)),
                                     table([(i * 0x010203) & 0xffffff for i in range(256)]))
    pic['ok-4bit'] = bmp(W, H, 4, 0, rows(W, H, 4, c16), t16)
    pic['ok-1bit'] = bmp(35, 3, 1, 0, rows(35, 3, 1, lambda x, y: (x + y) % 3 == 0), table([0x102030, 0xffeedd]))
    pic['ok-old-header-24bit'] = os2_bmp(W, H, 24, p24)
    pic['ok-old-header-8bit'] = os2_bmp(W, H, 8, rows(W, H, 8, c8), table(PALETTE, 3))
    pic['ok-run-length-8bit'] = bmp(16, 8, 8, 1, rle(16, 8, 8, c8, end='after'), t20, used=20)
    pic['ok-run-length-8bit-odd-width'] = bmp(W, H, 8, 1, rle(W, H, 8, c8), t20, used=20)
    pic['ok-run-length-4bit'] = bmp(W, H, 4, 2, rle(W, H, 4, c16), t16)
    pic['ok-run-length-no-end-mark'] = bmp(16, 8, 8, 1, rle(16, 8, 8, c8, end=None), t20)
    # A jump over part of the picture and an early end: what is skipped is colour 0.
    jumps = bytes([3, 5, 0, 2, 4, 1, 0, 3, 7, 8, 9, 0]) + bytes([2, 6, 0, 0, 5, 2, 0, 1])
    pic['ok-run-length-jumps'] = bmp(16, 8, 8, 1, jumps, t20)
    pic['ok-bit-fields-565'] = bmp(W, H, 16, 3, rows(W, H, 16, lambda x, y: (x * 2) << 11 | (y * 9) << 5 | (x + y)),
                                   masks=masks(0xf800, 0x07e0, 0x001f))
    pic['ok-bit-fields-555'] = bmp(W, H, 16, 3, rows(W, H, 16, lambda x, y: (x * 2) << 10 | (y * 4) << 5 | (x + y)),
                                   masks=masks(0x7c00, 0x03e0, 0x001f))
    pic['ok-bit-fields-888'] = bmp(W, H, 32, 3, rows(W, H, 32, rgb_at), masks=masks(0xff0000, 0xff00, 0xff))
    pic['ok-wrong-size-field'] = bmp(W, H, 24, 0, p24, size=99999)
    pic['ok-planes-0'] = bmp(W, H, 24, 0, p24, planes=0)
    pic['ok-trailing-bytes'] = bmp(W, H, 24, 0, p24 + b'tail' * 5)
    pic['ok-gap-before-pixels'] = bmp(W, H, 24, 0, b'\xee' * 6 + p24, offset=60)

    wide = rle(W, H, 8, c8, row_width=16)  # rows written 16 pixels wide for a 13-pixel picture
    pic['bad-run-length-rows-too-wide'] = bmp(W, H, 8, 1, wide, t20)
    pic['bad-run-length-4bit-rows-too-wide'] = bmp(W, H, 4, 2, rle(W, H, 4, c16, row_width=16), t16)
    runs = rle(16, 8, 8, c8)
    pic['bad-run-length-cut-short'] = bmp(16, 8, 8, 1, runs[:len(runs) // 2], t20)
    pic['bad-run-length-literal-cut'] = bmp(16, 8, 8, 1, bytes([4, 1, 0, 9, 1, 2, 3]), t20)
    pic['bad-run-length-jump-above-top'] = bmp(16, 8, 8, 1, bytes([2, 3, 0, 2, 0, 9, 1, 4, 0, 1]), t20)
    pic['bad-run-length-jump-past-right'] = bmp(16, 8, 8, 1, bytes([2, 3, 0, 2, 20, 0, 0, 1]), t20)
    pic['bad-run-length-colour-past-table'] = bmp(16, 8, 8, 1, bytes([5, 30, 0, 1]), t20, used=20)
    pic['bad-run-length-no-colour-table'] = bmp(16, 8, 8, 1, runs)
    pic['bad-run-length-with-24-bits'] = bmp(16, 8, 24, 1, runs)
    pic['bad-8bit-colour-past-table'] = bmp(W, H, 8, 0, rows(W, H, 8, lambda x, y: 19 if x == 5 else 1), t16)
    p565 = rows(W, H, 16, lambda x, y: x << 11 | y << 5 | x)
    pic['bad-bit-fields-pixels-after-gap'] = bmp(W, H, 16, 3, b'\0' * 4 + p565, masks=masks(0xf800, 0x07e0, 0x001f),
                                                 offset=70)
    pic['bad-bit-fields-444'] = bmp(W, H, 16, 3, p565, masks=masks(0x0f00, 0x00f0, 0x000f))
    pic['bad-bit-fields-888-in-16-bits'] = bmp(W, H, 16, 3, p565, masks=masks(0xff0000, 0xff00, 0xff))
    pic['bad-bit-fields-565-in-32-bits'] = bmp(W, H, 32, 3, rows(W, H, 32, rgb_at), masks=masks(0xf800, 0x07e0, 0x1f))
    pic['bad-bit-fields-odd-green'] = bmp(W, H, 16, 3, p565, masks=masks(0xf800, 0x03e0, 0x001f))
    pic['bad-bit-fields-missing'] = bmp(W, H, 16, 3, p565)  # the masks left out
    pic['bad-top-down'] = bmp(W, -H, 24, 0, p24)
    pic['bad-rows-cut-short'] = bmp(W, H, 24, 0, p24[:-7])
    pic['bad-offset-inside-header'] = bmp(W, H, 24, 0, p24, offset=40)
    pic['bad-jpeg-compression'] = bmp(W, H, 24, 4, p24)
    pic['bad-v5-header'] = (b'BM' + le32(14 + 124 + len(p24)) + le32(0) + le32(138) +
                            struct.pack('<IiiHHIIiiII', 124, W, H, 1, 24, 0, len(p24), 0, 0, 0, 0) + b'\0' * 84 + p24)
    pic['bad-width-4097'] = bmp(4097, 1, 1, 0, rows(4097, 1, 1, lambda x, y: x % 2), table([0, 0xffffff]))
    pic['bad-2-bits'] = bmp(W, H, 2, 0, rows(W, H, 8, c16), t16)
    pic['bad-old-header-16bit'] = os2_bmp(W, H, 16, rows(W, H, 16, lambda x, y: x << 10 | y))
    return pic


# ---- sounds ---------------------------------------------------------------

def chunk(name, body, pad=True):
    return name + le32(len(body)) + body + (b'\0' if pad and len(body) % 2 else b'')


def fmt(channels, bits, rate=22050, fmt_format=1, extra=b''):
    frame = channels * bits // 8
    return chunk(b'fmt ', struct.pack('<HHIIHH', fmt_format, channels, rate, rate * frame, frame, bits) + extra)


def wav(*chunks): 
    body = b'WAVE' + b''.join(chunks)
    return b'RIFF' + le32(len(body)) + body


def samples(n, bits, channels):
    if bits == 8:
        return bytes((i * 37 + c * 90) & 255 for i in range(n) for c in range(channels))
    return b''.join(struct.pack('<h', ((i * 1733 + c * 9000) % 65536) - 32768) for i in range(n) for c in range(channels))


def sounds():
    s16 = samples(300, 16, 1)
    m16, st16, m8, st8 = fmt(1, 16), fmt(2, 16), fmt(1, 8), fmt(2, 8)
    d16 = chunk(b'data', s16)
    odd8 = samples(301, 8, 1)
    info = chunk(b'LIST', b'INFOISFT\x07\0\0\0gobbler', pad=False)  # 19 bytes: an odd chunk
    snd = {}
    snd['ok-16bit-mono'] = wav(m16, d16)
    snd['ok-16bit-stereo'] = wav(st16, chunk(b'data', samples(200, 16, 2)))
    snd['ok-8bit-mono'] = wav(m8, chunk(b'data', samples(300, 8, 1)))
    snd['ok-8bit-stereo'] = wav(st8, chunk(b'data', samples(300, 8, 2)))
    snd['ok-fmt-18-bytes'] = wav(fmt(1, 16, extra=b'\0\0'), d16)
    snd['ok-list-before-data'] = wav(m16, chunk(b'LIST', b'INFOISFT\x06\0\0\0gobble'), d16)
    snd['ok-odd-list-unpadded-before-data'] = wav(m16, info, d16)
    snd['ok-odd-list-padded-after-data'] = wav(m16, d16, info + b'\0')
    snd['ok-odd-8bit-data-padded-then-list'] = wav(m8, chunk(b'data', odd8), chunk(b'LIST', b'INFO'))
    snd['ok-two-formats-before-data'] = wav(st8, m16, d16)
    snd['ok-trailing-3-bytes'] = wav(m16, d16) + b'dat'
    snd['ok-trailing-list-fragment'] = wav(m16, d16) + b'LIST\x01\x02'
    snd['ok-trailing-format-fragment'] = wav(m16, d16) + b'fmt \x10'
    snd['ok-list-cut-off-after-data'] = wav(m16, d16) + b'LIST' + le32(5000) + b'INFO'
    snd['ok-unusable-format-after-data'] = wav(m16, d16, fmt(1, 16, fmt_format=3))

    snd['bad-trailing-data-4-bytes'] = wav(m16, d16) + b'data'
    snd['bad-trailing-data-7-bytes-stereo'] = wav(st16, chunk(b'data', samples(200, 16, 2))) + b'data\1\2\3'
    snd['bad-trailing-data-5-bytes-8bit-mono'] = wav(m8, chunk(b'data', samples(300, 8, 1))) + b'data\0'
    snd['bad-odd-list-padded-before-data'] = wav(m16, info + b'\0', d16)
    snd['bad-data-before-format'] = wav(d16, m16)
    snd['bad-two-sounds'] = wav(m16, d16, chunk(b'data', samples(100, 16, 1)))
    snd['bad-data-cut-short'] = wav(m16, d16)[:-100]
    snd['bad-no-data'] = wav(m16, chunk(b'LIST', b'INFO'))
    snd['bad-no-format'] = wav(d16)
    snd['bad-floating-point'] = wav(fmt(1, 32, fmt_format=3), chunk(b'data', s16))
    snd['bad-24bit'] = wav(fmt(1, 24), chunk(b'data', s16[:597]))
    snd['bad-rate-500'] = wav(fmt(1, 16, rate=500), d16)
    snd['bad-empty-data'] = wav(m16, chunk(b'data', b''))
    snd['bad-half-frame'] = wav(st16, chunk(b'data', samples(200, 16, 2) + b'\1\2'))
    snd['bad-format-14-bytes'] = wav(chunk(b'fmt ', struct.pack('<HHIIH', 1, 1, 22050, 44100, 2)), d16)
    snd['bad-list-past-end-before-data'] = wav(m16, b'LIST' + le32(90000), d16)
    snd['bad-not-riff'] = b'RIFX' + wav(m16, d16)[4:]
    # The loader stops at the unusable format, but the file holds two sounds.
    snd['bad-second-sound-after-unusable-format'] = wav(m16, d16, fmt(1, 16, fmt_format=3),
                                                        chunk(b'data', samples(100, 16, 1)))
    # The loader reads 16 bytes of a 4-byte format chunk, the second sound's
    # header among them, and walks on from inside that sound: it never meets
    # it, but the file holds two all the same.
    snd['bad-second-sound-inside-a-short-format'] = wav(m16, d16, chunk(b'fmt ', b'\1\0\1\0'),
                                                        chunk(b'data', b'\0\0\x10\0ZZZZ' + le32(0x7fff0000) + s16))
    # 2 GB or more: the loader takes the length as negative and skips nothing.
    snd['bad-2gb-chunk-before-data'] = wav(m16, b'LIST' + le32(0x80000000), d16)
    snd['bad-2gb-chunk-then-another-sound'] = wav(m16, d16, b'LIST' + le32(0x80000000), chunk(b'data', samples(100, 16, 1)))
    return snd


def main():
    for kind, made in (('bmp', pictures()), ('wav', sounds())):
        folder = os.path.join(HERE, kind)
        os.makedirs(folder, exist_ok=True)
        for old in os.listdir(folder):
            os.remove(os.path.join(folder, old))
        for name, data in sorted(made.items()):
            with open(os.path.join(folder, name + '.' + kind), 'wb') as f:
                f.write(data)


main()
