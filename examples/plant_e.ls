// Bracketed plant e: the apex X grows a pair of opposite branches at
// every node, and every segment doubles at each step
angle 25.7
axiom X
#X -> F[+X][-X]FX
#F -> FF
