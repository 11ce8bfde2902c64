// Three-dimensional bush: each apex A sprouts three branches rolled
// around the stem, every segment F carries a leaf L drawn as a polygon.
angle 22.5
axiom A
#A -> [&FLA]/////[&FLA]///////[&FLA]
#F -> S/////F
#S -> FL
#L -> [^^{-f.+f.+f.-|-f.+f.+f.}]
