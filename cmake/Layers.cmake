# The product's folders, one layer each, from the bottom up. A file includes only from its own
# layer or a layer listed before it; the layering test (tests/tree) holds the tree to this
# order, and the source globs of both configurations take their folders from it.
set(TOLSY_LAYERS
  base                 # bytes, Windows-1252 text, owning handles: depends on nothing
  picture              # the one image type, geometry, canvas, PNG, text renderers, bitmap font
  toolkit/components   # components, published properties, component streaming (portable)
  toolkit/controls     # Win32 windows, controls, forms and the application object
  skin/bytes           # zlib, inflate, the bitmap-file reader, skin filters and their errors
  skin/model           # skin objects, enumerations, links, nine-piece images, layout
  skin/stored          # the stored skin: source, body, colour and font tables, report
  skin/paint           # painting skin objects onto a canvas
  skin/themes          # themes: kinds, manager, container, skin-file theme, list and engine
  skin/forms           # window hooking and the skinned window frame
  skin/controls        # the program's controls painted from the theme
  skin/effects         # the transition engine and the effect buttons
  composer             # glyph codes, the frame composer, palettes, clipboard
  about                # the About window, star field, sliding labels, version record
  app                  # start-up, the main window, help
  cli                  # framewright, the command-line composer (host only, with FreeType)
)
# Layers whose portable code is the core library of both configurations; the command-line
# composer has its own library, since it needs FreeType.
set(TOLSY_CORE_LAYERS ${TOLSY_LAYERS})
list(REMOVE_ITEM TOLSY_CORE_LAYERS cli)
