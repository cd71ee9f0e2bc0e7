// Detailing rules that both drawing classes apply to bar lengths and outlines: the outer
// diameter of a ribbed bar, the length allowance of one bend and the length of a hook.
// Diameters in whole millimetres; results in millimetres.
#pragma once

// Bar type 0 is a plain bar, whose outer diameter is its nominal diameter; any other type is
// ribbed and takes its outer diameter from the table, a diameter not in it staying as it is.
double GetRebarOuterDiameter(int diameter, int barType);

// Allowance of one bend of angle a (radians): 21 d tan(a/2) - 10.5 d a in general; a bend of
// about 45 degrees gives (0.45 d + 0.5) and one of about 90 degrees (1.29 d + 0.5), each
// truncated to whole millimetres.
double GetBendAllowance(int diameter, double angle);
// The drawing classes pass the bar type along; it does not enter the allowance.
double GetBendAllowance(int diameter, int barType, double angle);

// d (c + extra), c from the table of hook angle (90, 135 or 180 degrees) and bar type (0 to 2);
// an angle or type outside the table gives c = 0.
double GetHookLength(int diameter, int barType, int hookAngle, double extra);
