// Leafy bush: every apex A sprouts three branches rolled around the stem,
// each one thinner than its parent (!), and every segment carries a leaf L,
// a flat six-sided polygon whose corners the f moves place.
// The stems are drawn in brown, given by its red, green and blue shares;
// a leaf switches to colour 10 of the colour table (green) inside its own
// branch, so the stem colour comes back after it.
angle 22.5
axiom :(0.45,0.3,0.1)!(0.5)A
#A -> [&FL!A]/////[&FL!A]///////[&FL!A]
#F -> S/////F
#S -> FL
#L -> [:(10)^^{-f+f+f-|-f+f+f}]
