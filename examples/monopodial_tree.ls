// Monopodial tree: the trunk A grows straight on, shrinking by R1, and
// sheds a lateral axis B at each node, turned by the divergence angle DIV.
// The lateral axes B and C alternate their side branches in one plane ($
// levels them), shrinking by R1 along an axis and by R2 into a branch.
// Every new segment is WR times as wide as its parent (!(w)).
// The angle line gives every & + and - without a value its 45 degrees.
define R1=0.9
define R2=0.6
define DIV=137.5
define WR=0.707
angle 45
axiom A(10,1)
#A(l,w) -> !(w)F(l)[&B(l*R2,w*WR)]/(DIV)A(l*R1,w*WR)
#B(l,w) -> !(w)F(l)[-$C(l*R2,w*WR)]C(l*R1,w*WR)
#C(l,w) -> !(w)F(l)[+$B(l*R2,w*WR)]B(l*R1,w*WR)
