// Bracketed plant f: the apex X forks into nested branches that lean to
// one side, and every segment doubles at each step
angle 22.5
axiom X
#X -> F-[[X]+X]+F[+FX]-X
#F -> FF
