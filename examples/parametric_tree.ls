// Parametric tree: every branch splits in two, shorter by the ratio R,
// until a branch is shorter than 1. The default line gives the bare axiom
// symbol its length; the angle line gives every + and - its 30 degrees.
define R=0.6
angle 30
default A(10)
axiom A
#A(s) : s >= 1 -> F(s)[+A(s*R)][-A(s*R)]
#A(s) : s < 1 -> F(s)
