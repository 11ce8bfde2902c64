// Ternary tree: every apex A splits into three branches, rolled apart by
// the divergence angles D1 and D2. Older segments keep growing: each step
// makes a segment LR times longer and a width VR times wider.
// The default line gives every new segment F its length 50; the angle line
// gives every & without a value the branching angle.
define D1=94.74
define D2=132.63
define LR=1.109
define VR=1.732
default F(50)
angle 18.95
axiom !(1)F(200)/(45)A
#A -> !(VR)F[&FA]/(D1)[&FA]/(D2)[&FA]
#F(l) -> F(l*LR)
#!(w) -> !(w*VR)
