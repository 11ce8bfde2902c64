// Dragon curve: X and Y only steer the rewriting and draw nothing
angle 90
axiom FX
#X -> X+YF+
#Y -> -FX-Y
