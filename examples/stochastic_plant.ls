// Stochastic plant: each segment takes one of three shapes at random,
// so every derivation grows a different plant
angle 25.7
axiom F
#F -> (0.33) F[+F]F[-F]F
#F -> (0.33) F[+F]F
#F -> (0.34) F[-F]F
