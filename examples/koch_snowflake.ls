// Koch snowflake: the Koch curve on the three sides of a triangle
angle 60
axiom F--F--F
#F -> F+F--F+F
