// Cells A and B divide like algae (A -> AB, B -> A). The homomorphism
// section turns every cell into a picture just before it is drawn,
// without changing the derived strings.
angle 60
axiom A
#A -> AB
#B -> A
homomorphism
#A -> F[+F]F
#B -> F[-F]
