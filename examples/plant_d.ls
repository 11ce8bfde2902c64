// Bracketed plant d: the apex X draws nothing; it leaves a segment and a
// branch on each side behind it, and every segment doubles at each step
angle 20
axiom X
#X -> F[+X]F[-X]+X
#F -> FF
