// Bracketed plant b: every segment grows a branch to each side and a
// third straight ahead
angle 20
axiom F
#F -> F[+F]F[-F][F]
