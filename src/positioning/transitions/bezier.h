// Sampling a Bezier curve through control points.
#pragma once

// Samples the curve of k / 3 control points (x, y, z triples in b) at cpts
// evenly spaced parameters from 0 to 1 into p (3 x cpts doubles).
void Bezier3D(const double* b, int k, int cpts, double* p);
// The Bernstein basis polynomial i of degree n at t.
double Bernstein(int n, int i, double t);
// n! / (i! (n - i)!)
double Ni(int n, int i);
// n! for n from 0 to 32.
double factorial(int n);
