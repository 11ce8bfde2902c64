// Sierpinski arrowhead: F and G both draw, they differ only in their rules
angle 60
axiom F
#F -> G-F-G
#G -> F+G+F
