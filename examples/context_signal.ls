// A signal b travels along a row of cells a, one cell per step.
// The segments and turns between the cells are not cells: the ignore
// line makes the context test skip them.
angle 45
ignore F+-
axiom bF+aF-aF+aF-aF
#b < a -> b
#b -> a
