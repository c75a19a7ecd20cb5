"""The FWI and FBP structure diagrams: boxes joined by routed arrows."""

from .palette import INK, LINE, PAL
from .svg import el, ellipse, line, mix, poly, pts, rect, text
from .picture import Pic


def arrow_head(x, y, direction, colour, size=6.0):
    """A filled arrowhead with its tip at (x, y), pointing 'down', 'up', 'left' or 'right'."""
    s, h = size, size * 0.55
    shape = {
        'down': [(x, y), (x - h, y - s), (x + h, y - s)],
        'up': [(x, y), (x - h, y + s), (x + h, y + s)],
        'right': [(x, y), (x - s, y - h), (x - s, y + h)],
        'left': [(x, y), (x + s, y - h), (x + s, y + h)],
    }[direction]
    return poly(shape, colour, stroke=colour, sw=0.6)


def routed(points, colour, sw=1.4, head=True):
    """An orthogonal connector through the points, with an arrowhead at the last one."""
    out = []
    x0, y0 = points[-2]
    x1, y1 = points[-1]
    if x1 == x0:
        direction = 'down' if y1 > y0 else 'up'
    else:
        direction = 'right' if x1 > x0 else 'left'
    trimmed = list(points)
    if head:
        back = 5.0
        dx = {'down': 0, 'up': 0, 'right': -back, 'left': back}[direction]
        dy = {'down': -back, 'up': back, 'right': 0, 'left': 0}[direction]
        trimmed[-1] = (x1 + dx, y1 + dy)
    out.append(el('polyline', points=pts(trimmed), fill='none', stroke=colour,
                  stroke_width=sw, stroke_linejoin='miter'))
    if head:
        out.append(arrow_head(x1, y1, direction, colour))
    return out


def dot(x, y, colour, r=2.4):
    return ellipse(x, y, r, r, colour, stroke=None)


def diagram_box(x, y, w, h, lines, fill, edge, title_size=12.5, sub_size=9.5):
    """A rounded box with a bold first line and smaller lines under it, centred."""
    out = [rect(x, y, w, h, fill, stroke=edge, sw=LINE, rx=5)]
    total = title_size + (len(lines) - 1) * (sub_size + 2.5)
    ty = y + (h - total) / 2 + title_size * 0.82
    out.append(text(x + w / 2, ty, lines[0], size=title_size, anchor='middle', weight='bold'))
    for i, s in enumerate(lines[1:]):
        out.append(text(x + w / 2, ty + title_size * 0.3 + (i + 1) * (sub_size + 2.5), s,
                        size=sub_size, anchor='middle', fill='#3b372f'))
    return out


def draw_fwi_structure():
    """Weather observations feed the three fuel moisture codes, those feed ISI and BUI,
    those the FWI, and the FWI the DSR; one colour per weather element."""
    pic = Pic('fwi_structure', 'Structure of the Fire Weather Index System')
    W, H = pic.w, pic.h
    pic.add(rect(0, 0, W, H, '#ffffff', stroke=None))
    bands = [(0, 88, 'Fire weather', 'observations', PAL['band_a']),
             (88, 170, 'Fuel moisture', 'codes', PAL['band_b']),
             (170, 312, 'Fire behaviour', 'indices', PAL['band_a']),
             (312, H, 'Fire severity', 'rating', PAL['band_b'])]
    for y0, y1, a, b, fill in bands:
        pic.add(rect(0, y0, W, y1 - y0, fill, stroke=None))
        mid = (y0 + y1) / 2
        pic.add(text(8, mid - 2, a, size=10, weight='bold', fill='#4a4439'))
        pic.add(text(8, mid + 10, b, size=10, weight='bold', fill='#4a4439'))
    for y in (88, 170, 312):
        pic.add(line(4, y, W - 4, y, stroke='#cfc8b8', sw=0.8))

    # Weather boxes: wind first, so its second path (to ISI) runs down the left lane.
    wx = [(96, 72, 'Wind', [], 'wind'), (176, 92, 'Temperature', [], 'temp'),
          (276, 82, 'Relative', ['humidity'], 'rh'), (366, 80, 'Rain', [], 'rain')]
    wy0, wy1 = 12, 46
    centre = {}
    for x, bw, t, more, key in wx:
        col = PAL[key]
        lines = [t] + more
        pic.add(rect(x, wy0, bw, wy1 - wy0, mix(col, '#ffffff', 0.86), stroke=col, sw=LINE,
                     rx=5))
        if more:
            pic.add(text(x + bw / 2, wy0 + 15, lines[0], size=10.5, anchor='middle',
                         weight='bold'))
            pic.add(text(x + bw / 2, wy0 + 28, lines[1], size=10.5, anchor='middle',
                         weight='bold'))
        else:
            pic.add(text(x + bw / 2, wy0 + 21.5, t, size=10.5, anchor='middle',
                         weight='bold'))
        centre[key] = x + bw / 2

    # Code boxes.
    cy0, cy1 = 104, 152
    codes = {'FFMC': (112, ['FFMC', 'Fine Fuel', 'Moisture Code']),
             'DMC': (229, ['DMC', 'Duff', 'Moisture Code']),
             'DC': (346, ['DC', 'Drought Code'])}
    cw = 100
    # Buses: each weather element drops to its own level, then into each code it feeds.
    feeds = {'temp': ([150, 254, 376], 60), 'rh': ([174, 279], 68), 'rain': ([197, 304, 416], 76)}
    for key, (ports, level) in feeds.items():
        col = PAL[key]
        cx = centre[key]
        left, right = min(ports + [cx]), max(ports + [cx])
        pic.add(el('polyline', points=pts([(cx, wy1), (cx, level)]), fill='none', stroke=col,
                   stroke_width=1.4))
        pic.add(el('polyline', points=pts([(left, level), (right, level)]), fill='none',
                   stroke=col, stroke_width=1.4))
        for px in ports:
            pic.add(routed([(px, level), (px, cy0)], col))
            if left < px < right:
                pic.add(dot(px, level, col))
        if left < cx < right:
            pic.add(dot(cx, level, col))
    # Wind: straight down into FFMC, and down the left lane into ISI.
    wcol = PAL['wind']
    pic.add(routed([(127, wy1), (127, cy0)], wcol))
    iy0, iy1 = 192, 236
    pic.add(routed([(104, wy1), (104, (iy0 + iy1) / 2), (112, (iy0 + iy1) / 2)], wcol))

    for key, (x, lines) in codes.items():
        pic.add(diagram_box(x, cy0, cw, cy1 - cy0, lines, '#fffdf7', INK, sub_size=9.5))

    # Indices.
    isi = (112, iy0, 100, iy1 - iy0)
    bui = (287, iy0, 100, iy1 - iy0)
    pic.add(routed([(170, cy1), (170, iy0)], INK))                     # FFMC -> ISI
    pic.add(routed([(300, cy1), (300, iy0)], INK))                     # DMC -> BUI
    pic.add(routed([(372, cy1), (372, iy0)], INK))                     # DC -> BUI
    fy0, fy1 = 256, 296
    fwi = (200, fy0, 100, fy1 - fy0)
    pic.add(routed([(162, iy1), (162, (fy0 + fy1) / 2), (200, (fy0 + fy1) / 2)], INK))
    pic.add(routed([(337, iy1), (337, (fy0 + fy1) / 2), (300, (fy0 + fy1) / 2)], INK))
    dy0, dy1 = 324, 360
    pic.add(routed([(250, fy1), (250, dy0)], INK))                     # FWI -> DSR
    warm = '#fff4e4'
    pic.add(diagram_box(*isi, ['ISI', 'Initial Spread Index'], warm, INK, sub_size=9))
    pic.add(diagram_box(*bui, ['BUI', 'Buildup Index'], warm, INK, sub_size=9))
    pic.add(diagram_box(*fwi, ['FWI', 'Fire Weather Index'], '#ffe9cf', INK, sub_size=9))
    pic.add(diagram_box(180, dy0, 140, dy1 - dy0, ['DSR', 'Daily Severity Rating'], '#ffe9cf',
                        INK, sub_size=9))
    return pic


def draw_fbp_structure():
    """The five input categories feed the primary outputs; the primary outputs, with the
    type and duration of the prediction, give the secondary outputs."""
    pic = Pic('fbp_structure', 'Structure of the Fire Behaviour Prediction System')
    W, H = pic.w, pic.h
    pic.add(rect(0, 0, W, H, '#ffffff', stroke=None))
    lx, lw = 8, 176
    rx_, rw = 232, 210
    pic.add(rect(0, 0, 200, H, PAL['band_a'], stroke=None))
    pic.add(text(lx + lw / 2, 17, 'INPUTS', size=11, anchor='middle', weight='bold',
                 fill='#4a4439'))
    pic.add(text(rx_ + rw / 2, 17, 'OUTPUTS', size=11, anchor='middle', weight='bold',
                 fill='#4a4439'))
    inputs = [
        ('FUELS', ['FBP fuel type (C1 ... O1b)', 'PC, DF (mixedwoods)', 'GC, GFL (grass)']),
        ('WEATHER', ['FFMC, BUI (FWI System)', 'Wind speed', 'Wind direction']),
        ('TOPOGRAPHY', ['Slope', 'Aspect']),
        ('FOLIAR MOISTURE CONTENT', ['Latitude, longitude', 'Elevation', 'Date (month, day)']),
        ('TYPE AND DURATION', ['OF PREDICTION', 'Point or line ignition', 'Elapsed time']),
    ]
    y, bh, gap = 28, 72, 13
    exits = []
    for title, items in inputs:
        pic.add(rect(lx, y, lw, bh, '#fffdf7', stroke=INK, rx=5))
        pic.add(text(lx + lw / 2, y + 15, title, size=9.5, anchor='middle', weight='bold'))
        for i, s in enumerate(items):
            bold = s.isupper()
            pic.add(text(lx + lw / 2, y + 15 + (i + 1) * 13.5, s, size=9.5 if bold else 9,
                         anchor='middle', weight='bold' if bold else None,
                         fill=INK if bold else '#3b372f'))
        exits.append(y + bh / 2)
        y += bh + gap
    # Primary and secondary outputs.
    primary = [('ROS', 'Rate of Spread'), ('HFI', 'Head Fire Intensity'),
               ('SFC', 'Surface Fuel Consumption'), ('TFC', 'Total Fuel Consumption'),
               ('CFB', 'Crown Fraction Burned'), ('FD', 'Fire Description')]
    secondary = [('FROS', 'Flank Rate of Spread'), ('BROS', 'Back Rate of Spread'),
                 ('FFI', 'Flank Fire Intensity'), ('BFI', 'Back Fire Intensity'),
                 ('A', 'Area'), ('P', 'Perimeter'), ('PGR', 'Perimeter Growth Rate'),
                 ('LB', 'Length-to-Breadth Ratio'), ('HSD', 'Head Spread Distance'),
                 ('FSD', 'Flank Spread Distance'), ('BSD', 'Back Spread Distance')]
    def out_box(y0, heading, rows, fill, row, hgt):
        pic.add(rect(rx_, y0, rw, hgt, fill, stroke=INK, rx=5))
        pic.add(text(rx_ + rw / 2, y0 + 15, heading, size=10, anchor='middle', weight='bold'))
        pic.add(line(rx_ + 8, y0 + 21, rx_ + rw - 8, y0 + 21, stroke='#cdbfa6', sw=0.8))
        for i, (a, b) in enumerate(rows):
            yy = y0 + 26 + row * (i + 0.5) + 3.5
            pic.add(text(rx_ + 10, yy, a, size=9, weight='bold'))
            pic.add(text(rx_ + 50, yy, b, size=9, fill='#3b372f'))
        return hgt

    # The two output boxes fill the height of the input column.
    p0, ph = 28, 130
    s0 = p0 + ph + 38
    sh = exits[-1] + 36 - s0
    out_box(p0, 'PRIMARY OUTPUTS', primary, '#fff4e4', (ph - 30) / len(primary), ph)
    out_box(s0, 'SECONDARY OUTPUTS', secondary, '#ffe9cf', (sh - 30) / len(secondary), sh)
    # Every input category joins one trunk into the primary outputs.
    trunk_x = 208
    port = p0 + ph / 2
    top = min(exits[0], port)
    pic.add(el('polyline', points=pts([(trunk_x, exits[-1] - 8), (trunk_x, top)]),
               fill='none', stroke=INK, stroke_width=1.4))
    for i, ey in enumerate(exits):
        yy = ey - 8 if i == len(exits) - 1 else ey
        pic.add(el('polyline', points=pts([(lx + lw, yy), (trunk_x, yy)]), fill='none',
                   stroke=INK, stroke_width=1.4))
        if 0 < i < len(exits) - 1:
            pic.add(dot(trunk_x, yy, INK))
    pic.add(routed([(trunk_x, port), (rx_, port)], INK))
    if top < port:
        pic.add(dot(trunk_x, port, INK))
    # Primary -> secondary.
    pic.add(routed([(rx_ + rw / 2, p0 + ph), (rx_ + rw / 2, s0)], INK))
    # Type and duration of the prediction also sets the spread distances and area.
    last = exits[-1] + 12
    pic.add(routed([(lx + lw, last), (rx_, last)], INK))
    return pic
