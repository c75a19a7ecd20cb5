"""Draws every EMBERLIN picture as SVG from one set of shared parts.

The build bundles the SVGs committed in resources/images; this package is how they
were made.  Run it again after changing a drawing:

    python3 scripts/draw_illustrations.py             # rewrites resources/images/*.svg
    python3 scripts/draw_illustrations.py --out DIR   # writes them elsewhere for a look
    python3 scripts/draw_illustrations.py fuel_c1 ... # only the named pictures

(or `python3 -m illustrations ...` from the scripts directory).

One palette (PAL) and one line weight (LINE) in `palette`, and one routine per kind
of thing (a tree of each kind, the ground with its cut face, a flame front, a smoke
plume, a log) keep the set in one hand:

    palette         colours, the outline weight, the typeface
    svg             numbers, colours and haze, basic elements, curves, outlines, strokes
    picture         a picture being drawn (Pic), every picture's size (SIZES), captions
    scenery         the camera over flat ground, sky, hills, tree lines, the ground and
                    its cut face, placing things on the ground
    stems           trunks shared by every tree
    conifers        spruces, firs, Douglas-fir, hemlock, cedar, plantation conifer
    pines           jack or lodgepole, young, red, white and ponderosa pine
    broadleaves     aspen and birch
    understory      shrubs, grass tufts, lichen, logs, stumps, slash branches
    fire            flames, glow, smoke plumes, embers
    fuel_conifer    fuel type pictures C1 to C7
    fuel_mixedwood  D1, M1 to M4
    fuel_slash      S1 to S3
    fuel_grass      O1a, O1b
    fire_examples   the fire behaviour examples (fire_fwi*) and the crown fire picture
    panels          main menu, FWI calculator, more information, references
    icon            the application icon
    diagrams        the FWI and FBP structure diagrams
    cli             the command line: which pictures, where to

A picture named NAME is drawn by the function draw_NAME in one of the scene modules.
Only what Qt Svg renders is used: paths and basic shapes with plain presentation
attributes, linear and radial gradients, <use> of a path, and text lines placed one
<text> element per line.  Python 3 standard library only; the drawings are
deterministic (each picture has its own seeded random generator).
"""
