// Hilbert curve: a path through every cell of a square grid
angle 90
axiom A
#A -> -BF+AFA+FB-
#B -> +AF-BFB-FA+
