// Koch curve: each segment gets a triangular bump
angle 60
axiom F
#F -> F+F--F+F
