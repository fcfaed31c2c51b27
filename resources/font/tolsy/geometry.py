"""Drawing primitives for the Tolsy glyphs: pen strokes and filled shapes in font units.

Every glyph is drawn as a union of shapes, so overlapping strokes become one clean outline
with proper holes; that keeps the TrueType contours free of overlaps for every rasteriser.
"""
import math

from shapely import affinity
from shapely.geometry import LinearRing, LineString, MultiPolygon, Point, Polygon, box
from shapely.geometry.polygon import orient
from shapely.ops import unary_union

PEN = 64  # stroke width of lettering and symbols, in font units (1000 per em)
ROUND_STEPS = 8  # polygon segments per quarter circle of a pen end or joint


def arc(cx, cy, rx, ry, start_deg, end_deg, step_deg=4.0):
    """Points along an ellipse arc; end below start runs clockwise."""
    sweep = end_deg - start_deg
    count = max(2, int(math.ceil(abs(sweep) / step_deg)) + 1)
    points = []
    for i in range(count):
        a = math.radians(start_deg + sweep * i / (count - 1))
        points.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return points


def ellipse_points(cx, cy, rx, ry, step_deg=4.0):
    return arc(cx, cy, rx, ry, 0.0, 360.0, step_deg)[:-1]


def stroke(points, width=PEN, closed=False):
    """A pen stroke along a polyline with round ends and joints."""
    points = _dedupe(points)
    if len(points) == 1:
        return dot(points[0][0], points[0][1], width)
    line = LinearRing(points) if closed else LineString(points)
    return line.buffer(width / 2.0, resolution=ROUND_STEPS, cap_style=1, join_style=1)


def flat_stroke(points, width=PEN):
    """A pen stroke with square-cut ends, for lines that must stop exactly (leaders, axes)."""
    return LineString(_dedupe(points)).buffer(
        width / 2.0, resolution=ROUND_STEPS, cap_style=2, join_style=2, mitre_limit=3.0)


def ring(cx, cy, radius, width=PEN, rx=None):
    """A circle (or ellipse when rx is given) drawn with the pen along its centre line."""
    rx = radius if rx is None else rx
    return stroke(ellipse_points(cx, cy, rx, radius, 2.0), width, closed=True)


def disc(cx, cy, radius):
    return Point(cx, cy).buffer(radius, resolution=4 * ROUND_STEPS)


def dot(cx, cy, width=PEN):
    """A full stop or the dot of i: a little larger than the pen, so it reads at small sizes."""
    return disc(cx, cy, width * 0.62)


def rect(x0, y0, x1, y1):
    return box(min(x0, x1), min(y0, y1), max(x0, x1), max(y0, y1))


def polygon(points):
    return Polygon(points)


def outline(points, width=PEN):
    """A closed polygon drawn with the pen (triangles, boxes, hexagons)."""
    return stroke(points, width, closed=True)


def arrow_head(tip, tail, length=190, half_width=62):
    """A filled arrow head with its point at tip, pointing away from tail."""
    (tx, ty), (sx, sy) = tip, tail
    d = math.hypot(tx - sx, ty - sy)
    ux, uy = (tx - sx) / d, (ty - sy) / d
    bx, by = tx - ux * length, ty - uy * length
    return Polygon([(tx, ty), (bx - uy * half_width, by + ux * half_width),
                    (bx + uy * half_width, by - ux * half_width)])


def union(*shapes):
    flat = []
    for s in shapes:
        if isinstance(s, (list, tuple)):
            flat.append(union(*s))
        elif s is not None:
            flat.append(s)
    return unary_union(flat) if flat else Polygon()


def shift(shape, dx=0.0, dy=0.0):
    return affinity.translate(shape, dx, dy)


def scale(shape, factor, origin=(0, 0)):
    return affinity.scale(shape, factor, factor, origin=origin)


def tidy(shape, tolerance=0.35):
    """Drops points that lie within `tolerance` of a straight line through their neighbours."""
    return shape.simplify(tolerance, preserve_topology=True)


def contours(shape):
    """The shape as TrueType contours: lists of integer points, outer rings clockwise and holes
    counter-clockwise, consecutive duplicates and degenerate rings removed."""
    polygons = _polygons(shape)
    result = []
    for poly in polygons:
        poly = orient(poly, sign=-1.0)
        for ring_coords in [poly.exterior.coords] + [r.coords for r in poly.interiors]:
            points = [(int(x), int(y)) for x, y in
                      _dedupe([(round(x), round(y)) for x, y in ring_coords[:-1]])]
            if len(points) >= 2 and points[0] == points[-1]:
                points.pop()
            if len(points) >= 3:
                result.append(points)
    return result


def _polygons(shape):
    if shape.is_empty:
        return []
    if isinstance(shape, Polygon):
        return [shape]
    if isinstance(shape, MultiPolygon):
        return list(shape.geoms)
    return [g for part in getattr(shape, "geoms", []) for g in _polygons(part)]


def _dedupe(points):
    out = []
    for p in points:
        p = (float(p[0]), float(p[1]))
        if not out or math.hypot(p[0] - out[-1][0], p[1] - out[-1][1]) > 1e-9:
            out.append(p)
    return out
