// Bracketed plant c: each segment doubles and grows two branches that
// bend back towards the stem, which makes a bushy weed
angle 22.5
axiom F
#F -> FF-[-F+F+F]+[+F-F-F]
