// Bracketed plant: every segment grows a branch to each side
angle 25.7
axiom F
#F -> F[+F]F[-F]F
